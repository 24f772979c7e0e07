// The settings dialog under a Hebrew desktop: mirrored, its buttons on the left.
#include "DialogParts.h"
#include "MySettings.h"
#include "ResourceBundle.h"
#include "TestEnv.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace quillmark::hrl;
using namespace Qt::StringLiterals;

class TestMySettingsRightToLeft : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mirroredWithTheButtonsOnTheLeft()
    {
        QCOMPARE(QLocale::system().textDirection(), Qt::RightToLeft);
        // As the program sets it for every window.
        QApplication::setLayoutDirection(Qt::RightToLeft);
        TestEnv env;
        const auto bundle = quillmark::utils::ResourceBundle::getBundle(u"com.quillmark.hrl.lang/Lang"_s,
                                                                        QLocale::system());
        MySettings dialog(bundle, nullptr);
        QVERIFY(dialog.windowTitle() != u"Settings"_s);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.layoutDirection(), Qt::RightToLeft);
        const auto *layoutPanel = part<QGroupBox>(&dialog, "layoutPanel");
        const auto *flagsPanel = part<QGroupBox>(&dialog, "flagsPanel");
        QCOMPARE(layoutPanel->layoutDirection(), Qt::RightToLeft);
        // The first of a row stands on the right.
        QVERIFY(layoutPanel->geometry().left() > flagsPanel->geometry().right());
        const auto *dateList = part(&dialog, "dateFormat_CB");
        const auto *dateSample = part<QLineEdit>(&dialog, "displayDate");
        QVERIFY(dateList->geometry().left() > dateSample->geometry().right());
        QCOMPARE(dateSample->alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignAbsolute),
                 Qt::AlignRight | Qt::AlignAbsolute);

        // The button panel hugs the left inset; Save, the first button, is the right one.
        const QWidget *buttonPanel = part(&dialog, "buttonPanel");
        QCOMPARE(buttonPanel->geometry().left(), 12);
        const auto *save = part<QPushButton>(&dialog, "saveButton");
        const auto *cancel = part<QPushButton>(&dialog, "cancelButton");
        QVERIFY(save->geometry().left() > cancel->geometry().right());
        dialog.close();
    }
};

QTEST_MAIN(TestMySettingsRightToLeft)
#include "tst_mysettings_rtl.moc"
