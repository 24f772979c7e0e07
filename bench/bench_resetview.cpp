// Rebuilding the window: time of one resetView with 50 zones, and resident memory over
// 1,000 rebuilds. Prints one line per figure.
#include "BenchSupport.h"
#include "HRL.h"
#include "MessageBox.h"
#include "UserPreferences.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <vector>

namespace {
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}
// What the event loop does between two user commands, deferred deletes included.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const BenchStore store;

    using quillmark::hrl::HRL;
    quillmark::hrl::UserPreferences prefs(HRL::MAIN_CLASS);
    QStringList zones;
    const QStringList pool = {QStringLiteral("America/New_York"), QStringLiteral("Europe/London"),
                              QStringLiteral("Asia/Tokyo"), QStringLiteral("Australia/Sydney"),
                              QStringLiteral("Asia/Kolkata")};
    for (int i = 0; i < 50; ++i)
        zones << pool.at(i % pool.size());
    prefs.setTimeZones(zones.join(u';'));

    // Without a tray host the program reports it once in a box; answer it ahead.
    quillmark::utils::MessageBox::setNextAnswer(quillmark::utils::MessageBox::Ok);
    HRL hrl;
    std::vector<double> times;
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer timer;
        timer.start();
        hrl.resetView(false);
        settle();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("resetView with 50 zones: median %.1f ms\n", median(times));

    prefs.setTimeZones(zones.mid(0, 12).join(u';'));
    for (int i = 0; i < 50; ++i) {
        hrl.resetView(false);
        settle();
    }
    const long before = residentKb();
    for (int i = 0; i < 1000; ++i) {
        hrl.resetView(false);
        settle();
    }
    const long after = residentKb();
    std::printf("resident memory over 1000 resetView calls (12 zones): %ld kB -> %ld kB (%+ld kB)\n", before, after,
                after - before);
    hrl.dismiss();
    return 0;
}
