#include "ui/editors/BatchSetDialog.h"

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

constexpr int PowerHighIndex = 1;
constexpr int WideIndex = 1;
constexpr int ScanAddIndex = 1;

constexpr FormColumn FrequencyColumn{16, 16, 100, 120};
constexpr FormColumn ChoiceColumn{272, 16, 100, 120};
constexpr QSize DialogSize(520, 200);
constexpr QSize ButtonSize(75, 25);
constexpr int ButtonGap = 8;
constexpr int ButtonMargin = 12;

// Each control of the dialog with its label and the label's text.
struct LabelledControl {
    QWidget* control;
    const char* labelName;
    TextEntry labelEntry;
};

QLineEdit* FrequencyBox(QWidget* dialog, const char* name, TextCorrection correct)
{
    auto* box = new QLineEdit(dialog);
    box->setObjectName(name);
    FilterTypedCharacters(box, box, BatchFrequencyCharacter);
    CorrectAfterEveryChange(box, correct);
    return box;
}

QComboBox* ChoiceList(QWidget* dialog, const char* name)
{
    auto* list = new QComboBox(dialog);
    list->setObjectName(name);
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

void FillChannelNumbers(QComboBox* list)
{
    list->addItems(NumberTexts(1, int(ChannelCount)));
    list->setCurrentIndex(0);
}

void FillTones(QComboBox* list)
{
    for (const ToneListEntry& tone : BatchToneList())
        list->addItem(QString::fromStdString(tone.text));
    list->setCurrentIndex(0);
}

void Fill(QComboBox* list, std::initializer_list<TextEntry> entries, int preselected)
{
    list->addItems(EntryTexts(entries));
    list->setCurrentIndex(preselected);
}

void PlaceColumn(QWidget* dialog, const FormColumn& column, std::initializer_list<LabelledControl> rows)
{
    int row = 0;
    for (const LabelledControl& labelled : rows) {
        auto* label = new QLabel(Tr(labelled.labelEntry), dialog);
        label->setObjectName(labelled.labelName);
        PlaceRow(column, row++, label, labelled.control);
    }
}

ToneListEntry ParsedTone(const QComboBox* list)
{
    ToneListEntry tone{list->currentText().toStdString(), ToneNone, 0};
    ParseToneText(tone.text, tone.type, tone.code);
    return tone;
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
    FillLists();
    ShowValues();
}

void TChBatchSetDlg::BuildControls()
{
    eChBatchFreqRx = FrequencyBox(this, "eChBatchFreqRx", CorrectBatchFrequencyText);
    eChBatchFreqTx = FrequencyBox(this, "eChBatchFreqTx", CorrectBatchFrequencyText);
    cbChBatchSubDe = ChoiceList(this, "cbChBatchSubDe");
    cbChBatchSubEn = ChoiceList(this, "cbChBatchSubEn");
    cbStartCh = ChoiceList(this, "cbStartCh");
    cbEndCh = ChoiceList(this, "cbEndCh");
    cbChBatchPower = ChoiceList(this, "cbChBatchPower");
    cbChBatchBandwidth = ChoiceList(this, "cbChBatchBandwidth");
    cbChBatchSCN = ChoiceList(this, "cbChBatchSCN");
    cbChBatchBUS = ChoiceList(this, "cbChBatchBUS");
    eStep = FrequencyBox(this, "eStep", CorrectFrequencyText);
    PlaceColumn(this, FrequencyColumn,
                {{eChBatchFreqRx, "sChBatchFreqRx", TextEntry::RxFreq},
                 {eChBatchFreqTx, "sChBatchFreqTx", TextEntry::TxFreq},
                 {cbChBatchSubDe, "sChBatchSubDe", TextEntry::QtDqtDec},
                 {cbChBatchSubEn, "sChBatchSubEn", TextEntry::QtDqtEnc},
                 {cbStartCh, "sStartCh", TextEntry::StartChannel},
                 {cbEndCh, "sEndCh", TextEntry::EndChannel}});
    PlaceColumn(this, ChoiceColumn,
                {{cbChBatchPower, "sChBatchPower", TextEntry::TxPower},
                 {cbChBatchBandwidth, "sChBatchBandwidth", TextEntry::Bandwidth},
                 {cbChBatchSCN, "sChBatchSCN", TextEntry::Scn},
                 {cbChBatchBUS, "sChBatchBUS", TextEntry::BusyInhibit},
                 {eStep, "sStep", TextEntry::StepMhz}});

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

void TChBatchSetDlg::FillLists()
{
    Fill(cbChBatchPower, {TextEntry::Low, TextEntry::High}, PowerHighIndex);
    Fill(cbChBatchBandwidth, {TextEntry::Narrow, TextEntry::Wide}, WideIndex);
    Fill(cbChBatchSCN, {TextEntry::Del, TextEntry::Add}, ScanAddIndex);
    Fill(cbChBatchBUS, {TextEntry::BusyLockOff, TextEntry::Dqt, TextEntry::Cat}, 0);
    FillTones(cbChBatchSubDe);
    FillTones(cbChBatchSubEn);
    FillChannelNumbers(cbStartCh);
    FillChannelNumbers(cbEndCh);
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

    ChannelBatch batch;
    batch.power = uint8_t(cbChBatchPower->currentIndex());
    batch.wide = cbChBatchBandwidth->currentIndex() == WideIndex;
    batch.scanAdd = cbChBatchSCN->currentIndex() == ScanAddIndex;
    batch.busyLock = uint8_t(cbChBatchBUS->currentIndex());
    const ToneListEntry decode = ParsedTone(cbChBatchSubDe);
    const ToneListEntry encode = ParsedTone(cbChBatchSubEn);
    batch.decType = decode.type;
    batch.decCode = decode.code;
    batch.encType = encode.type;
    batch.encCode = encode.code;
    batch.first = unsigned(cbStartCh->currentIndex() + 1);
    batch.last = unsigned(cbEndCh->currentIndex() + 1);
    batch.rxStart = BatchRxStart;
    batch.txStart = BatchTxStart;
    batch.step = BatchStep;
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
