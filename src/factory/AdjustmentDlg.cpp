#include "factory/AdjustmentDlg.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>

#include "calibration/AdjustmentBlock.h"
#include "calibration/AdjustmentFile.h"
#include "calibration/PartlyTakenNotice.h"
#include "factory/DigitEdit.h"
#include "factory/FactoryTransfer.h"
#include "factory/NotANumberNotice.h"
#include "factory/WriteSnDlg.h"
#include "lang/DisplayMessage.h"
#include "lang/FileMessage.h"
#include "lang/TextTable.h"
#include "notices/AccessibleNames.h"
#include "notices/Notices.h"

namespace {

QString AdjText(AdjustmentTextEntry entry) { return DisplayText(AdjustmentDialogText(int(entry))); }

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString NoticeText(const std::vector<Message>& lines)
{
    QStringList shown;
    for (const Message& line : lines)
        shown << DisplayMessage(line);
    return shown.join('\n');
}

}

TAdjustmentDlg::TAdjustmentDlg(const TransferContext& link, AdjustmentData& calibration,
                               std::function<void()> writeChannelData, QWidget* owner)
    : QDialog(owner), bRead(MakeButton("bRead", AdjText(AdjustmentTextEntry::ReadCaption), this)),
      bWrite(MakeButton("bWrite", AdjText(AdjustmentTextEntry::WriteCaption), this)),
      Button1(MakeButton("Button1", QString::fromLatin1(WriteChannelDataCaption), this)),
      bNew(MakeButton("bNew", AdjText(AdjustmentTextEntry::NewCaption), this)), bOpen(MakeButton("bOpen", AdjText(AdjustmentTextEntry::OpenCaption), this)),
      bSave(MakeButton("bSave", AdjText(AdjustmentTextEntry::SaveCaption), this)),
      bWriteSn(MakeButton("bWriteSn", QString::fromLatin1(SerialNumberCaption), this)), link_(link), calibration_(calibration),
      writeChannelData_(std::move(writeChannelData)), chooser_(SystemAdjustmentFileChooser())
{
    bWriteSn->hide();
    NameControlsWhenShown(this);

    auto* top = new QHBoxLayout;
    for (AdjustmentGroupIndex index : {PointGroup, WideGroup, NarrowGroup})
        top->addWidget(BuildGroup(index));
    auto* middle = new QHBoxLayout;
    middle->addLayout(BuildColumn({SquelchGroup, VoxGroup}));
    middle->addLayout(BuildColumn({BatteryGroup, CrystalGroup}));
    middle->addLayout(BuildHints());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addLayout(BuildButtons());

    connect(bNew, &QPushButton::clicked, this, &TAdjustmentDlg::bNewClick);
    connect(bOpen, &QPushButton::clicked, this, &TAdjustmentDlg::bOpenClick);
    connect(bSave, &QPushButton::clicked, this, &TAdjustmentDlg::bSaveClick);
    connect(bRead, &QPushButton::clicked, this, &TAdjustmentDlg::bReadClick);
    connect(bWrite, &QPushButton::clicked, this, &TAdjustmentDlg::bWriteClick);
    connect(Button1, &QPushButton::clicked, this, &TAdjustmentDlg::Button1Click);
    connect(bWriteSn, &QPushButton::clicked, this, &TAdjustmentDlg::bWriteSnClick);

    RefreshFields();
}

// A dialog destroyed while shown is hidden only after its own part is gone, and the focused box
// then loses the focus: nothing may be committed through the dialog that is no longer there.
TAdjustmentDlg::~TAdjustmentDlg()
{
    for (const FieldEdit& target : edits_)
        target.edit->disconnect(this);
}

void TAdjustmentDlg::RefreshFields()
{
    for (const auto& target : edits_)
        target.edit->setText(QString::fromStdString(FieldText(*target.field, calibration_)));
}

// The box always ends up showing what the field holds. It is rewritten before a refusal is
// announced, so the focus change the notice brings finds nothing left to commit.
bool TAdjustmentDlg::CommitEdit(const FieldEdit& target)
{
    const QString typed = target.edit->text();
    AdjustmentData& record = calibration_;
    const CommitOutcome outcome = CommitFieldText(*target.field, typed.toStdString(), link_.Band, record);
    target.edit->setText(QString::fromStdString(FieldText(*target.field, record)));
    if (outcome != CommitOutcome::NotANumber)
        return true;
    ShowNotANumberNotice(this, typed);
    return false;
}

bool TAdjustmentDlg::CommitFocusedEdit()
{
    for (const auto& target : edits_)
        if (target.edit == focusWidget() && target.edit->isModified())
            return CommitEdit(target);
    return true;
}

void TAdjustmentDlg::bNewClick()
{
    if (!Confirm(this, AdjText(AdjustmentTextEntry::ClearAllQuestion), AdjText(AdjustmentTextEntry::ConfirmOkCaption), AdjText(AdjustmentTextEntry::ConfirmCancelCaption)))
        return;
    calibration_ = AdjustmentData{};
    RefreshFields();
}

// A file that cannot be read leaves the record as it was, without a message. One of another length
// is taken as far as it goes, and the technician is told so before the values reach a radio.
void TAdjustmentDlg::bOpenClick()
{
    const QString path = chooser_.ChooseFileToOpen(this, AdjText(AdjustmentTextEntry::OpenFileTitle));
    if (path.isEmpty())
        return;
    AdjustmentFileFit fit;
    if (!OpenAdjustmentFile(LocalPath(path), calibration_, &fit).ok)
        return;
    RefreshFields();
    if (!fit.Whole())
        ShowNotice(this, NoticeText(PartlyTakenNotice(LocalPath(path), fit)));
}

// A save that fails must not pass for done: the values would be lost with the next radio.
void TAdjustmentDlg::bSaveClick()
{
    const QString path = chooser_.ChooseFileToSave(this, AdjText(AdjustmentTextEntry::SaveFileTitle));
    if (path.isEmpty())
        return;
    const FileResult result = SaveAdjustmentFile(LocalPath(path), calibration_);
    if (result.ok)
        return;
    ShowNotice(this, DisplayMessage(FileMessage(result)));
}

void TAdjustmentDlg::bReadClick()
{
    if (!CommitFocusedEdit())
        return;
    TransferContext context = link_;
    context.Kind = TransferKind::Adjustment;
    context.IsRead = true;
    RunFactoryTransfer(context, backUpBeforeWrite_, this, [this] {
        SetAdjustmentData(link_.Buffer, calibration_);
        RefreshFields();
    });
}

// The record is packed before the transfer dialog opens; while that dialog is modal no box can
// change it.
void TAdjustmentDlg::bWriteClick()
{
    if (!CommitFocusedEdit())
        return;
    GetAdjustmentData(calibration_, link_.Buffer);
    TransferContext context = link_;
    context.Kind = TransferKind::Adjustment;
    context.IsRead = false;
    RunFactoryTransfer(context, backUpBeforeWrite_, this, {});
}

void TAdjustmentDlg::Button1Click()
{
    if (writeChannelData_)
        writeChannelData_();
}

void TAdjustmentDlg::bWriteSnClick()
{
    TWriteSnDlg dialog(link_, this);
    dialog.SetBackUpBeforeWrite(backUpBeforeWrite_);
    dialog.exec();
}
