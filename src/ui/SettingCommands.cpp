#include <QLabel>
#include <QPushButton>

#include "lang/AppLang.h"
#include "lang/DisplayMessage.h"
#include "lang/TextTable.h"
#include "model/ChannelsBand.h"
#include "notices/NoticeParts.h"
#include "notices/Notices.h"
#include "notices/WarnDialogs.h"
#include "ui/GettingStartedDialog.h"
#include "ui/MainWindow.h"
#include "ui/editors/EditorPages.h"

// Band, language, the batch set and the About box: choices that redraw the whole window.

namespace {

constexpr int ProductPoints = 12;
constexpr int DetailPoints = 10;

void SetAboutLine(QLabel* line, TextEntry entry, int points)
{
    line->setText(Tr(entry));
    NoticeParts::SetPointSize(line, points);
}

}

// A band change always discards the channels and settings, even for the band already chosen; the
// question says why, so that nobody loses a record by surprise.
void TForm1::MenuEdit_BandClick(int bandIndex)
{
    CommitPendingEdit();
    const QString question = Tr(TextEntry::ClearAllData) + '\n' + DisplayMessage({MessageId::BandChangeClearsWhy});
    if (!Confirm(this, question, Tr(TextEntry::Ok), Tr(TextEntry::Cancel))) {
        RefreshBandMenu(menu_, config_, band_);
        return;
    }
    config_.BandSelete = bandIndex;
    band_ = config_.Bands[bandIndex];
    record_.ResetToDefaults();
    FullRefresh();
    history_->EndStep();
}

// A file made for another band would open with every channel outside the band; the band its
// channels lie in is offered instead. The data stay: the band is taken as the file's own.
void TForm1::OfferBandOfChannels()
{
    const std::vector<BandLimits> bands(config_.Bands.begin(), config_.Bands.end());
    const std::optional<size_t> index = BandOfChannels(record_, band_, bands);
    if (!index)
        return;
    const Message question{MessageId::BandOfChannelsQuestion, {BandCaption(config_, band_).toStdString(),
                                                                BandCaption(config_, bands[*index]).toStdString()}};
    if (!Confirm(this, DisplayMessage(question), DisplayMessage({MessageId::SwitchBand}),
                 DisplayMessage({MessageId::KeepBand})))
        return;
    config_.BandSelete = int(*index);
    band_ = bands[*index];
    FullRefresh();
    history_->EndStep();
    history_->MarkSaved();
}

void TForm1::SelectLanguage(LanguageSetting setting)
{
    CommitPendingEdit();
    config_.Language = int(setting);
    ApplyLanguageSetting(setting);
    FullRefresh();
}

void TForm1::MenuLanguage_ChsClick() { SelectLanguage(LanguageSetting::SimplifiedChinese); }

void TForm1::MenuLanguage_ChtClick() { SelectLanguage(LanguageSetting::TraditionalChinese); }

void TForm1::MenuLanguage_EnClick() { SelectLanguage(LanguageSetting::English); }

void TForm1::bChBatchSetClick()
{
    RunChannelBatchSet(record_, band_, [this] { FullRefresh(); }, this);
    history_->EndStep();
}

void TForm1::MenuGettingStartedClick() { GettingStartedDialog(this).exec(); }

void TForm1::MenuAboutClick()
{
    TAboutDlg dialog(this);
    dialog.setWindowTitle(Tr(TextEntry::About));
    SetAboutLine(dialog.sName, TextEntry::RadioProgrammingSoftware, ProductPoints);
    SetAboutLine(dialog.sVersion, TextEntry::Version, DetailPoints);
    SetAboutLine(dialog.sOwnership, TextEntry::Copyright, DetailPoints);
    SetAboutLine(dialog.sMaker, TextEntry::SoftwareTeam, DetailPoints);
    dialog.OKBtn->setText(Tr(TextEntry::Ok));
    dialog.exec();
}
