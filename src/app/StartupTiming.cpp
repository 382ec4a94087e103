#include "app/StartupTiming.h"

#include <cstdio>

#include <QDateTime>
#include <QElapsedTimer>

#include "ui/MainWindow.h"

namespace {

constexpr int RefreshRounds = 50;

}

void PrintStartupTiming(TForm1& window)
{
    std::printf("shown_at_epoch_ms %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < RefreshRounds; ++i)
        window.FullRefresh();
    std::printf("full_refresh_us %lld\n", static_cast<long long>(clock.nsecsElapsed() / 1000 / RefreshRounds));
    std::fflush(stdout);
}
