// The time zone dialog: time to open it (build, show, first paint) and time to open its add
// box with every zone of the database (build, fill, show, first paint). Prints one line per
// figure, medians of several runs; the first run, which reads the tz files, is shown apart.
#include "BenchSupport.h"
#include "GuiPreferences.h"
#include "HRL.h"
#include "MessageBox.h"
#include "MyJButtonWithImage.h"
#include "ResourceBundle.h"
#include "TimeZoneDialog.h"
#include "UserPreferences.h"
#include "ZoneDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <vector>

namespace {

using quillmark::hrl::HRL;
using quillmark::hrl::TimeZoneDialog;

double ms(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const BenchStore store;

    quillmark::hrl::UserPreferences uP(HRL::MAIN_CLASS);
    uP.setTimeZones(QStringLiteral("America/New_York;Europe/London;Asia/Tokyo;Australia/Sydney;Asia/Kolkata;"
                                   "Europe/Berlin;America/Los_Angeles;Asia/Hong_Kong;Africa/Cairo;Pacific/Auckland;"
                                   "America/Sao_Paulo;Asia/Dubai"));
    const quillmark::utils::GuiPreferences gP(HRL::MAIN_CLASS);
    const quillmark::utils::ResourceBundle labels = quillmark::utils::ResourceBundle::getBundle(HRL::LANGUAGE,
                                                                                                QLocale::system());
    const QString title = labels.getString(QStringLiteral("dialog.title.timezoneconfiguration"));
    QWidget owner;
    owner.resize(200, 300);
    owner.show();
    QCoreApplication::processEvents();

    constexpr int runs = 15;
    std::vector<double> opens;
    std::vector<double> addBoxes;
    double firstOpen = 0;
    double firstAddBox = 0;
    int zones = 0;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        auto *dialog = new TimeZoneDialog(gP, &uP, &owner, title, labels);
        dialog->show();
        dialog->repaint();
        QCoreApplication::processEvents();
        const double open = ms(timer);

        // The box's own event loop runs this once it shows; it paints it, stops the clock and cancels.
        double addBox = 0;
        QTimer::singleShot(0, dialog, [&] {
            QWidget *box = QApplication::activeModalWidget();
            box->repaint();
            addBox = ms(timer);
            if (auto *choice = box->findChild<QComboBox *>())
                zones = choice->count();
            box->close();
        });
        timer.restart();
        dialog->getAddButton()->click();

        dialog->getCloseButton()->click();
        delete dialog;
        QCoreApplication::processEvents();
        if (i == 0) {
            firstOpen = open;
            firstAddBox = addBox;
        } else {
            opens.push_back(open);
            addBoxes.push_back(addBox);
        }
    }
    std::printf("time zone dialog opening (12 zones): median %.1f ms of %d (first %.1f ms)\n", median(opens), runs,
                firstOpen);
    std::printf("add box opening with all %d zones: median %.1f ms of %d (first %.1f ms)\n", zones, median(addBoxes),
                runs, firstAddBox);
    return 0;
}
