#include "app/AppOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

AppOptions ParseAppOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Programs the KR-T27 radio over its serial cable.");
    parser.addHelpOption();
    const QCommandLineOption settings("settings", "Use FILE as the settings file.", "FILE");
    const QCommandLineOption screenshot("screenshot", "Save a picture of the main window to FILE and quit.", "FILE");
    const QCommandLineOption timing("startup-timing", "Print the start-up and full refresh times and quit.");
    parser.addOptions({settings, screenshot, timing});
    parser.addPositionalArgument("file", "A channel data file (.Kqd) to open.", "[file]");
    parser.process(app);

    AppOptions options;
    options.SettingsPath = parser.value(settings);
    options.ScreenshotPath = parser.value(screenshot);
    options.StartupTiming = parser.isSet(timing);
    if (!parser.positionalArguments().isEmpty())
        options.DataFile = parser.positionalArguments().constFirst();
    return options;
}
