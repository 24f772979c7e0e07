// The time zone dialog: rows and enabled states, add (with the computer's zone preselected),
// the place search typed into it, delete, moves, save and close, keys, the minimum size, dark
// mode, and the Time Zones command that opens it from the widget.
#include "BidiText.h"
#include "Clock.h"
#include "ClockColorRoles.h"
#include "ColorRoles.h"
#include "DialogParts.h"
#include "FreshStoreTest.h"
#include "GuiPreferences.h"
#include "HRL.h"
#include "MessageBox.h"
#include "MyJButtonWithImage.h"
#include "PlaceSearchField.h"
#include "ResourceBundle.h"
#include "ScopedEnv.h"
#include "StartupBox.h"
#include "TimeZoneDialog.h"
#include "TimeZoneObject.h"
#include "UiDefaults.h"
#include "UserPreferences.h"
#include "Utc.h"
#include "ZoneDatabase.h"
#include "ZoneEntryModel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace quillmark::hrl;
using namespace Qt::StringLiterals;
using quillmark::utils::ColorRoles;
using quillmark::utils::GuiPreferences;
using quillmark::utils::MessageBox;
using quillmark::utils::UiDefaults;

namespace {

const QString Title = u"Time Zone Configuration"_s;

QString stored()
{
    return UserPreferences(HRL::MAIN_CLASS).getHandler(u"TimeZones"_s, u"(none)"_s);
}

struct Fixture
{
    GuiPreferences gP{HRL::MAIN_CLASS};
    UserPreferences uP{HRL::MAIN_CLASS};
    quillmark::utils::ResourceBundle labels = quillmark::utils::ResourceBundle::getBundle(HRL::LANGUAGE, u"en_US"_s);
    QWidget owner;

    std::unique_ptr<TimeZoneDialog> open(const QString &zones)
    {
        uP.setTimeZones(zones);
        owner.show();
        auto dialog = std::make_unique<TimeZoneDialog>(gP, &uP, &owner, Title, labels);
        dialog->show();
        return dialog;
    }
};

QStringList rows(const TimeZoneDialog &dialog)
{
    return dialog.getTimeZonesModel()->stringList();
}

int selected(const TimeZoneDialog &dialog)
{
    const QModelIndexList indexes = dialog.getTimeZonesList()->selectionModel()->selectedIndexes();
    return indexes.isEmpty() ? -1 : indexes.first().row();
}

// Delete, Move Up, Move Down, Save, each as "1" (enabled) or "0"; menu items must agree with buttons.
QString states(const TimeZoneDialog &d)
{
    const auto flag = [](bool on) { return on ? u'1' : u'0'; };
    if (d.getDeleteButton()->isEnabled() != d.getDeletePopupItem()->isEnabled()
        || d.getMoveUpButton()->isEnabled() != d.getMoveUpPopupItem()->isEnabled()
        || d.getMoveDownButton()->isEnabled() != d.getMoveDownPopupItem()->isEnabled())
        return u"menu differs"_s;
    return QString(flag(d.getDeleteButton()->isEnabled())) + flag(d.getMoveUpButton()->isEnabled())
           + flag(d.getMoveDownButton()->isEnabled()) + flag(d.getSaveButton()->isEnabled());
}

void command(TimeZoneDialog &dialog, const QString &name)
{
    dialog.actionPerformed({nullptr, name});
}

// Opens the real add box, lets `inspect` look at its choice box, then answers it with `key`.
void withAddBox(TimeZoneDialog &dialog, const std::function<void(QComboBox *)> &inspect, Qt::Key key = Qt::Key_Escape)
{
    bool seen = false;
    QTimer::singleShot(0, &dialog, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), u"Select Time Zone"_s);
        auto *choice = box->findChild<QComboBox *>();
        QVERIFY(choice);
        seen = true;
        inspect(choice);
        QTest::keyClick(box, key);
    });
    command(dialog, u"AddRow"_s);
    QVERIFY(seen);
}

} // namespace

class TestTimeZoneDialog : public FreshStoreTest
{
    Q_OBJECT

