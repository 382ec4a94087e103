#include "app/AppOptions.h"

#include <cstdio>
#include <cstdlib>

#include <QCommandLineParser>
#include <QCoreApplication>

AppOptions ParseAppOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Programs the KR-T27 radio over its serial cable.");
    parser.addHelpOption();
    // Qt's own version option would print the application name "KR-T27"; the command's name goes
    // first, as kr-t27-cli and kr-t27-radio print theirs.
    const QCommandLineOption version("version", "Displays the version number.");
    const QCommandLineOption settings("settings", "Use FILE as the settings file.", "FILE");
    const QCommandLineOption screenshot("screenshot", "Save a picture of the main window to FILE and quit.", "FILE");
    const QCommandLineOption openDialogScreenshot(
        "open-dialog-screenshot", "Save a picture of the File, Open dialog to FILE and quit.", "FILE");
    const QCommandLineOption timing("startup-timing", "Print the start-up and full refresh times and quit.");
    parser.addOptions({version, settings, screenshot, openDialogScreenshot, timing});
    parser.addPositionalArgument("file", "A channel data file (.Kqd) to open.", "[file]");
    parser.process(app);

    if (parser.isSet(version)) {
        std::printf("kr-t27 %s\n", KR_T27_VERSION);
        std::exit(EXIT_SUCCESS);
    }
    AppOptions options;
    options.SettingsPath = parser.value(settings);
    options.ScreenshotPath = parser.value(screenshot);
    options.OpenDialogScreenshotPath = parser.value(openDialogScreenshot);
    options.StartupTiming = parser.isSet(timing);
    if (!parser.positionalArguments().isEmpty())
        options.DataFile = parser.positionalArguments().constFirst();
    return options;
}
