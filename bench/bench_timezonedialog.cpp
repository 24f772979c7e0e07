// The time zone dialog: time to open it (build, show, first paint) and time to open its add
// box with every zone of the database (build, fill, show, first paint). Prints one line per
// figure, medians of several runs; the first run, which reads the tz files, is shown apart.
// Then the place search: how soon after the dialog opens a typed town is found, the resident
// memory of the open dialog with its place index, and what stays once it has closed.
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
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTest>
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

// Private resident memory in kB (RssAnon: heap and other private pages; pages of mapped files
// such as ICU's data are left out), from /proc (Linux).
long privateKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("RssAnon:"))
            return line.mid(8).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

struct SearchRun
{
    double found = 0; // ms from the dialog's construction to the typed town's suggestions
    long openKb = 0;  // private memory with the dialog and its index
    long closedKb = 0;
    std::vector<double> keystrokes; // ms per typed letter once the index is there, list updated
};

// Opens the dialog and at once its add box, types a town and waits for its suggestions.
SearchRun search(const quillmark::utils::GuiPreferences &gP, quillmark::hrl::UserPreferences &uP, QWidget &owner,
                 const QString &title, const quillmark::utils::ResourceBundle &labels)
{
    SearchRun run;
    QElapsedTimer timer;
    timer.start();
    auto *dialog = new TimeZoneDialog(gP, &uP, &owner, title, labels);
    dialog->show();
    QTimer::singleShot(0, dialog, [&] {
        QWidget *box = QApplication::activeModalWidget();
        auto *field = box->findChild<QLineEdit *>(QStringLiteral("placeSearch"));
        auto *list = field->findChild<QListView *>(QStringLiteral("placeSuggestions"));
        QTest::keyClicks(field, QStringLiteral("Mumbai"));
        while (!list->isVisible() && timer.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        run.found = ms(timer);
        run.openKb = privateKb();
        // Letter by letter, each one's suggestions found, shown in the list and laid out.
        field->clear();
        for (const QChar letter : QStringLiteral("San Francisco")) {
            QElapsedTimer keystroke;
            keystroke.start();
            QTest::keyClick(field, letter.toLatin1());
            run.keystrokes.push_back(ms(keystroke));
        }
        box->close();
    });
    dialog->getAddButton()->click();
    dialog->getCloseButton()->click();
    delete dialog;
    QCoreApplication::processEvents();
    run.closedKb = privateKb();
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    returnLargeBlocksAsTheProgramDoes();
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

    // Memory before, with the dialog open and its index made, and after it closed. The first
    // search loads ICU's zone names, which ICU keeps: it is measured apart.
    const long startKb = privateKb();
    const SearchRun first = search(gP, uP, owner, title, labels);
    const long idleKb = privateKb();
    std::vector<double> found;
    std::vector<double> openMb;
    std::vector<double> closedMb;
    std::vector<double> keystrokes;
    for (int i = 0; i < 5; ++i) {
        const SearchRun run = search(gP, uP, owner, title, labels);
        keystrokes.insert(keystrokes.end(), run.keystrokes.begin(), run.keystrokes.end());
        found.push_back(run.found);
        openMb.push_back(double(run.openKb - idleKb) / 1024.0);
        closedMb.push_back(double(run.closedKb - idleKb) / 1024.0);
    }
    std::printf("typed town found, from the dialog's opening with its add box: median %.0f ms of %zu (first %.0f ms)\n",
                median(found), found.size(), first.found);
    std::printf("one keystroke in the search field, its suggestions listed: median %.2f ms, worst %.2f ms of %zu\n",
                median(keystrokes), *std::max_element(keystrokes.begin(), keystrokes.end()), keystrokes.size());
    std::printf("private memory with the dialog open and its place index made: median %+.1f MB; after closing: "
                "median %+.1f MB, last %+.1f MB (of %zu); kept after the first search: %+.1f MB\n",
                median(openMb), median(closedMb), closedMb.back(), closedMb.size(), double(idleKb - startKb) / 1024.0);
    return 0;
}
