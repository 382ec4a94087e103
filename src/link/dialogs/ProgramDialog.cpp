#include "link/dialogs/ProgramDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "lang/AppLang.h"
#include "lang/DisplayMessage.h"
#include "lang/TextTable.h"
#include "link/ProgramDialogEntry.h"
#include "link/StepMessage.h"
#include "link/TransferNotice.h"
#include "link/TransferRunner.h"
#include "link/dialogs/ModalResult.h"
#include "link/engine/TransferTargets.h"
#include "link/engine/WriteVerify.h"
#include "notices/AccessibleNames.h"
#include "notices/Notices.h"

namespace {

constexpr int ProgressMaximum = 100;
// Wide enough for the longest caption the opener sets, in every language.
constexpr int BevelMinimumWidth = 300;

QString DialogText(int entry) { return DisplayText(ProgramDialogText(entry)); }

// What the handshake is doing, for the line under the bar; nothing once blocks move.
QString StepText(int linkStep)
{
    const std::optional<Message> message = StepMessage(linkStep);
    return message ? DisplayMessage(*message) : QString();
}

QPushButton* NewButton(const char* objectName, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

}

struct TProgramDialog::Impl {
    Impl(const TransferContext& context, TProgramDialog* dialog);

    TransferContext context;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QFrame* Bevel1;
    QProgressBar* ProgressBar1;
    QLabel* StatusText;
    QPushButton* ProgramStart;
    QCheckBox* VerifyAfterWrite;
    TransferRunner runner;
    // The read before a write, on objects of its own so the write sends what it would without it.
    ReadFirst readFirst;
    std::unique_ptr<TransferTargets> readFirstTargets;
    std::unique_ptr<TransferRunner> firstReader;
    // Where the data read first went, for the ending notice.
    QString keptNotice;
    // The read after a write, on objects of its own so the record stays as written.
    std::unique_ptr<TransferTargets> readBack;
    std::unique_ptr<TransferRunner> verifier;
    bool started = false;
};

TProgramDialog::Impl::Impl(const TransferContext& transfer, TProgramDialog* dialog)
    : context(transfer),
      OKBtn(NewButton("OKBtn", "OK", dialog)),
      CancelBtn(NewButton("CancelBtn", DialogText(CancelCaption), dialog)),
      Bevel1(new QFrame(dialog)),
      ProgressBar1(new QProgressBar(Bevel1)),
      StatusText(new QLabel(Bevel1)),
      ProgramStart(NewButton("ProgramStart", DialogText(StartCaption), dialog)),
      VerifyAfterWrite(new QCheckBox(DisplayMessage({MessageId::VerifyAfterWriting}), dialog)),
      runner(transfer, dialog)
{
    VerifyAfterWrite->setObjectName("VerifyAfterWrite");
    VerifyAfterWrite->setAccessibleName(VerifyAfterWrite->text());
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setMinimumWidth(BevelMinimumWidth);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, ProgressMaximum);
    ProgressBar1->setValue(0);
    StatusText->setObjectName("StatusText");
    StatusText->setAccessibleName(DisplayMessage({MessageId::TransferStatusName}));
    OKBtn->setVisible(false);
    // Enter starts, as does Alt+S whatever the caption's language; once Start is pressed the focus
    // falls on Cancel, where Enter must not stop what the user just started.
    ProgramStart->setDefault(true);
    ProgramStart->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    ProgramStart->setFocus();
    CancelBtn->setAutoDefault(false);
}

