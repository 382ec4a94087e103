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
    if (!options.DataFile.isEmpty())
        window.OpenDataFile(options.DataFile);
    window.show();
    QApplication::processEvents();

    if (!options.ScreenshotPath.isEmpty())
        return SaveScreenshot(window, options.ScreenshotPath) ? 0 : 1;
    if (options.StartupTiming) {
        PrintStartupTiming(window);
        return 0;
    }
    return QApplication::exec();
}