    void setUp() override
    {
        UiDefaults::reset();
        // Midsummer: standard offsets must not show daylight saving time.
        Clock::setSource([] { return utc(2026, 7, 15, 12, 0); });
    }
    void tearDown() override
    {
        MessageBox::takeRecords();
        Clock::reset();
    }

private Q_SLOTS:

    void rowsAndStatesOfAStoredList()
    {
        Fixture f;
        auto dialog = f.open(u"Europe/London;Asia/Tokyo;Europe/Dublin;America/New_York;Asia/Kathmandu;No/Such_Zone"_s);
        QCOMPARE(dialog->windowTitle(), Title);
        QCOMPARE(rows(*dialog), QStringList({u"(UTC+00:00) Europe/London"_s, u"(UTC+09:00) Asia/Tokyo"_s,
                                             u"(UTC+00:00) Europe/Dublin"_s, u"(UTC-05:00) America/New_York"_s,
                                             u"(UTC+05:45) Asia/Kathmandu"_s, u"(UTC+00:00) No/Such_Zone"_s}));
        QCOMPARE(selected(*dialog), 0);
        QCOMPARE(states(*dialog), u"1010"_s);
        // The offsets are the clocks' own.
        TimeZoneObject clock(u"Asia/Kathmandu"_s, Clock::now(), &f.uP, QString(), f.labels);
        QCOMPARE(u"UTC"_s + rows(*dialog).at(4).mid(4, 6), clock.getTimeZoneLbl()->text());
        // The owner waits while the dialog is open; the dialog itself does not.
        QVERIFY(!f.owner.isEnabled());
        QVERIFY(dialog->isEnabled());
        command(*dialog, u"CloseCmd"_s);
        QVERIFY(!dialog->isVisible());
        QVERIFY(f.owner.isEnabled());
        QVERIFY(!dialog->isDataChanged());
    }

    void aSingleRowCannotMove()
    {
        Fixture f;
        auto dialog = f.open(u"Asia/Tokyo"_s);
        QCOMPARE(states(*dialog), u"1000"_s);
    }

    void movesStopAtBothEnds()
    {
        Fixture f;
        auto dialog = f.open(u"Asia/Tokyo;Europe/Paris;Africa/Cairo"_s);
        // Whatever the buttons say, the first row does not move up nor the last down.
        command(*dialog, u"MoveUp"_s);
        dialog->getTimeZonesList()->setCurrentIndex(dialog->getTimeZonesModel()->index(2, 0));
        command(*dialog, u"MoveDown"_s);
        QCOMPARE(rows(*dialog).join(u';'),
                 u"(UTC+09:00) Asia/Tokyo;(UTC+01:00) Europe/Paris;(UTC+02:00) Africa/Cairo"_s);
        QCOMPARE(states(*dialog).back(), u'0');

        command(*dialog, u"MoveUp"_s);
        QCOMPARE(selected(*dialog), 1);
        QCOMPARE(ZoneEntryModel::identifierOf(rows(*dialog).at(1)), u"Africa/Cairo"_s);
        QCOMPARE(states(*dialog), u"1111"_s);
        dialog->getMoveUpPopupItem()->trigger();
        QCOMPARE(selected(*dialog), 0);
        QCOMPARE(states(*dialog), u"1011"_s);

        // A selection changed with the keys leaves the states alone until the next mouse press.
        QTest::keyClick(dialog->getTimeZonesList(), Qt::Key_Down);
        QCOMPARE(selected(*dialog), 1);
        QCOMPARE(states(*dialog), u"1011"_s);
        QWidget *viewport = dialog->getTimeZonesList()->viewport();
        const QPoint onRow2 = dialog->getTimeZonesList()->visualRect(dialog->getTimeZonesModel()->index(2, 0)).center();
        QTest::mousePress(viewport, Qt::LeftButton, {}, onRow2);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, onRow2);
        QTRY_COMPARE(states(*dialog), u"1101"_s);