TProgramDialog::TProgramDialog(const TransferContext& context, QWidget* owner)
    : QDialog(owner), impl_(new Impl(context, this))
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    NameControlsWhenShown(this);
    auto* bevelLayout = new QVBoxLayout(impl_->Bevel1);
    bevelLayout->addWidget(impl_->ProgressBar1);
    bevelLayout->addWidget(impl_->StatusText);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(impl_->OKBtn);
    buttons->addWidget(impl_->ProgramStart);
    buttons->addWidget(impl_->CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(impl_->Bevel1);
    layout->addWidget(impl_->VerifyAfterWrite);
    layout->addLayout(buttons);
    impl_->VerifyAfterWrite->setVisible(VerifyOffered());

    TransferRunner& runner = impl_->runner;
    runner.SetBandQuestion([this] { return AskBandQuestion(); });
    connect(&runner, &TransferRunner::progressChanged, impl_->ProgressBar1, &QProgressBar::setValue);
    connect(&runner, &TransferRunner::linkStepChanged, impl_->StatusText,
            [this](int step) { impl_->StatusText->setText(StepText(step)); });
    connect(&runner, &TransferRunner::linkStepChanged, this, &TProgramDialog::OfferCancel);
    connect(&runner, &TransferRunner::finished, this, &TProgramDialog::TransferFinished);
    connect(impl_->OKBtn, &QPushButton::clicked, this, [this] { done(ModalResultOk); });
    connect(impl_->CancelBtn, &QPushButton::clicked, this, &TProgramDialog::reject);
    connect(impl_->ProgramStart, &QPushButton::clicked, this, &TProgramDialog::ProgramStartClick);
}

TProgramDialog::~TProgramDialog() = default;

void TProgramDialog::SetReadFirst(ReadFirst read) { impl_->readFirst = std::move(read); }

void TProgramDialog::SetVerifyAfterWrite(bool verify) { impl_->VerifyAfterWrite->setChecked(verify); }

bool TProgramDialog::VerifyAfterWrite() const { return impl_->VerifyAfterWrite->isChecked(); }

TransferTrace TProgramDialog::Trace() const
{
    TransferTrace trace;
    if (impl_->firstReader)
        trace.Append(impl_->firstReader->Trace());
    trace.Append(impl_->runner.Trace());
    if (impl_->verifier)
        trace.Append(impl_->verifier->Trace());
    return trace;
}

void TProgramDialog::SetWriteBackup(bool keep) { impl_->runner.SetWriteBackup(keep); }

const BackupResult& TProgramDialog::WriteBackup() const { return impl_->runner.WriteBackup(); }

bool TProgramDialog::VerifyOffered() const
{
    return impl_->context.Kind == TransferKind::Normal && !impl_->context.IsRead;
}

void TProgramDialog::ProgramStartClick()
{
    impl_->ProgramStart->setEnabled(false);
    impl_->started = true;
    impl_->VerifyAfterWrite->setEnabled(false);
    if (impl_->readFirst.keep)
        StartReadFirst();
    else
        impl_->runner.Start(PortChoiceFor(impl_->context.Link));
    OfferCancel();
}

TransferRunner& TProgramDialog::CurrentRunner() const
{
    if (impl_->verifier)
        return *impl_->verifier;
    if (impl_->firstReader && impl_->firstReader->Outcome() == LinkOutcome::Running)
        return *impl_->firstReader;
    return impl_->runner;
}

// Cancel stays offered while it can stop the transfer without leaving the radio half-written.
void TProgramDialog::OfferCancel() { impl_->CancelBtn->setEnabled(!impl_->started || CurrentRunner().CanCancel()); }

void TProgramDialog::StartReadFirst()
{
    impl_->readFirstTargets = TransferTargets::ForReadBack(impl_->context);
    impl_->firstReader =
        std::make_unique<TransferRunner>(impl_->readFirstTargets->Context(impl_->readFirst.kind, true));
    TransferRunner& reader = *impl_->firstReader;
    connect(&reader, &TransferRunner::progressChanged, impl_->ProgressBar1, &QProgressBar::setValue);
    connect(&reader, &TransferRunner::linkStepChanged, impl_->StatusText, [this](int step) {
        const QString handshake = StepText(step);
        impl_->StatusText->setText(handshake.isEmpty() ? impl_->readFirst.status : handshake);
    });
    connect(&reader, &TransferRunner::linkStepChanged, this, &TProgramDialog::OfferCancel);
    connect(&reader, &TransferRunner::finished, this, &TProgramDialog::ReadFirstFinished);
    reader.Start(PortChoiceFor(impl_->context.Link));
}

