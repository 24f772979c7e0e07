// The settings dialog offscreen (English, TZ=America/New_York) with a throwaway store and a
// fixed "now".
#include "Clock.h"
#include "ClockColorRoles.h"
#include "ColorRoles.h"
#include "DateFormatter.h"
#include "DialogParts.h"
#include "FreshStoreTest.h"
#include "MessageBox.h"
#include "MyCellRenderer.h"
#include "MyConstants.h"
#include "MyJButtonWithImage.h"
#include "MyJComboBox.h"
#include "MySettings.h"
#include "ResourceBundle.h"
#include "TestEnv.h"
#include "UiDefaults.h"
#include "UserPreferences.h"
#include "Utc.h"
#include "ZoneDatabase.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>

using quillmark::utils::MessageBox;
using namespace quillmark::hrl;
using namespace Qt::StringLiterals;
using quillmark::utils::ColorRoles;
using quillmark::utils::MyJComboBox;
using quillmark::utils::ResourceBundle;
using quillmark::utils::UiDefaults;

namespace {

// Wednesday 15 July 2026, 14:04:05 in New York.
const QDateTime Now = utc(2026, 7, 15, 18, 4, 5);

ResourceBundle bundle()
{
    return ResourceBundle::getBundle(u"com.quillmark.hrl.lang/Lang"_s, QLocale::system());
}

UserPreferences prefs()
{
    return UserPreferences(MyConstants::MAIN_CLASS);
}

MyJComboBox *list(const QWidget *dialog, const char *name)
{
    return part<MyJComboBox>(dialog, name);
}

QString sampleText(const QWidget *dialog, const char *name)
{
    return part<QLineEdit>(dialog, name)->text();
}

// The store's keys under the program's node, with their texts.
QMap<QString, QString> stored(const TestEnv &env)
{
    QSettings reader(env.storeFile(), QSettings::IniFormat);
    reader.beginGroup(u"com/quillmark/hrl/HRL"_s);
    QMap<QString, QString> values;
    for (const QString &key : reader.childKeys())
        values.insert(key, reader.value(key).toString());
    return values;
}

QColor color(const QWidget *widget, QPalette::ColorRole role)
{
    return widget->palette().color(role);
}

const char *const Controls[] = {
    "dateFormatLbl", "dateFormat_CB", "displayDate",    "timeFormatLbl",  "timeFormat_CB",   "displayTime",
    "vertical_RB",   "horizontal_RB", "round_RB",       "rectangle_RB",   "timeFontSizeLbl", "timeFontSize_CB",
    "taskBarLbl",    "taskBar_CB",    "alwaysOnTopLbl", "alwaysOnTop_CB", "darkModeLbl",     "darkMode_CB"};
const char *const Lists[] = {"dateFormat_CB", "timeFormat_CB",  "timeFontSize_CB",
                             "taskBar_CB",    "alwaysOnTop_CB", "darkMode_CB"};

// Every text and background of the dialog in one mode.
void verifyColours(const MySettings &dialog, const QColor &text, const QColor &background, const QColor &listBackground)
{
    QCOMPARE(color(&dialog, QPalette::Window), background);
    for (const char *name : Controls) {
        const QWidget *control = part<QWidget>(&dialog, name);
        QVERIFY2(color(control, QPalette::WindowText) == text, name);
    }
    for (const char *name : {"displayDate", "displayTime"}) {
        QCOMPARE(color(part<QWidget>(&dialog, name), QPalette::Text), text);
        QCOMPARE(color(part<QWidget>(&dialog, name), QPalette::Base), background);
    }
    for (const char *name : {"layoutPanel", "flagsPanel", "buttonPanel"})
        QCOMPARE(color(part<QWidget>(&dialog, name), QPalette::Window), background);
    for (const char *name : Lists) {
        QCOMPARE(color(list(&dialog, name), QPalette::Button), listBackground);
        QCOMPARE(color(list(&dialog, name), QPalette::ButtonText), text);
    }
    // The buttons look the same in both modes.
    const QPalette usual = QApplication::palette();
    for (const char *name : {"saveButton", "cancelButton"}) {
        const QWidget *button = part<QWidget>(&dialog, name);
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::ButtonText})
            QCOMPARE(color(button, role), usual.color(role));
    }
}