        command(*dialog, u"SaveFile"_s);
        QCOMPARE(stored(), u"Africa/Cairo;Asia/Tokyo;Europe/Paris"_s);
    }

    void addingAListedZoneAddsItTwice()
    {
        Fixture f;
        auto dialog = f.open(u"Asia/Tokyo;America/New_York"_s);
        MessageBox::setNextAnswer(MessageBox::Cancel);
        command(*dialog, u"AddRow"_s);
        QCOMPARE(rows(*dialog).size(), 2);
        QCOMPARE(states(*dialog), u"1010"_s);

        // The computer's zone (TZ=America/New_York) is preselected.
        MessageBox::setNextAnswer(MessageBox::Ok);
        command(*dialog, u"AddRow"_s);
        QCOMPARE(rows(*dialog).last(), u"(UTC-05:00) America/New_York"_s);
        QCOMPARE(selected(*dialog), 2);
        QCOMPARE(states(*dialog), u"1101"_s);
        const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes.last().kind, MessageBox::OkCancel);
        QCOMPARE(boxes.last().title, u"Select Time Zone"_s);

        // Save stores it twice and keeps the dialog open; a later Close asks nothing.
        command(*dialog, u"SaveFile"_s);
        QCOMPARE(stored(), u"Asia/Tokyo;America/New_York;America/New_York"_s);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isDataChanged());
        QCOMPARE(states(*dialog).back(), u'0');
        command(*dialog, u"CloseCmd"_s);
        QVERIFY(!dialog->isVisible());
        QVERIFY(MessageBox::takeRecords().isEmpty());
    }

    // A save the store does not take says so and keeps the edit, with Save, for another try.
    void aFailedSaveKeepsTheEdit()
    {
        Fixture f;
        auto dialog = f.open(u"Asia/Tokyo"_s);
        MessageBox::setNextAnswer(MessageBox::Ok);
        command(*dialog, u"AddRow"_s);
        const QString file = f.uP.fileName();
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkdir(file));
        MessageBox::takeRecords();
        MessageBox::setNextAnswer(MessageBox::Ok);
        command(*dialog, u"SaveFile"_s);
        const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().kind, MessageBox::Error);
        QCOMPARE(boxes.first().text, u"Your changes could not be saved to "_s + file + u'.');
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isDataChanged());
        QCOMPARE(states(*dialog).back(), u'1');

        QVERIFY(QDir().rmdir(file));
        command(*dialog, u"SaveFile"_s);
        QCOMPARE(stored(), u"Asia/Tokyo;America/New_York"_s);
        QVERIFY(dialog->isDataChanged());
        QCOMPARE(states(*dialog).back(), u'0');
    }

    // Layout passes in which the list shows a scroll bar, or the dialog meets the screen's edge,
    // lay out again from inside themselves.
    void layoutSurvivesWhatTheListAsksFor_data()
    {
        QTest::addColumn<QString>("zones");
        QTest::addColumn<int>("adds");
        QTest::addColumn<bool>("maximise");
        QTest::newRow("adding past the scroll bar") << u"Asia/Tokyo;Europe/Paris;America/Chicago;UTC"_s << 26 << false;
        QTest::newRow("maximised with 20 zones") << QStringList(20, u"Asia/Tokyo"_s).join(u';') << 0 << true;
        QTest::newRow("an id of 3,000 characters") << QString(3000, u'x') << 0 << false;
    }

    void layoutSurvivesWhatTheListAsksFor()
    {
        QFETCH(QString, zones);
        QFETCH(int, adds);
        QFETCH(bool, maximise);
        Fixture f;
        auto dialog = f.open(zones);
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        for (int i = 0; i < adds; ++i) {
            MessageBox::setNextAnswer(MessageBox::Ok);
            command(*dialog, u"AddRow"_s);
            QApplication::processEvents();
        }
        if (maximise)
            dialog->showMaximized();
        QTest::qWait(20);
        QCOMPARE(rows(*dialog).size(), zones.count(u';') + 1 + adds);
        // Every button stays on the screen, and a long entry shows shortened, whole in its tool tip.
        QVERIFY(dialog->width() <= dialog->screen()->availableGeometry().width());
        const QModelIndex first = dialog->getTimeZonesModel()->index(0, 0);
        const QString entry = rows(*dialog).first();
        QCOMPARE(first.data().toString().size(), std::min(entry.size(), ZoneEntryModel::MAX_SHOWN));
        QCOMPARE(first.data(Qt::ToolTipRole).toString(), entry.size() > ZoneEntryModel::MAX_SHOWN ? entry : QString());
    }

    void deletingEveryRowSavesTheComputersZone()
    {
        Fixture f;
        auto dialog = f.open(u"Europe/London;Asia/Tokyo"_s);
        MessageBox::setNextAnswer(MessageBox::No);
        command(*dialog, u"DeleteRow"_s);
        QCOMPARE(rows(*dialog).size(), 2);
        QCOMPARE(states(*dialog).back(), u'0');
        const MessageBox::Record asked = MessageBox::takeRecords().value(0);
        QCOMPARE(asked.kind, MessageBox::Question);
        QCOMPARE(asked.title, u"Delete"_s);
        QCOMPARE(asked.text, u"Delete : (UTC+00:00) Europe/London ?"_s);

        for (int i = 0; i < 2; ++i) {
            MessageBox::setNextAnswer(MessageBox::Yes);
            dialog->getTimeZonesList()->setCurrentIndex(dialog->getTimeZonesModel()->index(0, 0));
            command(*dialog, u"DeleteRow"_s);
        }
        QVERIFY(rows(*dialog).isEmpty());
        QCOMPARE(states(*dialog), u"0001"_s);
        // Nothing selected: Delete asks nothing.
        MessageBox::takeRecords();
        command(*dialog, u"DeleteRow"_s);
        QVERIFY(MessageBox::takeRecords().isEmpty());

        command(*dialog, u"SaveFile"_s);
        QCOMPARE(stored(), u"America/New_York"_s);
    }

    void closeWithUnsavedEdits()
    {
        Fixture f;
        auto dialog = f.open(u"Europe/London;Asia/Tokyo"_s);
        command(*dialog, u"MoveDown"_s);
        // Yes saves and stays open; the next Close closes without asking.
        MessageBox::setNextAnswer(MessageBox::Yes);
        command(*dialog, u"CloseCmd"_s);
        QVERIFY(dialog->isVisible());
        QCOMPARE(stored(), u"Asia/Tokyo;Europe/London"_s);
        const MessageBox::Record asked = MessageBox::takeRecords().value(0);
        QCOMPARE(asked.title, u"Warning"_s);
        QCOMPARE(asked.text, u"Warning: You have not saved your changes.\nDo you wish to save your changes?"_s);
        command(*dialog, u"CloseCmd"_s);
        QVERIFY(!dialog->isVisible());
        QVERIFY(dialog->isDataChanged());

        // No discards; the window's close box asks the same question.
        auto second = f.open(u"Europe/London;Asia/Tokyo"_s);
        command(*second, u"MoveDown"_s);
        MessageBox::setNextAnswer(MessageBox::No);
        second->close();
        QCOMPARE(MessageBox::takeRecords().size(), 1);
        QVERIFY(!second->isVisible());
        QVERIFY(!second->isDataChanged());
        QCOMPARE(stored(), u"Europe/London;Asia/Tokyo"_s);
        QVERIFY(f.owner.isEnabled());
    }

    void escapeAndEnter()
    {
        Fixture f;
        auto dialog = f.open(u"Europe/London;Asia/Tokyo"_s);
        command(*dialog, u"MoveDown"_s);
        // Answered ahead, so a box shown by mistake does not wait for a user.
        MessageBox::setNextAnswer(MessageBox::No);
        // Escape on the list or on Save does nothing, not even ask.
        QTest::keyClick(dialog->getTimeZonesList(), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog->getSaveButton(), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QVERIFY(MessageBox::takeRecords().isEmpty());
        // Enter on another button than Close does nothing either.
        QTest::keyClick(dialog->getAddButton(), Qt::Key_Return);
        QCOMPARE(rows(*dialog).size(), 2);
        QVERIFY(MessageBox::takeRecords().isEmpty());
        // Escape on a button asks about the edits; No discards them.
        QTest::keyClick(dialog->getMoveUpButton(), Qt::Key_Escape);
        QCOMPARE(MessageBox::takeRecords().size(), 1);
        QVERIFY(!dialog->isVisible());

        // Enter on Close closes, and so does Escape on the dialog itself.
        auto second = f.open(u"Europe/London"_s);
        QTest::keyClick(second->getCloseButton(), Qt::Key_Return);
        QVERIFY(!second->isVisible());
        auto third = f.open(u"Europe/London"_s);
        QTest::keyClick(third.get(), Qt::Key_Escape);
        QVERIFY(!third->isVisible());
    }

    void rightClickOpensTheMenuOnTheClickedRow()
    {
        Fixture f;
        auto dialog = f.open(u"Europe/London;Asia/Tokyo;Africa/Cairo"_s);
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QListView *list = dialog->getTimeZonesList();
        const QPoint onLast = list->visualRect(dialog->getTimeZonesModel()->index(2, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, onLast);
        QTRY_COMPARE(QApplication::activePopupWidget(), dialog->getShortPopup());
        QCOMPARE(selected(*dialog), 2);
        QCOMPARE(states(*dialog), u"1100"_s);
        dialog->getShortPopup()->close();
    }

    void minimumSizeSnapsBack_data()
    {
        QTest::addColumn<bool>("largeFont");
        QTest::newRow("normal font") << false;
        QTest::newRow("large font") << true;
    }

    void minimumSizeSnapsBack()
    {
        QFETCH(bool, largeFont);
        Fixture f;
        f.gP.setHandler(u"LargeFont"_s, largeFont ? u"true"_s : u"false"_s);
        auto dialog = f.open(u"Europe/London"_s);
        const int minWidth = largeFont ? 500 : 400;
        QCOMPARE(dialog->getExtraWidth(), largeFont ? 100 : 0);
        QVERIFY(dialog->width() >= minWidth);
        dialog->resize(minWidth - 50, 300);
        QVERIFY(dialog->width() >= minWidth);
        QCOMPARE(dialog->height(), 460);
        dialog->resize(minWidth + 200, 600);
        QCOMPARE(dialog->size(), QSize(minWidth + 200, 600));
    }

    void preselection_data()
    {
        QTest::addColumn<QString>("tz");
        QTest::addColumn<QString>("expected");
        QTest::newRow("New York") << u"America/New_York"_s << u"(UTC-05:00) America/New_York"_s;
        // Every entry starts with "(UTC": the identifier decides, not the whole text.
        QTest::newRow("UTC") << u"UTC"_s << u"(UTC+00:00) UTC"_s;
        // "GMT" is found in several ids ("Etc/GMT+5", "GMT0"): the exact one wins.
        QTest::newRow("GMT") << u"GMT"_s << u"(UTC+00:00) GMT"_s;
        // The zone the clocks use, not the path TZ holds.
        QTest::newRow("path") << u"/usr/share/zoneinfo/Asia/Tokyo"_s << u"(UTC+09:00) Asia/Tokyo"_s;
    }

    void preselection()
    {
        QFETCH(QString, tz);
        QFETCH(QString, expected);
        const ScopedEnv scoped("TZ", tz.toUtf8());
        Fixture f;
        auto dialog = f.open(u"Europe/London"_s);
        withAddBox(
            *dialog,
            [&](QComboBox *choice) {
                QCOMPARE(choice->currentText(), expected);
                QCOMPARE(choice->count(), int(ZoneDatabase::allZoneIds().size()));
            },
            Qt::Key_Return);
        QCOMPARE(rows(*dialog).last(), expected);
    }

    void preselectionOfASubstring()
    {
        const QStringList entries{u"(UTC-03:00) America/Argentina/Buenos_Aires"_s,
                                  u"(UTC-03:00) America/Buenos_Aires"_s, u"(UTC+00:00) Europe/London"_s};
        QCOMPARE(TimeZoneDialog::preselectedRow(entries, u"Buenos_Aires"_s), 1);
        QCOMPARE(TimeZoneDialog::preselectedRow(entries, u"America/Argentina/Buenos_Aires"_s), 0);
        QCOMPARE(TimeZoneDialog::preselectedRow(entries, u"Asia/Tokyo"_s), -1);
        QCOMPARE(TimeZoneDialog::preselectedRow(entries, u"UTC"_s), -1);
        const QStringList gmt{u"(UTC+00:00) Etc/GMT"_s, u"(UTC+00:00) GMT"_s, u"(UTC+00:00) GMT0"_s};
        QCOMPARE(TimeZoneDialog::preselectedRow(gmt, u"GMT"_s), 1);
    }

    void typingFindsTheIdentifier()
    {
        Fixture f;
        auto dialog = f.open(u"Europe/London"_s);
        withAddBox(*dialog, [](QComboBox *choice) {
            QTest::keyClicks(choice, u"eur"_s);
            QCOMPARE(choice->currentText(), u"(UTC+01:00) Europe/Amsterdam"_s);
            QTest::qWait(QApplication::keyboardInputInterval() + 100);
            QTest::keyClicks(choice, u"Pacific/Au"_s);
            QCOMPARE(choice->currentText(), u"(UTC+12:00) Pacific/Auckland"_s);
        });
        // Escape cancels: nothing added.
        QCOMPARE(rows(*dialog).size(), 1);
    }

    void typingAPlaceAndEnterTwiceAddsItsZone()
    {
        Fixture f;
        auto dialog = f.open(u"Europe/London"_s);
        bool seen = false;
        QTimer::singleShot(0, dialog.get(), [&] {
            QWidget *box = QApplication::activeModalWidget();
            // A failed check must not leave the box waiting for a user.
            const auto cancel = qScopeGuard([box] {
                if (box->isVisible())
                    QTest::keyClick(box, Qt::Key_Escape);
            });
            auto *field = part<QLineEdit>(box, "placeSearch");
            auto *list = part<QListView>(field, "placeSuggestions");
            auto *choice = box->findChild<QComboBox *>();
            QCOMPARE(field->placeholderText(), u"Type a city, country or time zone"_s);
            QTRY_VERIFY(field->hasFocus());
            QTest::keyClicks(field, u"san francisco"_s);
            // The index may still be in the making on the dialog's thread.
            QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 60000);
            QVERIFY(list->model()->rowCount() <= PlaceSearchField::MaxSuggestions);
            QCOMPARE(list->model()->index(0, 0).data().toString(),
                     u"San Francisco, United States — (UTC-08:00) America/Los_Angeles"_s);
            QCOMPARE(list->currentIndex().row(), 0);
            // Escape closes the list alone; Down opens it again.
            QTest::keyClick(field, Qt::Key_Escape);
            QVERIFY(!list->isVisible());
            QVERIFY(box->isVisible());
            QTest::keyClick(field, Qt::Key_Down);
            QVERIFY(list->isVisible());
            // The arrows choose; the first Enter takes the choice into the box, the second is OK.
            for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
                QTest::keyClick(field, key);
            QTest::keyClick(field, Qt::Key_Return);
            QVERIFY(!list->isVisible());
            QVERIFY(box->isVisible());
            QCOMPARE(choice->currentText(), u"(UTC-03:00) America/Argentina/Cordoba"_s);
            QCOMPARE(field->text(), u"San Francisco, Argentina"_s);
            seen = true;
            QTest::keyClick(field, Qt::Key_Return);
        });
        command(*dialog, u"AddRow"_s);
        QVERIFY(seen);
        QCOMPARE(rows(*dialog).last(), u"(UTC-03:00) America/Argentina/Cordoba"_s);
        QCOMPARE(states(*dialog).back(), u'1');
    }

    void suggestionTexts_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("expected");
        const QString entry = u"(UTC+05:30) Asia/Kolkata"_s;
        const auto fsi = [](const QString &text) { return quillmark::utils::BidiText::isolate(text, Qt::RightToLeft); };
        QTest::newRow("town") << Qt::LeftToRight << u"Mumbai"_s << u"India"_s << u"Mumbai, India — "_s + entry;
        QTest::newRow("right to left") << Qt::RightToLeft << u"Mumbai"_s << u"الهند"_s
                                       << fsi(u"Mumbai"_s) + u", "_s + fsi(u"الهند"_s) + u" — "_s + entry;
        QTest::newRow("country") << Qt::RightToLeft << u"הודו"_s << QString() << fsi(u"הודו"_s) + u" — "_s + entry;
        QTest::newRow("id") << Qt::LeftToRight << QString() << QString() << entry;
    }

    void suggestionTexts()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(QString, name);
        QFETCH(QString, country);
        QFETCH(QString, expected);
        QApplication::setLayoutDirection(direction);
        const auto restore = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
        const PlaceIndex::Suggestion suggestion{name, country, u"Asia/Kolkata"_s, PlaceIndex::Kind::Town};
        QCOMPARE(PlaceSearchField::suggestionText(suggestion, u"(UTC+05:30) Asia/Kolkata"_s), expected);
    }

    void darkModeDefaultsAreRestored()
    {
        const QColor lightBackground = UiDefaults::getColor(u"OptionPane.background"_s);
        const QColor lightPanel = UiDefaults::getColor(u"Panel.background"_s);
        QVERIFY(lightBackground != ColorRoles::darkModeMenu());
        Fixture f;
        f.uP.setDarkMode(true);
        auto dialog = f.open(u"Europe/London"_s);
        QCOMPARE(UiDefaults::getColor(u"OptionPane.background"_s), ColorRoles::darkModeMenu());
        QCOMPARE(UiDefaults::getColor(u"Panel.background"_s), ColorRoles::darkModeMenu());
        QCOMPARE(UiDefaults::getColor(u"OptionPane.messageForeground"_s), ColorRoles::darkModeDialogText());
        QCOMPARE(dialog->palette().color(QPalette::Window), ColorRoles::darkModeBackground());
        const QPalette list = dialog->getTimeZonesList()->palette();
        QCOMPARE(list.color(QPalette::Base), ColorRoles::darkModeBackground());
        QCOMPARE(list.color(QPalette::Text), ColorRoles::darkModeMenuText());
        QCOMPARE(list.color(QPalette::Highlight), ColorRoles::darkModeDialogText());
        QCOMPARE(list.color(QPalette::HighlightedText), ClockColorRoles::clockBorder());
        withAddBox(*dialog, [](QComboBox *choice) {
            QCOMPARE(choice->window()->palette().color(QPalette::Window), ColorRoles::darkModeMenu());
            QCOMPARE(choice->palette().color(QPalette::Base), ColorRoles::darkModeBackground());
            QCOMPARE(choice->palette().color(QPalette::Text), ColorRoles::darkModeMenuText());
        });

        command(*dialog, u"CloseCmd"_s);
        QCOMPARE(UiDefaults::getColor(u"OptionPane.background"_s), lightBackground);
        QCOMPARE(UiDefaults::getColor(u"Panel.background"_s), lightPanel);
        QCOMPARE(UiDefaults::getColor(u"OptionPane.messageForeground"_s), ColorRoles::darkModeMenu());

        // A dialog that goes away without being closed puts them back too.
        UiDefaults::reset();
        dialog = f.open(u"Europe/London"_s);
        dialog.reset();
        QCOMPARE(UiDefaults::getColor(u"OptionPane.background"_s), lightBackground);
        QVERIFY(f.owner.isEnabled());
    }

    void timeZonesCommandRebuildsWhereTheWindowStands()
    {
        UserPreferences(HRL::MAIN_CLASS).setTimeZones(u"Asia/Tokyo"_s);
        HRL hrl;
        settle();
        hrl.placeAt(QPoint(300, 200));
        const QWidget *area = hrl.getClockArea();

        // Closed without a save: nothing is rebuilt.
        QTimer::singleShot(0, &hrl, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        hrl.actionPerformed(u"TimeZones"_s);
        QCOMPARE(hrl.getClockArea(), area);

        bool opened = false;
        QTimer::singleShot(0, &hrl, [&] {
            auto *dialog = qobject_cast<TimeZoneDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            opened = true;
            QCOMPARE(dialog->windowTitle(), Title);
            QVERIFY(!hrl.isEnabled());
            MessageBox::setNextAnswer(MessageBox::Ok);
            dialog->getAddButton()->click();
            dialog->getSaveButton()->click();
            dialog->getCloseButton()->click();
        });
        hrl.actionPerformed(u"TimeZones"_s);
        QVERIFY(opened);
        QVERIFY(hrl.isEnabled());
        QStringList zones;
        for (const auto &zone : hrl.getTimeZoneObjects())
            zones << zone->zoneId();
        QCOMPARE(zones, QStringList({u"Asia/Tokyo"_s, u"America/New_York"_s}));
        QCOMPARE(hrl.pos(), QPoint(300, 200));
        QVERIFY(hrl.isVisible());
    }
};

QTEST_MAIN(TestTimeZoneDialog)
#include "tst_timezonedialog.moc"