// The write goes to the port the read found the radio on.
void TProgramDialog::ReadFirstFinished(LinkOutcome outcome)
{
    if (outcome == LinkOutcome::Stopped) {
        End(false, false, QString());
        return;
    }
    QStringList notWritten{impl_->readFirst.notWritten};
    if (outcome != LinkOutcome::Success) {
        notWritten << NoticeText(impl_->firstReader->Ending());
        End(false, false, notWritten.join('\n'));
        return;
    }
    impl_->firstReader->ApplyResult();
    const KeptBeforeWrite kept = impl_->readFirst.keep(impl_->readFirstTargets->Context(impl_->readFirst.kind, true));
    if (!kept.kept) {
        notWritten << kept.notice;
        End(false, false, notWritten.join('\n'));
        return;
    }
    impl_->keptNotice = kept.notice;
    impl_->ProgressBar1->setValue(0);
    impl_->runner.Start(PortChoice::Named(impl_->firstReader->PortInUse()));
    OfferCancel();
}

bool TProgramDialog::AskBandQuestion()
{
    return Confirm(this, DialogText(BandDifferenceQuestion), DialogText(ContinueCaption), DialogText(CancelCaption));
}

void TProgramDialog::TransferFinished(LinkOutcome outcome)
{
    if (outcome == LinkOutcome::Success && VerifyOffered() && VerifyAfterWrite()) {
        StartVerify();
        return;
    }
    const bool succeeded = outcome == LinkOutcome::Success;
    End(succeeded, succeeded, NoticeText(impl_->runner.Ending()));
}

// A normal read on the port the write found the radio on.
void TProgramDialog::StartVerify()
{
    impl_->StatusText->setText(DisplayMessage({MessageId::Verifying}));
    impl_->ProgressBar1->setValue(0);
    impl_->readBack = TransferTargets::ForReadBack(impl_->context);
    impl_->verifier =
        std::make_unique<TransferRunner>(impl_->readBack->Context(TransferKind::Normal, true));
    TransferRunner& verifier = *impl_->verifier;
    connect(&verifier, &TransferRunner::progressChanged, impl_->ProgressBar1, &QProgressBar::setValue);
    connect(&verifier, &TransferRunner::linkStepChanged, this, &TProgramDialog::OfferCancel);
    connect(&verifier, &TransferRunner::finished, this, &TProgramDialog::VerifyFinished);
    verifier.Start(PortChoice::Named(impl_->runner.PortInUse()));
    OfferCancel();
}

// The write itself succeeded either way; only a radio holding what was sent ends in success. A
// read back the user stopped leaves the write as written, unverified.
void TProgramDialog::VerifyFinished(LinkOutcome outcome)
{
    if (outcome == LinkOutcome::Stopped) {
        End(true, true, DialogText(SuccessText));
        return;
    }
    if (outcome != LinkOutcome::Success) {
        TransferEnding ending = impl_->verifier->Ending();
        ending.afterWrite = true;
        End(true, false, NoticeText(ending));
        return;
    }
    const VerifyResult result = CompareWritten(impl_->context.Image, impl_->readBack->Image);
    End(true, result.Matches(), DisplayTexts(VerifiedNoticeLines(result, AppLang().LangType())).join('\n'));
}

void TProgramDialog::End(bool transferred, bool succeeded, const QString& notice)
{
    if (impl_->context.KeepTrace)
        impl_->context.KeepTrace(Trace());
    if (!notice.isEmpty())
        ShowNotice(this, impl_->keptNotice.isEmpty() ? notice : notice + '\n' + impl_->keptNotice);
    if (transferred) {
        impl_->runner.ApplyResult();
        emit transferSucceeded();
    }
    impl_->started = false;
    done(succeeded ? ModalResultOk : ModalResultCancel);
}

QString TProgramDialog::NoticeText(const TransferEnding& ending)
{
    return DisplayTexts(OutcomeNoticeLines(ending, AppLang().LangType())).join('\n');
}

// Cancel, Escape and closing the window all stop a started transfer where that leaves the radio
// as it was, and are ignored once it would not: a write then runs to one of its endings.
void TProgramDialog::reject()
{
    if (!impl_->started)
        done(ModalResultCancel);
    else
        CurrentRunner().Cancel();
}

void TProgramDialog::closeEvent(QCloseEvent* event)
{
    if (impl_->started) {
        event->ignore();
        CurrentRunner().Cancel();
    } else {
        QDialog::closeEvent(event);
    }
}
