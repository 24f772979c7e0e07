// Under a Hebrew desktop the window reads right to left and speaks Hebrew.
#include "HRL.h"
#include "LineBorderPanel.h"
#include "TestEnv.h"
#include "TimeZoneObject.h"
#include "UserPreferences.h"

#include <QLabel>
#include <QLocale>
#include <QTest>

using namespace quillmark::hrl;

class TestRightToLeft : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hebrewDesktop()
    {
        QCOMPARE(QLocale::system().textDirection(), Qt::RightToLeft);
        TestEnv env;
        UserPreferences uP(HRL::MAIN_CLASS);
        uP.setTimeZones(QStringLiteral("Asia/Jerusalem;Europe/London"));
        uP.setVerticalLayout(false);
        HRL hrl;
        QCOMPARE(hrl.layoutDirection(), Qt::RightToLeft);
        QVERIFY(hrl.getLabels().chain().first().endsWith(u"Lang_iw.properties"));
        QCOMPARE(hrl.getLabels().getString(QStringLiteral("menu.exit")).isEmpty(), false);
        QVERIFY(hrl.getLabels().getString(QStringLiteral("menu.exit")) != u"Exit");

        // The first zone of the list stands on the right.
        const auto panels = hrl.getClockArea()->findChildren<quillmark::utils::LineBorderPanel *>();
        QCOMPARE(panels.size(), 2);
        QWidget *first = hrl.getTimeZoneObjects().front()->getTimeLbl()->parentWidget();
        QWidget *second = hrl.getTimeZoneObjects().back()->getTimeLbl()->parentWidget();
        QVERIFY(first->geometry().left() > second->geometry().right());
    }
};

QTEST_MAIN(TestRightToLeft)
#include "tst_rtl.moc"
