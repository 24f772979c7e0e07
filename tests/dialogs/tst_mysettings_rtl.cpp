// The settings dialog under a Hebrew desktop: mirrored, its buttons on the left.
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
        const auto *layoutPanel = dialog.findChild<QGroupBox *>(u"layoutPanel"_s);
        const auto *flagsPanel = dialog.findChild<QGroupBox *>(u"flagsPanel"_s);
        QCOMPARE(layoutPanel->layoutDirection(), Qt::RightToLeft);
        // The first of a row stands on the right.
        QVERIFY(layoutPanel->geometry().left() > flagsPanel->geometry().right());
        const auto *dateList = dialog.findChild<QWidget *>(u"dateFormat_CB"_s);
        const auto *dateSample = dialog.findChild<QLineEdit *>(u"displayDate"_s);
        QVERIFY(dateList->geometry().left() > dateSample->geometry().right());
        QCOMPARE(dateSample->alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignAbsolute),
                 Qt::AlignRight | Qt::AlignAbsolute);

        // The button panel hugs the left inset; Save, the first button, is the right one.
        const QWidget *buttonPanel = dialog.findChild<QWidget *>(u"buttonPanel"_s);
        QCOMPARE(buttonPanel->geometry().left(), 12);
        const auto *save = dialog.findChild<QPushButton *>(u"saveButton"_s);
        const auto *cancel = dialog.findChild<QPushButton *>(u"cancelButton"_s);
        QVERIFY(save->geometry().left() > cancel->geometry().right());
        dialog.close();
    }
};

QTEST_MAIN(TestMySettingsRightToLeft)
#include "tst_mysettings_rtl.moc"
