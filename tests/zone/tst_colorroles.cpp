// Every text the program draws can be read on what it is drawn on: each pair of the colour
// roles, in both schemes, has a contrast of at least 4.5 : 1 (WCAG 2 AA).
#include "AboutBoxDialog.h"
#include "ClockColorRoles.h"
#include "ColorRoles.h"
#include "Contrast.h"
#include "PaletteUtils.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTest>

using quillmark::hrl::ClockColorRoles;
using quillmark::utils::AboutBoxDialog;
using quillmark::utils::ColorRoles;

class TestColorRoles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textCanBeRead_data()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        quillmark::utils::PaletteUtils::setApplicationColors();
        const QPalette light = QApplication::palette();
        const auto colour = [&light](QPalette::ColorGroup group, QPalette::ColorRole role) {
            return light.color(group, role);
        };

        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const QByteArray name = group == QPalette::Active ? "active " : "inactive ";
            QTest::newRow(QByteArray(name + "light window").constData())
                << colour(group, QPalette::WindowText) << colour(group, QPalette::Window);
            QTest::newRow(QByteArray(name + "light list").constData())
                << colour(group, QPalette::Text) << colour(group, QPalette::Base);
            QTest::newRow(QByteArray(name + "light button").constData())
                << colour(group, QPalette::ButtonText) << colour(group, QPalette::Button);
            QTest::newRow(QByteArray(name + "light selection").constData())
                << colour(group, QPalette::HighlightedText) << colour(group, QPalette::Highlight);
        }
        QTest::newRow("light disabled button")
            << colour(QPalette::Disabled, QPalette::ButtonText) << colour(QPalette::Disabled, QPalette::Button);
        QTest::newRow("light disabled label")
            << colour(QPalette::Disabled, QPalette::WindowText) << colour(QPalette::Disabled, QPalette::Window);
        QTest::newRow("light zone name") << ClockColorRoles::lightModeZoneName()
                                         << colour(QPalette::Active, QPalette::Window);

        QTest::newRow("dark clock") << ColorRoles::darkModeMenuText() << ColorRoles::darkModeBackground();
        QTest::newRow("dark next day") << ClockColorRoles::darkModeNextDay() << ColorRoles::darkModeBackground();
        QTest::newRow("dark menu") << ColorRoles::darkModeMenuText() << ColorRoles::darkModeMenu();
        QTest::newRow("dark menu selected") << ColorRoles::selectionText() << ColorRoles::selection();
        QTest::newRow("dark menu disabled") << ColorRoles::darkModeDisabledText() << ColorRoles::darkModeMenu();
        QTest::newRow("dark box and About text") << ColorRoles::darkModeDialogText() << ColorRoles::darkModeMenu();
        QTest::newRow("dark About link") << AboutBoxDialog::DARK_LINK_COLOR << ColorRoles::darkModeMenu();
        QTest::newRow("dark zone list") << ColorRoles::darkModeMenuText() << ColorRoles::darkModeBackground();
        QTest::newRow("dark zone list selected") << ClockColorRoles::clockBorder() << ColorRoles::darkModeDialogText();
        QTest::newRow("dark add box row") << ColorRoles::darkModeDialogText() << ClockColorRoles::clockBorder();
        QTest::newRow("dark add box selected") << ColorRoles::darkModeDialogText() << ColorRoles::darkModeMenu();
        QTest::newRow("dark add box drop") << ColorRoles::darkModeDialogText() << ColorRoles::listDrop();
        QTest::newRow("dark settings lists") << ColorRoles::darkModeMenuText() << ClockColorRoles::clockBorder();
    }

    void textCanBeRead()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        const double ratio = contrast(text, background);
        QVERIFY2(ratio >= 4.5,
                 qPrintable(QStringLiteral("%1 on %2: %3").arg(text.name(), background.name()).arg(ratio)));
    }
};

QTEST_MAIN(TestColorRoles)
#include "tst_colorroles.moc"
