#include "MigConstraints.h"

#include <QTest>

using namespace quillmark::utils;
using C = MigConstraints;

namespace {

QString name(C::Align a)
{
    static const char16_t *const names[] = {u"-",     u"leading", u"trailing", u"left",
                                            u"right", u"center",  u"top",      u"bottom"};
    return QString::fromUtf16(names[int(a)]);
}

QString value(int n)
{
    return n == C::ToEnd ? QStringLiteral("end") : QString::number(n);
}

// Only what differs from the defaults, in a fixed order, so an expectation reads like a constraint string.
QString describe(const C::Component &c)
{
    const C::Component d;
    QStringList out;
    auto add = [&](bool differs, const QString &key, const QString &v) {
        if (differs)
            out << (v.isEmpty() ? key : key + u' ' + v);
    };
    add(c.wrap, QStringLiteral("wrap"), c.wrapGap == C::DefaultGap ? QString() : value(c.wrapGap));
    add(c.spanX != d.spanX, QStringLiteral("spanx"), value(c.spanX));
    add(c.spanY != d.spanY, QStringLiteral("spany"), value(c.spanY));
    add(c.split != d.split, QStringLiteral("split"), value(c.split));
    add(c.skip != d.skip, QStringLiteral("skip"), value(c.skip));
    add(c.gapTop != 0, QStringLiteral("gaptop"), value(c.gapTop));
    add(c.gapLeft != 0, QStringLiteral("gapleft"), value(c.gapLeft));
    add(c.gapBottom != 0, QStringLiteral("gapbottom"), value(c.gapBottom));
    add(c.gapRight != 0, QStringLiteral("gapright"), value(c.gapRight));
    add(c.alignX != d.alignX, QStringLiteral("alignx"), name(c.alignX));
    add(c.alignY != d.alignY, QStringLiteral("aligny"), name(c.alignY));
    add(c.growX != 0, QStringLiteral("growx"), value(c.growX));
    add(c.growY != 0, QStringLiteral("growy"), value(c.growY));
    add(c.minWidth != d.minWidth, QStringLiteral("wmin"), value(c.minWidth));
    add(c.minHeight != d.minHeight, QStringLiteral("hmin"), value(c.minHeight));
    return out.join(QStringLiteral(", "));
}

} // namespace

class TestMigConstraints final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void component_data();
    void component();
    void layout();
    void axis();
    void rejects_data();
    void rejects();
};

void TestMigConstraints::component_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parsed");
    auto row = [](const char16_t *text, const char16_t *parsed) {
        QTest::newRow(QString::fromUtf16(text).toUtf8().constData())
            << QString::fromUtf16(text) << QString::fromUtf16(parsed);
    };
    // Every string the program's panels and dialogs pass.
    row(u"", u"");
    row(u"wrap", u"wrap");
    row(u"align center, wrap 2", u"wrap 2, alignx center");
    row(u"align center, wrap 5", u"wrap 5, alignx center");
    row(u"gapbottom 1, span, split 2, aligny center", u"spanx end, split 2, gapbottom 1, aligny center");
    row(u"gapleft rel, growx", u"gapleft 4, growx 100");
    row(u"gapleft rel, growx, wrap 2", u"wrap 2, gapleft 4, growx 100");
    row(u"gaptop 40, gapright 10, alignx center, wrap", u"wrap, gaptop 40, gapright 10, alignx center");
    row(u"gaptop 20, gapright 10, alignx center, wrap", u"wrap, gaptop 20, gapright 10, alignx center");
    row(u"gapright 10, alignx center, wrap", u"wrap, gapright 10, alignx center");
    row(u"skip 2, span 4 5, growy 100, wmin 240, hmin 400", u"spanx 4, spany 5, skip 2, growy 100, wmin 240, hmin 400");
    row(u"span 10, wrap para", u"wrap 14, spanx 10");
    row(u"span 2", u"spanx 2");
    row(u"span 2, wrap", u"wrap, spanx 2");
    row(u"span 2, wrap para", u"wrap 14, spanx 2");
    row(u"span 4, wrap", u"wrap, spanx 4");
    row(u"span 4, wrap para", u"wrap 14, spanx 4");
    row(u"span 4, align right", u"spanx 4, alignx right");
    row(u"span 4, align left", u"spanx 4, alignx left");
    row(u"spany 3", u"spany 3");
    row(u"skip, wrap", u"wrap, skip 1");
    row(u"skip, wrap para", u"wrap 14, skip 1");
    row(u"span 2, align center, wrap", u"wrap, spanx 2, alignx center");
    // The other keywords and spellings.
    row(u"align trailing bottom", u"alignx trailing, aligny bottom");
    row(u"align top", u"aligny top");
    row(u"spanx, grow 5, gapright unrel, growy 0", u"spanx end, gapright 7, growx 5");
    row(u"  Wrap   2 ,ALIGN Leading,  wmin 30px ,", u"wrap 2, alignx leading, wmin 30");
}

