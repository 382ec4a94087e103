// Writes pictures of the four editor pages and the batch dialog, in English and Simplified
// Chinese, for reviewing their layout: editors_screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QTabWidget>
#include <QTimer>

#include "lang/AppLang.h"
#include "model/ChannelRules.h"
#include "model/RadioSettings.h"
#include "ui/editors/BatchSetDialog.h"
#include "ui/editors/EditorPages.h"

namespace {

constexpr QSize WindowSize(829, 440);

struct Language {
    int setting;
    const char* suffix;
};

void FillSample(RadioSettings& settings)
{
    settings.ResetToDefaults();
    const char* frequencies[] = {"438.5", "439.0125", "145.5", "446.00625"};
    unsigned channel = 1;
    for (const char* mhz : frequencies)
        EnterReceiveFrequency(settings, channel++, mhz);
    EnterDecodeTone(settings.Channel[1], "67.0");
    EnterEncodeTone(settings.Channel[2], "D023N");
    settings.Channel[3].SetPower(0);
}

void Save(QWidget* widget, const QString& directory, const QString& name)
{
    widget->grab().save(QDir(directory).filePath("editors-" + name + ".png"));
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QFont font;
    font.setFamilies({QString::fromUtf8("新宋体"), "WenQuanYi Micro Hei"});
    font.setPixelSize(12);
    QApplication::setFont(font);

    RadioSettings settings;
    FillSample(settings);
    for (const Language& language : {Language{0, "en"}, Language{1, "zh"}}) {
        ApplyLanguageSetting(language.setting);
        QTabWidget tabs;
        tabs.resize(WindowSize);
        auto* channelPage = new QWidget;
        auto* grid = new ChannelGridEditor(settings, channelPage);
        grid->move(4, 4);
        auto* options = new OptionsPage(settings, nullptr);
        auto* dtmf = new DtmfPage(settings, nullptr);
        auto* keys = new KeysPage(settings, nullptr);
        tabs.addTab(channelPage, "channels");
        tabs.addTab(options, "options");
        tabs.addTab(dtmf, "DTMF");
        tabs.addTab(keys, "keys");
        grid->Refresh();
        options->Refresh();
        dtmf->Refresh();
        keys->Refresh();
        tabs.show();
        const QString suffix = QString::fromLatin1(language.suffix);
        const char* names[] = {"channels", "options", "dtmf", "keys"};
        for (int page = 0; page < tabs.count(); ++page) {
            tabs.setCurrentIndex(page);
            QApplication::processEvents();
            Save(&tabs, directory, QString::fromLatin1(names[page]) + "-" + suffix);
        }
        TChBatchSetDlg batch(settings, {}, &tabs);
        batch.show();
        QApplication::processEvents();
        Save(&batch, directory, "batch-" + suffix);
    }
    return 0;
}