bool usesDarkRenderers(const MySettings &dialog)
{
    for (const char *name : Lists) {
        if (!dynamic_cast<MyCellRenderer *>(list(&dialog, name)->itemDelegate()))
            return false;
    }
    return true;
}

} // namespace

class TestMySettings : public FreshStoreTest
{
    Q_OBJECT

    void setUp() override
    {
        Clock::setSource([] { return Now; });
    }
    void tearDown() override { Clock::reset(); }

private Q_SLOTS:

    void freshStoreShowsTheInitialChoicesAndSamplesOfNow()
    {
        MySettings dialog(bundle(), nullptr);
        QCOMPARE(dialog.windowTitle(), u"Settings"_s);
        QVERIFY(dialog.isModal());
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.isDataChanged());
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());

        QCOMPARE(part<QLabel>(&dialog, "dateFormatLbl")->text(), u"Date Format: "_s);
        QCOMPARE(part<QLabel>(&dialog, "timeFontSizeLbl")->text(), u"Font size for Time:"_s);
        QCOMPARE(part<QGroupBox>(&dialog, "layoutPanel")->title(), u" Layout "_s);
        QCOMPARE(list(&dialog, "dateFormat_CB")->count(), 25);
        QCOMPARE(list(&dialog, "timeFormat_CB")->count(), 14);
        QCOMPARE(list(&dialog, "timeFontSize_CB")->count(), 9);

        QCOMPARE(list(&dialog, "dateFormat_CB")->currentText(), u"yyyy-MM-dd"_s);
        QCOMPARE(list(&dialog, "timeFormat_CB")->currentIndex(), 1);
        QCOMPARE(list(&dialog, "timeFormat_CB")->currentText(), u"h:mm a"_s);
        QVERIFY(part<QRadioButton>(&dialog, "vertical_RB")->isChecked());
        QVERIFY(!part<QRadioButton>(&dialog, "horizontal_RB")->isChecked());
        QVERIFY(part<QRadioButton>(&dialog, "round_RB")->isChecked());
        QVERIFY(!part<QRadioButton>(&dialog, "rectangle_RB")->isChecked());
        QCOMPARE(list(&dialog, "timeFontSize_CB")->currentText(), u"18"_s);
        QCOMPARE(list(&dialog, "taskBar_CB")->currentText(), u"No"_s);
        QCOMPARE(list(&dialog, "alwaysOnTop_CB")->currentText(), u"Yes"_s);
        QCOMPARE(list(&dialog, "darkMode_CB")->currentText(), u"No"_s);

        QCOMPARE(sampleText(&dialog, "displayDate"), u"2026-07-15"_s);
        QCOMPARE(sampleText(&dialog, "displayTime"), u"2:04 PM"_s);
        QVERIFY(part<QLineEdit>(&dialog, "displayDate")->isReadOnly());

        // Left to right, the buttons stand at the right inset, Save first.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(part<QWidget>(&dialog, "buttonPanel")->geometry().right(), dialog.width() - 1 - 12);
        QVERIFY(part<QWidget>(&dialog, "saveButton")->x() < part<QWidget>(&dialog, "cancelButton")->x());
        dialog.close();

        // Light, as the stored flag says; and opening wrote nothing.
        verifyColours(dialog, Qt::black, UiDefaults::getColor(u"Panel.background"_s),
                      UiDefaults::getColor(u"Panel.background"_s));
        QVERIFY(stored(store()).isEmpty());
    }

    void choosingAPatternChangesItsSampleAndStoresNothing()
    {
        MySettings dialog(bundle(), nullptr);
        choose(list(&dialog, "dateFormat_CB"), u"EEEE MMMM d, yyyy"_s);
        QCOMPARE(sampleText(&dialog, "displayDate"), u"Wednesday July 15, 2026"_s);
        choose(list(&dialog, "timeFormat_CB"), u"HH:mm:ss"_s);
        QCOMPARE(sampleText(&dialog, "displayTime"), u"14:04:05"_s);
        // The sample is taken when the choice is made.
        Clock::setSource([] { return Now.addSecs(3600); });
        choose(list(&dialog, "timeFormat_CB"), u"h:m:s a"_s);
        QCOMPARE(sampleText(&dialog, "displayTime"), u"3:4:5 PM"_s);
        choose(list(&dialog, "timeFontSize_CB"), u"24"_s);
        QCOMPARE(sampleText(&dialog, "displayDate"), u"Wednesday July 15, 2026"_s);
        QVERIFY(stored(store()).isEmpty());

        // Every sample field holds the widest sample of its list in full.
        for (const char *name : {"displayDate", "displayTime"}) {
            const QLineEdit *field = part<QLineEdit>(&dialog, name);
            const QStringList patterns = QByteArray(name) == "displayDate" ? MySettings::DATE_PATTERNS
                                                                           : MySettings::TIME_PATTERNS;
            for (const QString &pattern : patterns) {
                const QString text = DateFormatter::format(pattern, Clock::now(), ZoneDatabase::localZone());
                QVERIFY2(field->fontMetrics().horizontalAdvance(text) < field->width() - 4, qPrintable(text));
            }
        }
    }

    void saveWithoutAChangeWritesAllEightKeys()
    {
        MySettings dialog(bundle(), nullptr);
        QTimer::singleShot(0, this, [] {
            auto *open = qobject_cast<MySettings *>(QApplication::activeModalWidget());
            QVERIFY(open);
            QTest::mouseClick(part<QWidget>(open, "saveButton"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.isDataChanged());
        const QMap<QString, QString> expected = {{u"DatePattern"_s, u"yyyy-MM-dd"_s}, {u"TimePattern"_s, u"h:mm a"_s},
                                                 {u"VerticalLayout"_s, u"true"_s},    {u"RoundFlags"_s, u"true"_s},
                                                 {u"TimeFontWidth"_s, u"18"_s},       {u"OnTaskBar"_s, u"false"_s},
                                                 {u"AlwaysOnTop"_s, u"true"_s},       {u"DarkMode"_s, u"false"_s}};
        QCOMPARE(stored(store()), expected);
    }

    void saveStoresEveryChoice()
    {
        MySettings dialog(bundle(), nullptr);
        choose(list(&dialog, "dateFormat_CB"), u"d. MMM. yyyy"_s);
        choose(list(&dialog, "timeFormat_CB"), u"H:m"_s);
        part<QRadioButton>(&dialog, "horizontal_RB")->click();
        part<QRadioButton>(&dialog, "rectangle_RB")->click();
        choose(list(&dialog, "timeFontSize_CB"), u"24"_s);
        choose(list(&dialog, "taskBar_CB"), u"Yes"_s);
        choose(list(&dialog, "alwaysOnTop_CB"), u"No"_s);
        choose(list(&dialog, "darkMode_CB"), u"Yes"_s);
        part<QPushButton>(&dialog, "saveButton")->click();
        const QMap<QString, QString> expected = {{u"DatePattern"_s, u"d. MMM. yyyy"_s}, {u"TimePattern"_s, u"H:m"_s},
                                                 {u"VerticalLayout"_s, u"false"_s},     {u"RoundFlags"_s, u"false"_s},
                                                 {u"TimeFontWidth"_s, u"24"_s},         {u"OnTaskBar"_s, u"true"_s},
                                                 {u"AlwaysOnTop"_s, u"false"_s},        {u"DarkMode"_s, u"true"_s}};
        QCOMPARE(stored(store()), expected);

        // The next dialog opens with what was stored, dark from the start.
        MySettings next(bundle(), nullptr);
        QCOMPARE(list(&next, "dateFormat_CB")->currentText(), u"d. MMM. yyyy"_s);
        QCOMPARE(sampleText(&next, "displayDate"), u"15. Jul. 2026"_s);
        QCOMPARE(list(&next, "timeFormat_CB")->currentText(), u"H:m"_s);
        QCOMPARE(sampleText(&next, "displayTime"), u"14:4"_s);
        QVERIFY(part<QRadioButton>(&next, "horizontal_RB")->isChecked());
        QVERIFY(!part<QRadioButton>(&next, "vertical_RB")->isChecked());
        QVERIFY(part<QRadioButton>(&next, "rectangle_RB")->isChecked());
        QCOMPARE(list(&next, "timeFontSize_CB")->currentText(), u"24"_s);
        QCOMPARE(list(&next, "taskBar_CB")->currentIndex(), 0);
        QCOMPARE(list(&next, "alwaysOnTop_CB")->currentIndex(), 1);
        QCOMPARE(list(&next, "darkMode_CB")->currentIndex(), 0);
        verifyColours(next, ColorRoles::darkModeMenuText(), ColorRoles::darkModeBackground(),
                      ClockColorRoles::clockBorder());
        QVERIFY(usesDarkRenderers(next));
    }

    // Each list shows what the clocks use: a value set by hand stays through Save, an unusable
    // one shows the default the clocks fall back on.
    void storedValuesOutsideTheListsShowWhatTheClocksUse_data()
    {
        QTest::addColumn<QString>("datePattern");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<QString>("shownDate");
        QTest::addColumn<QString>("shownFont");
        QTest::addColumn<QString>("sample");
        QTest::newRow("set by hand") << u"dd.MM.yyyy G"_s << 13 << u"dd.MM.yyyy G"_s << u"13"_s << u"15.07.2026 AD"_s;
        QTest::newRow("unusable") << u"yyyy-MM-dd'"_s << 999 << u"yyyy-MM-dd"_s << u"18"_s << u"2026-07-15"_s;
    }

    void storedValuesOutsideTheListsShowWhatTheClocksUse()
    {
        QFETCH(QString, datePattern);
        QFETCH(int, fontSize);
        QFETCH(QString, shownDate);
        QFETCH(QString, shownFont);
        QFETCH(QString, sample);
        auto uP = prefs();
        uP.setDatePattern(datePattern);
        uP.setTimeFontSize(fontSize);
        MySettings dialog(bundle(), nullptr);
        QCOMPARE(list(&dialog, "dateFormat_CB")->currentText(), shownDate);
        QCOMPARE(list(&dialog, "timeFontSize_CB")->currentText(), shownFont);
        QCOMPARE(sampleText(&dialog, "displayDate"), sample);
        QCOMPARE(list(&dialog, "dateFormat_CB")->count(),
                 MySettings::DATE_PATTERNS.size() + (shownDate == datePattern));
        part<QPushButton>(&dialog, "saveButton")->click();
        QCOMPARE(uP.getDatePattern(QString()), shownDate);
        QCOMPARE(uP.getTimeFontSize(), shownFont.toInt());
    }

    void darkModeOnThenOffRestoresLightColoursButKeepsTheDarkRenderers()
    {
        MySettings dialog(bundle(), nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QColor panel = UiDefaults::getColor(u"Panel.background"_s);
        QVERIFY(!usesDarkRenderers(dialog));

        choose(list(&dialog, "darkMode_CB"), u"Yes"_s);
        verifyColours(dialog, ColorRoles::darkModeMenuText(), ColorRoles::darkModeBackground(),
                      ClockColorRoles::clockBorder());
        QVERIFY(usesDarkRenderers(dialog));
        // What is painted, not only what is set: the dialog and a caption.
        const QImage dark = dialog.grab().toImage();
        QCOMPARE(dark.pixelColor(3, 3), ColorRoles::darkModeBackground());
        QLabel *caption = part<QLabel>(&dialog, "darkModeLbl");
        const QImage captionImage = caption->grab().toImage();
        bool light = false;
        for (int y = 0; y < captionImage.height() && !light; ++y)
            for (int x = 0; x < captionImage.width() && !light; ++x)
                light = captionImage.pixelColor(x, y).lightness() > 200;
        QVERIFY(light);

        choose(list(&dialog, "darkMode_CB"), u"No"_s);
        verifyColours(dialog, Qt::black, panel, panel);
        QVERIFY(usesDarkRenderers(dialog));
        QCOMPARE(dialog.grab().toImage().pixelColor(3, 3), panel);
        QCOMPARE(part<QGroupBox>(&dialog, "flagsPanel")->title(), u" Country Flag "_s);

        // A preview only.
        QVERIFY(stored(store()).isEmpty());
        dialog.close();
    }

    // The stored No is selected like a user's choice, so the light colours are set even though
    // No was already selected: they come from the look's defaults, whatever they are now.
    void lightColoursComeFromTheLookDefaults()
    {
        const QColor tinted(0xdd, 0xee, 0xff);
        UiDefaults::put(u"Panel.background"_s, tinted);
        MySettings dialog(bundle(), nullptr);
        UiDefaults::reset();
        verifyColours(dialog, Qt::black, tinted, tinted);
    }

    void theOpenerCanColourItEitherWay()
    {
        MySettings dialog(bundle(), nullptr);
        dialog.setDarkMode(true);
        verifyColours(dialog, ColorRoles::darkModeMenuText(), ColorRoles::darkModeBackground(),
                      ClockColorRoles::clockBorder());
        dialog.setDarkMode(false);
        const QColor panel = UiDefaults::getColor(u"Panel.background"_s);
        verifyColours(dialog, Qt::black, panel, panel);
        // The list still says No: the dialog's colours are not its choice.
        QCOMPARE(list(&dialog, "darkMode_CB")->currentIndex(), 1);
    }

    void cancelCloseBoxAndEscapeWriteNothing()
    {
        for (int way = 0; way < 3; ++way) {
            MySettings dialog(bundle(), nullptr);
            choose(list(&dialog, "darkMode_CB"), u"Yes"_s);
            choose(list(&dialog, "dateFormat_CB"), u"M/d"_s);
            part<QRadioButton>(&dialog, "horizontal_RB")->click();
            QTimer::singleShot(0, this, [way] {
                QWidget *open = QApplication::activeModalWidget();
                QVERIFY(open);
                if (way == 0)
                    QTest::mouseClick(part<QWidget>(open, "cancelButton"), Qt::LeftButton);
                else if (way == 1)
                    open->close();
                else
                    QTest::keyClick(open, Qt::Key_Escape);
            });
            QCOMPARE(dialog.exec(), int(QDialog::Rejected));
            QVERIFY(!dialog.isVisible());
            QVERIFY(!dialog.isDataChanged());
            QVERIFY2(stored(store()).isEmpty(), qPrintable(QString::number(way)));
        }
    }

    // Only Save stores: Enter presses nothing, wherever the focus is. The owner takes no input
    // while the dialog is open, however it ends.
    void enterWritesNothingAndTheOwnerWaits()
    {
        QWidget owner;
        owner.show();
        for (const char *name :
             {"", "dateFormat_CB", "timeFormat_CB", "timeFontSize_CB", "taskBar_CB", "alwaysOnTop_CB", "darkMode_CB"}) {
            MySettings dialog(bundle(), &owner);
            QVERIFY(!owner.isEnabled());
            bool openAfterEnter = false;
            QTimer::singleShot(0, this, [name, &openAfterEnter] {
                QWidget *open = QApplication::activeModalWidget();
                QWidget *target = *name ? part<QWidget>(open, name) : open;
                target->setFocus();
                QTest::keyClick(target, Qt::Key_Return);
                QTest::keyClick(target, Qt::Key_Enter);
                openAfterEnter = open->isVisible();
                QTest::keyClick(open, Qt::Key_Escape);
            });
            QCOMPARE(dialog.exec(), int(QDialog::Rejected));
            QVERIFY2(openAfterEnter, name);
            QVERIFY(!dialog.isDataChanged());
            QVERIFY2(stored(store()).isEmpty(), name);
            QVERIFY(owner.isEnabled());
        }
    }

    // A save the store does not take says so; the dialog stays open with the user's choices.
    void aFailedSaveKeepsTheDialogOpen()
    {
        auto uP = prefs();
        uP.setDarkMode(false);
        const QString file = uP.fileName();
        MySettings dialog(bundle(), nullptr);
        choose(list(&dialog, "darkMode_CB"), u"Yes"_s);
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkdir(file));
        MessageBox::setNextAnswer(MessageBox::Ok);
        dialog.show();
        part<QPushButton>(&dialog, "saveButton")->click();
        const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().kind, MessageBox::Error);
        QVERIFY(boxes.first().text.contains(file));
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.isDataChanged());
        QCOMPARE(list(&dialog, "darkMode_CB")->currentText(), u"Yes"_s);
        QVERIFY(!uP.isDarkMode());

        QVERIFY(QDir().rmdir(file));
        part<QPushButton>(&dialog, "saveButton")->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.isDataChanged());
        QVERIFY(uP.isDarkMode());
    }

    void darkRendererPaintsItsColours()
    {
        QCOMPARE(MyCellRenderer::backgroundFor(false, false), ClockColorRoles::clockBorder());
        QCOMPARE(MyCellRenderer::backgroundFor(false, true), ColorRoles::darkModeMenu());
        QCOMPARE(MyCellRenderer::backgroundFor(true, true), ColorRoles::listDrop());
        QVERIFY(ColorRoles::listDrop() != ClockColorRoles::clockBorder());
        QVERIFY(ColorRoles::listDrop() != ColorRoles::darkModeMenu());

        MyJComboBox box(QStringList{u"Wednesday"_s}, {});
        MyCellRenderer renderer;
        const QModelIndex index = box.model()->index(0, 0);
        for (const bool selected : {false, true}) {
            QImage image(120, 20, QImage::Format_RGB32);
            image.fill(Qt::red);
            QStyleOptionViewItem option;
            option.initFrom(&box);
            option.rect = image.rect();
            option.state = QStyle::State_Enabled | QStyle::State_HasFocus;
            if (selected)
                option.state |= QStyle::State_Selected;
            {
                QPainter painter(&image);
                renderer.paint(&painter, option, index);
            }
            const QColor background = selected ? ColorRoles::darkModeMenu() : ClockColorRoles::clockBorder();
            const QColor text = ColorRoles::darkModeDialogText();
            QCOMPARE(image.pixelColor(image.width() - 1, 0), background);
            // Whatever the font and its smoothing, each channel of a text pixel is a blend of the
            // background and the pen: a pixel outside that range is another colour's (the light
            // scheme's text, the red underneath).
            const auto between = [](int value, int a, int b) {
                return value >= qMin(a, b) - 1 && value <= qMax(a, b) + 1;
            };
            int textPixels = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    QVERIFY2(between(c.red(), background.red(), text.red())
                                 && between(c.green(), background.green(), text.green())
                                 && between(c.blue(), background.blue(), text.blue()),
                             qPrintable(u"pixel (%1, %2) is %3"_s.arg(x).arg(y).arg(c.name())));
                    textPixels += c != background;
                }
            }
            QVERIFY(textPixels > 0);
        }
    }

    void centredOnTheOwnerAndWholeOnItsScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget owner;
        owner.resize(100, 200);
        owner.move(screen.center() - QPoint(50, 100));
        owner.show();
        MySettings dialog(bundle(), &owner);
        QVERIFY(dialog.width() <= screen.width() && dialog.height() <= screen.height());
        const QPoint centre = dialog.pos() + QPoint(dialog.width() / 2, dialog.height() / 2);
        QVERIFY(screen.contains(QRect(dialog.pos(), dialog.size())));
        QVERIFY2((centre - owner.geometry().center()).manhattanLength() <= 2, "not centred on the owner");

        owner.move(screen.topLeft());
        MySettings corner(bundle(), &owner);
        QCOMPARE(corner.pos(), screen.topLeft());
    }

    // Each offered pattern formats, in the locale of every language the program speaks.
    void everyPatternFormatsInEveryShippedLanguage()
    {
        const QStringList files = QDir(u":/com/quillmark/hrl/lang"_s).entryList({u"Lang_*.properties"_s});
        QCOMPARE(files.size(), 56);
        const QHash<QString, QString> icuNames = {{u"iw"_s, u"he"_s},
                                                  {u"in"_s, u"id"_s},
                                                  {u"no"_s, u"nb"_s},
                                                  {u"zh_cn"_s, u"zh_CN"_s},
                                                  {u"zh_tw"_s, u"zh_TW"_s}};
        QStringList locales;
        for (const QString &file : files) {
            const QString suffix = file.mid(5).chopped(11);
            locales << icuNames.value(suffix, suffix);
        }
        for (const QString &needed : {u"ar"_s, u"fa"_s, u"th"_s, u"zh_TW"_s, u"he"_s})
            QVERIFY(locales.contains(needed));

        const QTimeZone zone = ZoneDatabase::localZone();
        const QDateTime instants[] = {Now, utc(2026, 1, 4, 5, 7, 9)};
        for (const QString &locale : std::as_const(locales)) {
            DateFormatter::setLocale(locale);
            for (const QString &pattern : MySettings::DATE_PATTERNS + MySettings::TIME_PATTERNS) {
                for (const QDateTime &instant : instants) {
                    bool ok = false;
                    const QString text = DateFormatter::format(pattern, instant, zone, &ok);
                    QVERIFY2(ok && !text.trimmed().isEmpty(), qPrintable(locale + u' ' + pattern));
                }
            }
        }
        DateFormatter::setLocale(QString());
    }
};

QTEST_MAIN(TestMySettings)
#include "tst_mysettings.moc"
