#include "GUIConstants.h"
#include "GuiPreferences.h"
#include "TestEnv.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using namespace quillmark::utils;

// Run once per screen resolution; HRL_TEST_DPI names the one the platform was configured with.
class TestLargeFont final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenDecidesForSmallFonts();
};

void TestLargeFont::screenDecidesForSmallFonts()
{
    const int dpi = qEnvironmentVariableIntValue("HRL_TEST_DPI");
    QVERIFY(dpi > 0);
    QCOMPARE(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch()), dpi);

    TestEnv env;
    GuiPreferences prefs(QStringLiteral("com.quillmark.hrl.HRL"));
    QCOMPARE(prefs.isLargeFont(), dpi >= 105);
    prefs.setFontVariableWidthSize(15);
    QCOMPARE(prefs.isLargeFont(), dpi >= 105);
    prefs.setFontVariableWidthSize(16);
    QCOMPARE(prefs.isLargeFont(), true);
    // A stored text wins over font and screen; one that does not parse still counts as stored.
    prefs.setHandler(GUIConstants::KEY_LARGE_FONT, QStringLiteral("FALSE"));
    QCOMPARE(prefs.isLargeFont(), false);
    prefs.setHandler(GUIConstants::KEY_LARGE_FONT, QStringLiteral("maybe"));
    QCOMPARE(prefs.isLargeFont(), false);
    prefs.setFontVariableWidthSize(12);
    prefs.setHandler(GUIConstants::KEY_LARGE_FONT, QStringLiteral("True"));
    QCOMPARE(prefs.isLargeFont(), true);
}

QTEST_MAIN(TestLargeFont)
#include "tst_largefont.moc"
