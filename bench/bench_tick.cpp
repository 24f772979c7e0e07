// One refresh of 12 clocks, as the timer runs it once a second: CPU time per tick (median of
// 2,000). Run it under heaptrack to see what a tick allocates.
#include "BenchSupport.h"
#include "HRL.h"
#include "MessageBox.h"
#include "UserPreferences.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const BenchStore store;

    using quillmark::hrl::HRL;
    quillmark::hrl::UserPreferences prefs(HRL::MAIN_CLASS);
    prefs.setTimeZones(QStringLiteral("America/New_York;Europe/London;Asia/Tokyo;Australia/Sydney;Asia/Kolkata;"
                                      "Europe/Berlin;America/Los_Angeles;Asia/Kathmandu;Africa/Cairo;"
                                      "America/Sao_Paulo;Pacific/Auckland;Asia/Shanghai"));
    prefs.setTimePattern(QStringLiteral("HH:mm:ss"));
    quillmark::utils::MessageBox::setNextAnswer(quillmark::utils::MessageBox::Ok);
    HRL hrl;
    QCoreApplication::processEvents();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        hrl.tickNow();
        // The repaint the tick asks for, as the event loop would run it.
        QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e3);
    }
    std::printf("tick of 12 clocks with its repaint: median %.0f us over %d\n", median(times), runs);
    hrl.dismiss();
    return 0;
}
