#include <cstdio>

#include <QApplication>
#include <QFile>

#include "app/AppOptions.h"
#include "app/StartupTiming.h"
#include "files/AppSettings.h"
#include "lang/AppLang.h"
#include "ui/MainWindow.h"
#include "ui/ModelName.h"
#include "ui/ProgramFont.h"

namespace {

bool SaveScreenshot(TForm1& window, const QString& path)
{
    if (window.grab().save(path))
        return true;
    std::fprintf(stderr, "kr-t27: cannot write %s\n", qPrintable(path));
    return false;
}

// Nobody is there to answer a notice, so a data file that cannot be used ends the run on stderr.
int RunUnattended(TForm1& window, const AppOptions& options)
{
    if (!options.DataFile.isEmpty()) {
        const FileResult loaded = window.LoadDataFile(options.DataFile);
        if (!loaded.ok) {
            std::fprintf(stderr, "kr-t27: %s\n", loaded.message.c_str());
            return 1;
        }
    }
    window.show();
    QApplication::processEvents();
    if (!options.ScreenshotPath.isEmpty())
        return SaveScreenshot(window, options.ScreenshotPath) ? 0 : 1;
    PrintStartupTiming(window);
    return 0;
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ModelName);
    QApplication::setFont(ProgramFont());
    const AppOptions options = ParseAppOptions(app);

    AppLang();
    const std::string settingsPath =
        options.SettingsPath.isEmpty() ? SettingsFilePath() : QFile::encodeName(options.SettingsPath).toStdString();
    TForm1 window(settingsPath);
    if (options.Unattended())
        return RunUnattended(window, options);

    window.show();
    if (!options.DataFile.isEmpty())
        window.OpenDataFile(options.DataFile);
    return QApplication::exec();
}
