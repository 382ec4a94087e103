#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QFile>

#include "app/AppOptions.h"
#include "app/OpenDialogPicture.h"
#include "app/StartupTiming.h"
#include "files/AppSettings.h"
#include "lang/AppLang.h"
#include "lang/FileMessage.h"
#include "model/ModelName.h"
#include "ui/MainWindow.h"
#include "ui/ProgramFont.h"

namespace {

int ReportUnwritable(const QString& path)
{
    std::fprintf(stderr, "kr-t27: cannot write %s\n", qPrintable(path));
    return 1;
}

int SaveScreenshot(TForm1& window, const QString& path)
{
    return window.grab().save(path) ? 0 : ReportUnwritable(path);
}

// Through the menu item, so the picture shows the dialog with the title the user sees.
int SaveOpenDialogScreenshot(TForm1& window, const OpenDialogPicture& picture, const QString& path)
{
    window.findChild<QAction*>(QStringLiteral("MenuFile_Open"))->trigger();
    return picture.Saved() ? 0 : ReportUnwritable(path);
}

// Nobody is there to answer a notice, so a data file that cannot be used ends the run on stderr.
int RunUnattended(TForm1& window, const AppOptions& options, const OpenDialogPicture& picture)
{
    if (!options.DataFile.isEmpty()) {
        const FileResult loaded = window.LoadDataFile(options.DataFile);
        if (!loaded.ok) {
            std::fprintf(stderr, "kr-t27: %s\n", EnglishMessage(FileMessage(loaded)).c_str());
            return 1;
        }
    }
    window.show();
    QApplication::processEvents();
    if (!options.ScreenshotPath.isEmpty())
        return SaveScreenshot(window, options.ScreenshotPath);
    if (!options.OpenDialogScreenshotPath.isEmpty())
        return SaveOpenDialogScreenshot(window, picture, options.OpenDialogScreenshotPath);
    PrintStartupTiming(window);
    return 0;
}

// --help and --version are answered by a plain application object, which needs no display.
void AnswerInformationRequest(int argc, char** argv)
{
    const QStringList requests = {"-h", "--help", "--help-all", "-?", "--version"};
    for (int i = 1; i < argc; ++i) {
        if (requests.contains(QString::fromLocal8Bit(argv[i]))) {
            QCoreApplication information(argc, argv);
            ParseAppOptions(information);
        }
    }
}

}

int main(int argc, char** argv)
{
    AnswerInformationRequest(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(ModelName);
    // Wayland desktops match windows to the desktop entry, and so to its icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral(KR_T27_APP_ID));
    QApplication::setFont(ProgramFont());
    const AppOptions options = ParseAppOptions(app);

    AppLang();
    const std::string settingsPath =
        options.SettingsPath.isEmpty() ? SettingsFilePath() : QFile::encodeName(options.SettingsPath).toStdString();
    OpenDialogPicture openDialogPicture(options.OpenDialogScreenshotPath);
    TForm1 window(settingsPath,
                  options.OpenDialogScreenshotPath.isEmpty() ? SystemFileChooser() : openDialogPicture.Chooser());
    if (options.Unattended())
        return RunUnattended(window, options, openDialogPicture);

    window.show();
    window.ReportUnreadSettings();
    if (!options.DataFile.isEmpty())
        window.OpenDataFile(options.DataFile);
    return QApplication::exec();
}
