#pragma once

#include <QString>

class QCoreApplication;

// The command line of the desktop program.
struct AppOptions {
    QString SettingsPath;    // --settings FILE: instead of the settings file beside the program
    QString DataFile;        // a channel data file to open at start
    QString ScreenshotPath;  // --screenshot FILE.png: save a picture of the window and quit
    QString OpenDialogScreenshotPath;  // --open-dialog-screenshot FILE.png: the same of the Open dialog
    bool StartupTiming = false;  // --startup-timing: print start-up and refresh times and quit

    // A run that ends by itself, with nobody at the window.
    bool Unattended() const
    {
        return !ScreenshotPath.isEmpty() || !OpenDialogScreenshotPath.isEmpty() || StartupTiming;
    }
};

// Parses the arguments; on an error or --help it prints the usage and ends the process, on
// --version the version.
AppOptions ParseAppOptions(const QCoreApplication& app);
