#include "ui/editors/BatchSetDialog.h"

#include <iterator>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "lang/TextTable.h"
#include "model/ChannelBatchFill.h"
#include "model/FieldEntry.h"
#include "model/Frequency.h"
#include "model/ToneLists.h"
#include "notices/AccessibleNames.h"
#include "ui/editors/ChoiceTexts.h"
#include "ui/editors/EditorPages.h"
#include "ui/editors/FocusLoss.h"
#include "ui/editors/InputGuards.h"
#include "ui/editors/PageLayout.h"

namespace {

constexpr FormColumn Columns[] = {{16, 16, 100, 120}, {272, 16, 100, 120}};
constexpr QSize DialogSize(520, 200);
constexpr QSize ButtonSize(75, 25);
constexpr int ButtonGap = 8;
constexpr int ButtonMargin = 12;

QLineEdit* FrequencyBox(QWidget* dialog, TextCorrection correct)
{
    auto* box = new QLineEdit(dialog);
    FilterTypedCharacters(box, box, BatchFrequencyCharacter);
    CorrectAfterEveryChange(box, correct);
    return box;
}

QComboBox* ChoiceList(QWidget* dialog, const BatchSetControl& control)
{
    auto* list = new QComboBox(dialog);
    switch (control.kind) {
    case BatchControlKind::Tones:
        for (const ToneListEntry& tone : BatchToneList())
            list->addItem(QString::fromStdString(tone.text));
        break;
    case BatchControlKind::ChannelList:
        list->addItems(NumberTexts(1, int(ChannelCount)));
        break;
    default:
        for (TextEntry item : control.items)
            list->addItem(Tr(item));
    }
    list->setCurrentIndex(control.preselected);
    return list;
}

QPushButton* Button(QWidget* dialog, const char* name, TextEntry entry, int right)
{
    auto* button = new QPushButton(Tr(entry), dialog);
    button->setObjectName(name);
    const int top = DialogSize.height() - ButtonMargin - ButtonSize.height();
    button->setGeometry(right - ButtonSize.width(), top, ButtonSize.width(), ButtonSize.height());
    return button;
}

}

TChBatchSetDlg::TChBatchSetDlg(RadioSettings& settings, const BandLimits& band, std::function<void()> fullRefresh,
                               QWidget* owner)
    : QDialog(owner),
      settings_(settings),
      band_(band),
      fullRefresh_(std::move(fullRefresh)),
      BatchRxStart(band.BandMin),
      BatchTxStart(band.BandMin)
{
    setObjectName("TChBatchSetDlg");
    setWindowTitle(Tr(TextEntry::BatchSet));
    setFixedSize(DialogSize);
    NameControlsWhenShown(this);
    BuildControls();
    ShowValues();
}

QWidget* TChBatchSetDlg::BuildControl(const BatchSetControl& control)
{
    switch (control.kind) {
    case BatchControlKind::Frequency: {
        QLineEdit*& box = control.field == BatchField::RxStart ? eChBatchFreqRx : eChBatchFreqTx;
        return box = FrequencyBox(this, CorrectBatchFrequencyText);
    }
    case BatchControlKind::Step:
        return eStep = FrequencyBox(this, CorrectFrequencyText);
    default:
        return lists_[int(control.field)] = ChoiceList(this, control);
    }
}

void TChBatchSetDlg::BuildControls()
{
    int rows[std::size(Columns)] = {};
    for (const BatchSetControl& control : BatchSetControls()) {
        QWidget* widget = BuildControl(control);
        widget->setObjectName(control.control);
        auto* label = new QLabel(Tr(control.caption), this);
        label->setObjectName(control.label);
        PlaceRow(Columns[control.column], rows[control.column]++, label, widget);
    }

    OnFocusLoss(eChBatchFreqRx, &editsAlive_, [this] { CommitFrequency(eChBatchFreqRx, BatchRxStart); });
    OnFocusLoss(eChBatchFreqTx, &editsAlive_, [this] { CommitFrequency(eChBatchFreqTx, BatchTxStart); });
    OnFocusLoss(eStep, &editsAlive_, [this] { CommitStep(); });

    const int right = DialogSize.width() - ButtonMargin;
    QPushButton* cancel = Button(this, "CancelBtn", TextEntry::Cancel, right);
    QPushButton* ok = Button(this, "OKBtn", TextEntry::Ok, right - ButtonSize.width() - ButtonGap);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TChBatchSetDlg::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TChBatchSetDlg::ShowValues()
{
    eChBatchFreqRx->setText(QString::fromStdString(FormatFrequency(BatchRxStart)));
    eChBatchFreqTx->setText(QString::fromStdString(FormatFrequency(BatchTxStart)));
    eStep->setText(QString::fromStdString(FormatFrequency(BatchStep)));
}

// Text that is not a number (it can only be pasted) keeps the value, and the box shows it again.
void TChBatchSetDlg::CommitFrequency(QLineEdit* box, uint32_t& value)
{
    const Entered<uint32_t> entered = BandFrequencyEntry(box->text().toStdString(), value, band_);
    value = entered.value;
    box->setText(QString::fromStdString(entered.stored));
}

void TChBatchSetDlg::CommitStep()
{
    const Entered<uint32_t> entered = StepEntry(eStep->text().toStdString(), BatchStep);
    BatchStep = entered.value;
    eStep->setText(QString::fromStdString(entered.stored));
}

void TChBatchSetDlg::OKBtnClick()
{
    // Enter reaches the default button without the focus leaving the box being edited.
    CommitFrequency(eChBatchFreqRx, BatchRxStart);
    CommitFrequency(eChBatchFreqTx, BatchTxStart);
    CommitStep();

    BatchSetChoices choices;
    for (int field = 0; field < BatchFieldCount; ++field)
        if (lists_[field])
            choices.positions[field] = lists_[field]->currentIndex();
    choices.rxStart = BatchRxStart;
    choices.txStart = BatchTxStart;
    choices.step = BatchStep;
    const ChannelBatch batch = ChosenBatch(choices);
    if (ApplyChannelBatch(settings_, batch, band_) && fullRefresh_)
        fullRefresh_();
    accept();
}

void RunChannelBatchSet(RadioSettings& settings, const BandLimits& band, std::function<void()> fullRefresh,
                        QWidget* owner)
{
    auto* dialog = new TChBatchSetDlg(settings, band, std::move(fullRefresh), owner);
    dialog->exec();
    delete dialog;
}
