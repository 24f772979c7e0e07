#include "WindowPlacement.h"

#include <QTest>

#include <limits>

using quillmark::hrl::WindowPlacement;

Q_DECLARE_METATYPE(QList<QRect>)

// Whether a stored position can be shown, as a function of the screens' available areas.
class TestWindowPlacement : public QObject
{
    Q_OBJECT

    // A 1280 x 800 screen with a 24-pixel panel at the top, and a second one to its right.
    static QRect left() { return {0, 24, 1280, 776}; }
    static QRect right() { return {1280, 0, 1920, 1080}; }

private Q_SLOTS:
    void reachable_data()
    {
        QTest::addColumn<QList<QRect>>("areas");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("expected");
        const QSize window(200, 300);
        const QList<QRect> one{left()};
        const QList<QRect> two{left(), right()};
        QTest::newRow("default") << one << QPoint(50, 50) << window << true;
        QTest::newRow("far right and below") << one << QPoint(5000, 5000) << window << false;
        QTest::newRow("far left") << one << QPoint(-3000, 40) << window << false;
        QTest::newRow("far up and left") << one << QPoint(-100000, -100000) << window << false;
        QTest::newRow("32 pixels at the right edge") << one << QPoint(1248, 100) << window << true;
        QTest::newRow("31 pixels at the right edge") << one << QPoint(1249, 100) << window << false;
        QTest::newRow("32 pixels at the left edge") << one << QPoint(-168, 100) << window << true;
        QTest::newRow("31 pixels at the left edge") << one << QPoint(-169, 100) << window << false;
        QTest::newRow("32 pixels at the bottom") << one << QPoint(100, 768) << window << true;
        QTest::newRow("31 pixels at the bottom") << one << QPoint(100, 769) << window << false;
        // The panel is no place to grab the window by.
        QTest::newRow("32 pixels below the panel") << one << QPoint(100, -244) << window << true;
        QTest::newRow("only the panel's strip") << one << QPoint(100, -260) << window << false;
        QTest::newRow("corner, 32 x 31") << one << QPoint(1248, 769) << window << false;
        QTest::newRow("on the second screen") << two << QPoint(2500, 500) << window << true;
        QTest::newRow("second screen removed") << one << QPoint(2500, 500) << window << false;
        // 20 pixels on each of two screens are not 32 on one.
        QTest::newRow("split over two screens") << QList<QRect>{QRect(0, 0, 1280, 800), QRect(1280, 0, 1280, 800)}
                                                << QPoint(1260, 100) << QSize(40, 300) << false;
        QTest::newRow("small window, all of it shown") << one << QPoint(1270, 790) << QSize(10, 10) << true;
        QTest::newRow("no screen at all") << QList<QRect>{} << QPoint(50, 50) << window << false;
        constexpr int most = std::numeric_limits<int>::max();
        constexpr int least = std::numeric_limits<int>::min();
        QTest::newRow("int max") << one << QPoint(most, most) << QSize(most, most) << false;
        QTest::newRow("int min") << one << QPoint(least, least) << QSize(most, most) << false;
        QTest::newRow("int min, reaching the screen") << one << QPoint(least, 50) << QSize(most, 300) << false;
    }
    void reachable()
    {
        QFETCH(QList<QRect>, areas);
        QFETCH(QPoint, position);
        QFETCH(QSize, size);
        QFETCH(bool, expected);
        QCOMPARE(WindowPlacement::isReachable(position, size, areas), expected);
    }

    void liesWithin()
    {
        const QSize window(200, 300);
        QVERIFY(WindowPlacement::liesWithin(QPoint(0, 24), window, {left()}));
        QVERIFY(WindowPlacement::liesWithin(QPoint(1080, 500), window, {left()}));
        QVERIFY(!WindowPlacement::liesWithin(QPoint(1081, 500), window, {left()}));
        QVERIFY(!WindowPlacement::liesWithin(QPoint(50, 23), window, {left()}));
        // Taller than the screen: never all on it.
        QVERIFY(!WindowPlacement::liesWithin(QPoint(50, 50), QSize(127, 32767), {left(), right()}));
        QVERIFY(WindowPlacement::liesWithin(QPoint(1300, 50), window, {left(), right()}));
        // Across two screens is on neither.
        QVERIFY(!WindowPlacement::liesWithin(QPoint(1200, 50), window, {left(), right()}));
        QVERIFY(!WindowPlacement::liesWithin(QPoint(std::numeric_limits<int>::max(), 0), window, {left()}));
    }

    void fallbackIsFiftyFiftyOfThePrimaryScreen()
    {
        QCOMPARE(WindowPlacement::fallback(QRect(0, 0, 1280, 800)), QPoint(50, 50));
        QCOMPARE(WindowPlacement::fallback(right()), QPoint(1330, 50));
        QCOMPARE(WindowPlacement::fallback(QRect(-1920, -200, 1920, 1080)), QPoint(-1870, -150));
    }
};

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