void TestMigConstraints::component()
{
    QFETCH(QString, text);
    QFETCH(QString, parsed);
    QStringList unknown;
    QCOMPARE(describe(C::parseComponent(text, &unknown)), parsed);
    QCOMPARE(unknown, QStringList());
}

void TestMigConstraints::layout()
{
    auto insets = [](const char16_t *text) {
        const C::Layout l = C::parseLayout(QString::fromUtf16(text));
        return QList<int>{l.insetTop, l.insetLeft, l.insetBottom, l.insetRight};
    };
    QCOMPARE(insets(u""), (QList<int>{7, 7, 7, 7}));
    QCOMPARE(insets(u"insets 4"), (QList<int>{4, 4, 4, 4}));
    QCOMPARE(insets(u"insets 12"), (QList<int>{12, 12, 12, 12}));
    QCOMPARE(insets(u"insets 2"), (QList<int>{2, 2, 2, 2}));
    QCOMPARE(insets(u"insets 1"), (QList<int>{1, 1, 1, 1}));
    // Top, left, bottom, right; values left out repeat the last one.
    QCOMPARE(insets(u"insets 4 6 4 4"), (QList<int>{4, 6, 4, 4}));
    QCOMPARE(insets(u"insets 4 4 4 6"), (QList<int>{4, 4, 4, 6}));
    QCOMPARE(insets(u"insets 3 9"), (QList<int>{3, 9, 9, 9}));

    const C::Layout l = C::parseLayout(QStringLiteral("wrap 3, fillx, gap 2 para"));
    QCOMPARE(l.wrapAfter, 3);
    QVERIFY(l.fillX && !l.fillY);
    QCOMPARE(l.gapX, 2);
    QCOMPARE(l.gapY, C::ParagraphGap);
    QCOMPARE(C::parseLayout(QStringLiteral("wrap, fill")).wrapAfter, C::ToEnd);
}

void TestMigConstraints::axis()
{
    QStringList unknown;
    QCOMPARE(C::parseAxis(QString(), &unknown).tracks.size(), 0);
    QCOMPARE(C::parseAxis(QStringLiteral("[grow 100]"), &unknown).tracks, QList<C::Track>{{100}});
    QCOMPARE(C::parseAxis(QStringLiteral("[grow]"), &unknown).tracks, QList<C::Track>{{100}});

    // The time zone dialog: only row index 10 grows.
    const C::Axis rows = C::parseAxis(QStringLiteral("[][][][][][][][][][][grow 100]"), &unknown);
    QList<C::Track> expected(11);
    expected.last().grow = 100;
    QCOMPARE(rows.tracks, expected);
    QCOMPARE(rows.gaps, QList<int>(12, C::DefaultGap));

    const C::Axis gaps = C::parseAxis(QStringLiteral("3[] 10 [fill, right]para[center]"), &unknown);
    QCOMPARE(gaps.gaps, (QList<int>{3, 10, C::ParagraphGap, C::DefaultGap}));
    QCOMPARE(gaps.tracks, (QList<C::Track>{{}, {0, true, C::Align::Right}, {0, false, C::Align::Center}}));
    QCOMPARE(unknown, QStringList());
}

void TestMigConstraints::rejects_data()
{
    QTest::addColumn<char>("kind"); // component, layout or axis
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unknown");
    QTest::newRow("keyword") << 'c' << QStringLiteral("frob 3, wrap, frob") << QStringLiteral("frob");
    QTest::newRow("alignment") << 'c' << QStringLiteral("align middle, wrap") << QStringLiteral("align middle");
    QTest::newRow("huge span") << 'c' << QStringLiteral("span 100000") << QStringLiteral("span 100000");
    QTest::newRow("wrap word") << 'c' << QStringLiteral("wrap soon") << QStringLiteral("wrap soon");
    QTest::newRow("named insets") << 'l' << QStringLiteral("insets dialog") << QStringLiteral("insets dialog");
    QTest::newRow("five insets") << 'l' << QStringLiteral("debug, insets 1 2 3 4 5")
                                 << QStringLiteral("debug|insets 1 2 3 4 5");
    QTest::newRow("track keyword") << 'a' << QStringLiteral("[grow, sizegroup a][]") << QStringLiteral("sizegroup");
    QTest::newRow("open bracket") << 'a' << QStringLiteral("[][grow") << QStringLiteral("[grow");
}

void TestMigConstraints::rejects()
{
    QFETCH(char, kind);
    QFETCH(QString, text);
    QFETCH(QString, unknown);
    QStringList found;
    if (kind == 'c') {
        // What can be read still counts; a part with bad arguments counts for nothing.
        QCOMPARE(C::parseComponent(text, &found).wrap, text.contains(u", wrap"));
    } else if (kind == 'l') {
        QCOMPARE(C::parseLayout(text, &found).insetTop, C::DefaultInset);
    } else {
        C::parseAxis(text, &found);
    }
    QCOMPARE(found.join(u'|'), unknown);
}

QTEST_APPLESS_MAIN(TestMigConstraints)
#include "tst_migconstraints.moc"
