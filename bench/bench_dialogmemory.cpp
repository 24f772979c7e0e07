// Resident memory of the program while each of its dialogs is opened and closed 1,000 times,
// as a user who keeps the widget for weeks would: whatever an open leaves behind shows as growth
// after the first 50 opens, once caches have filled. Prints one line per dialog.
#include "AboutBoxDialog.h"
#include "BenchSupport.h"
#include "GuiPreferences.h"
#include "HRL.h"
#include "MySettings.h"
#include "PaletteUtils.h"
#include "ResourceBundle.h"
#include "TimeZoneDialog.h"
#include "UserPreferences.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using quillmark::hrl::HRL;

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Arguments, for a look with a heap profiler: the number of opens and the dialogs' names.
int opens = 1000;
QStringList only;

void measure(const char *name, const std::function<void()> &openAndClose)
{
    if (!only.isEmpty() && !only.contains(QString::fromLatin1(name)))
        return;
    constexpr int warmUp = 50;
    long afterWarmUp = 0;
    for (int i = 1; i <= opens; ++i) {
        openAndClose();
        // Deferred deletes and posted events of this open, as the event loop would run them.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (i == warmUp)
            afterWarmUp = residentKb();
    }
    const long end = residentKb();
    std::printf("%-14s resident after %d opens: %ld kB, after %d: %ld kB, growth %+ld kB (%.1f kB per open)\n", name,
                warmUp, afterWarmUp, opens, end, end - afterWarmUp, double(end - afterWarmUp) / (opens - warmUp));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty())
        opens = std::max(arguments.takeFirst().toInt(), 51);
    only = arguments;
    // As the program's start does.
    quillmark::utils::PaletteUtils::disableStyleCache();
    const BenchStore store;
    quillmark::hrl::UserPreferences uP(HRL::MAIN_CLASS);
    uP.setTimeZones(QStringLiteral("America/New_York;Europe/London;Asia/Tokyo;Australia/Sydney"));
    const quillmark::utils::GuiPreferences gP(HRL::MAIN_CLASS);
    const auto labels = quillmark::utils::ResourceBundle::getBundle(HRL::LANGUAGE, QLocale::system());
    QWidget owner;
    owner.resize(200, 300);
    owner.show();
    QCoreApplication::processEvents();

    measure("About", [&owner] {
        auto *box = new quillmark::utils::AboutBoxDialog(&owner, QStringLiteral("Horalia"), QStringLiteral("1.0"),
                                                         QStringLiteral("2022-01-01"), QStringLiteral("2019-2022"),
                                                         QStringLiteral("images/hrl.png"));
        QObject::connect(box, &QDialog::finished, box, &QObject::deleteLater);
        box->show();
        QCoreApplication::processEvents();
        box->reject();
    });
    measure("Settings", [&] {
        quillmark::hrl::MySettings dialog(labels, &owner);
        dialog.show();
        QCoreApplication::processEvents();
        dialog.reject();
    });
    measure("TimeZones", [&] {
        quillmark::hrl::TimeZoneDialog dialog(gP, &uP, &owner, QStringLiteral("Time Zones"), labels);
        dialog.show();
        QCoreApplication::processEvents();
        dialog.actionPerformed({nullptr, QStringLiteral("CloseCmd")});
    });
    return 0;
}
