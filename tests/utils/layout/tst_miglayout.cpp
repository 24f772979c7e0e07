#include "MigLayout.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTest>

// Standard output is captured on Unix only.
#ifdef Q_OS_UNIX
#include "StdoutCapture.h"
#endif

using namespace quillmark::utils;

namespace {

// A widget whose size hints the test sets.
class Box final : public QWidget
{
public:
    explicit Box(QSize hint, QSize minimumHint = QSize())
        : hint(hint)
        , minimumHint(minimumHint)
    {
    }

    QSize sizeHint() const override { return hint; }
    QSize minimumSizeHint() const override { return minimumHint; }
    void setHint(QSize size)
    {
        hint = size;
        updateGeometry();
    }

private:
    QSize hint;
    QSize minimumHint;
};

QLabel *fixed(int width, int height)
{
    auto *label = new QLabel;
    label->setFixedSize(width, height);
    return label;
}

MigLayout *migOn(QWidget &parent, const QString &layout, const QString &columns = QString(),
                 const QString &rows = QString())
{
    return new MigLayout(layout, columns, rows, &parent);
}

// Lays the parent out at the layout's preferred size, or at `size` when given.
void layOut(QWidget &parent, QSize size = QSize())
{
    if (!size.isValid())
        size = parent.layout()->sizeHint();
    parent.resize(size);
    parent.layout()->setGeometry(QRect(QPoint(), size));
}

QList<QLabel *> threePanels(MigLayout *layout)
{
    const QList<QLabel *> panels{fixed(50, 30), fixed(60, 40), fixed(70, 20)};
    for (QLabel *panel : panels)
        layout->addWidget(panel);
    return panels;
}

struct Clock
{
    QLabel *name;
    QFrame *line;
    QLabel *time;
    QLabel *zone;
    QLabel *date;
};

// One clock of the vertical arrangement: a titled rule, then three centred labels.
Clock addVerticalClock(MigLayout *layout, int nameWidth)
{
    const Clock c{fixed(nameWidth, 14), new QFrame, fixed(120, 20), fixed(50, 12), fixed(70, 12)};
    c.line->setFrameShape(QFrame::HLine);
    layout->addWidget(c.name, QStringLiteral("gapbottom 1, span, split 2, aligny center"));
    layout->addWidget(c.line, QStringLiteral("gapleft rel, growx, wrap 2"));
    layout->addWidget(c.time, QStringLiteral("align center, wrap 2"));
    layout->addWidget(c.zone, QStringLiteral("align center, wrap 2"));
    layout->addWidget(c.date, QStringLiteral("align center, wrap 5"));
    return c;
}

} // namespace

class TestMigLayout final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void verticalClocks();
    void horizontalClocks();
    void rightToLeft();
    void aboutBoxFlow();
    void growth();
    void minimumAndShrink();
    void itemsComeAndGo();
    void oddFlowsEnd();
    void unknownKeywordLogsOnce();
};

void TestMigLayout::verticalClocks()
{
    QWidget area;
    MigLayout *layout = migOn(area, QStringLiteral("insets 4"));
    const Clock first = addVerticalClock(layout, 60);
    const Clock second = addVerticalClock(layout, 100);

    // One column as wide as the time label; rows 15 (title + gapbottom), 20, 12, 12; gaps 2 2 2 5 2 2 2.
    QCOMPARE(layout->sizeHint(), QSize(4 + 120 + 4, 4 + 2 * (15 + 2 + 20 + 2 + 12 + 2 + 12) + 5 + 4));
    layOut(area);
    QCOMPARE(first.name->geometry(), QRect(4, 4, 60, 14));
    // The rule starts rel + gapleft rel after the title and runs to the end of the column.
    QCOMPARE(first.line->geometry(), QRect(72, 10, 52, 3));
    QCOMPARE(first.time->geometry(), QRect(4, 21, 120, 20));
    QCOMPARE(first.zone->geometry(), QRect(39, 43, 50, 12));
    QCOMPARE(first.date->geometry(), QRect(29, 57, 70, 12));
    QCOMPARE(second.name->geometry(), QRect(4, 74, 100, 14));
    QCOMPARE(second.line->geometry(), QRect(112, 80, 12, 3));
    QCOMPARE(second.date->geometry(), QRect(29, 127, 70, 12));

    // Nothing grows, so a larger window leaves the content in the top-leading corner.
    layOut(area, QSize(400, 300));
    QCOMPARE(first.line->geometry(), QRect(72, 10, 52, 3));
    QCOMPARE(second.date->geometry(), QRect(29, 127, 70, 12));

    // A title wider than the column widens it.
    second.name->setFixedSize(140, 14);
    layOut(area);
    QCOMPARE(area.width(), 4 + 140 + 8 + 4);
    QCOMPARE(first.line->geometry(), QRect(72, 10, 80, 3));
    QCOMPARE(first.zone->geometry(), QRect(4 + (148 - 50) / 2, 43, 50, 12));
}

void TestMigLayout::horizontalClocks()
{
    QWidget area;
    MigLayout *layout = migOn(area, QStringLiteral("insets 4"));
    const QList<QLabel *> panels = threePanels(layout);
    QCOMPARE(layout->sizeHint(), QSize(4 + 50 + 4 + 60 + 4 + 70 + 4, 4 + 40 + 4));
    layOut(area);
    QCOMPARE(panels[0]->geometry(), QRect(4, 9, 50, 30));
    QCOMPARE(panels[1]->geometry(), QRect(58, 4, 60, 40));
    QCOMPARE(panels[2]->geometry(), QRect(122, 14, 70, 20));

    // A clock panel's own layout decides its size in the row.
    auto *clock = new QWidget;
    MigLayout *inner = migOn(*clock, QStringLiteral("insets 4 6 4 4"));
    inner->addWidget(fixed(40, 10), QStringLiteral("align center, wrap 2"));
    inner->addWidget(fixed(60, 20), QStringLiteral("align center, wrap 5"));
    layout->addWidget(clock);
    layOut(area);
    QCOMPARE(clock->geometry(), QRect(196, 4, 6 + 60 + 4, 4 + 10 + 2 + 20 + 4));
    inner->activate();
    QCOMPARE(inner->itemAt(0)->widget()->geometry(), QRect(6 + 10, 4, 40, 10));
}

void TestMigLayout::rightToLeft()
{
    QWidget area;
    area.setLayoutDirection(Qt::RightToLeft);
    const QList<QLabel *> panels = threePanels(migOn(area, QStringLiteral("insets 4")));
    layOut(area);
    QCOMPARE(panels[0]->geometry(), QRect(196 - 4 - 50, 9, 50, 30));
    QCOMPARE(panels[1]->geometry(), QRect(196 - 58 - 60, 4, 60, 40));
    QCOMPARE(panels[2]->geometry(), QRect(4, 14, 70, 20));

    // Insets keep their sides: the clock panel passes the larger one on the right itself.
    QWidget panel;
    panel.setLayoutDirection(Qt::RightToLeft);
    QLabel *label = fixed(50, 10);
    migOn(panel, QStringLiteral("insets 4 4 4 6"))->addWidget(label);
    layOut(panel, QSize(80, 18));
    QCOMPARE(label->geometry(), QRect(80 - 6 - 50, 4, 50, 10));

    QWidget clockArea;
    clockArea.setLayoutDirection(Qt::RightToLeft);
    const Clock clock = addVerticalClock(migOn(clockArea, QStringLiteral("insets 4")), 60);
    layOut(clockArea);
    QCOMPARE(clock.name->geometry(), QRect(128 - 4 - 60, 4, 60, 14));
    QCOMPARE(clock.line->geometry(), QRect(4, 10, 52, 3));

    // left and right are absolute, leading and trailing follow the direction.
    QWidget aligned;
    MigLayout *layout = migOn(aligned, QStringLiteral("insets 0"));
    layout->addWidget(fixed(100, 10), QStringLiteral("wrap"));
    QList<QLabel *> labels;
    for (const char16_t *c : {u"align left", u"alignx leading", u"align right", u"alignx trailing", u""}) {
        labels.append(fixed(20, 10));
        layout->addWidget(labels.last(), QString::fromUtf16(c) + QStringLiteral(", wrap"));
    }
    auto xs = [&] {
        QList<int> result;
        for (QLabel *l : labels)
            result.append(l->x());
        return result;
    };
    layOut(aligned);
    QCOMPARE(xs(), (QList<int>{0, 0, 80, 80, 0}));
    aligned.setLayoutDirection(Qt::RightToLeft);
    layOut(aligned);
    QCOMPARE(xs(), (QList<int>{0, 80, 80, 0, 80}));
}

void TestMigLayout::aboutBoxFlow()
{
    {
        QWidget dialog;
        MigLayout *layout = migOn(dialog, QString());
        const QList<QLabel *> labels{fixed(48, 64), fixed(100, 14), fixed(100, 14), fixed(100, 14),
                                     fixed(80, 14), fixed(90, 14),  fixed(60, 25)};
        const char16_t *constraints[] = {
            u"spany 3", u"wrap", u"wrap", u"wrap", u"skip, wrap para", u"skip, wrap", u"span 2, align center, wrap"};
        for (qsizetype i = 0; i < labels.size(); ++i)
            layout->addWidget(labels[i], QString::fromUtf16(constraints[i]));

        // Default insets 7; the icon is taller than its three rows, so the last of them grows to 28.
        QCOMPARE(layout->sizeHint(), QSize(7 + 48 + 4 + 100 + 7, 153));
        layOut(dialog);
        const QList<QRect> expected{{7, 7, 48, 64},   {59, 7, 100, 14},  {59, 25, 100, 14}, {59, 50, 100, 14},
                                    {59, 75, 80, 14}, {59, 103, 90, 14}, {53, 121, 60, 25}};
        for (qsizetype i = 0; i < labels.size(); ++i)
            QCOMPARE(labels[i]->geometry(), expected[i]);
    }
    {
        // The time zone dialog: the list skips two empty cells and spans 4 x 5; the button panel follows it.
        QWidget dialog;
        MigLayout *layout = migOn(dialog, QString(), QString(), QStringLiteral("[][][][][][][][][][][grow 100]"));
        auto *list = new Box(QSize(100, 100));
        QLabel *buttons = fixed(120, 300);
        layout->addWidget(list, QStringLiteral("skip 2, span 4 5, growy 100, wmin 240, hmin 400"));
        layout->addWidget(buttons, QStringLiteral("span 10, wrap para"));
        QCOMPARE(layout->sizeHint(), QSize(7 + 240 + 4 + 120 + 7, 7 + 400 + 7));
        QCOMPARE(layout->minimumSize(), layout->sizeHint());
        layOut(dialog);
        QCOMPARE(list->geometry(), QRect(7, 7, 240, 400));
        QCOMPARE(buttons->geometry(), QRect(251, 7, 120, 300));
    }
}

void TestMigLayout::growth()
{
    QWidget dialog;
    MigLayout *layout = migOn(dialog, QString(), QString(), QStringLiteral("[][][][][][][][][][][grow 100]"));
    for (int i = 0; i < 10; ++i)
        layout->addWidget(fixed(10, 10), QStringLiteral("wrap"));
    auto *last = new Box(QSize(10, 10));
    layout->addWidget(last, QStringLiteral("growy, wrap"));
    QCOMPARE(layout->expandingDirections(), Qt::Orientations(Qt::Vertical));
    QCOMPARE(layout->sizeHint(), QSize(24, 7 + 11 * 10 + 10 * 4 + 7));
    layOut(dialog, QSize(60, 164 + 100));
    QCOMPARE(layout->itemAt(9)->widget()->geometry(), QRect(7, 7 + 9 * 14, 10, 10));
    QCOMPARE(last->geometry(), QRect(7, 7 + 10 * 14, 10, 110));

    // Extra width is shared by weight; a component fills its cell only with growx.
    QWidget area;
    layout = migOn(area, QString(), QStringLiteral("[grow 1][grow 3][]"));
    const QList<Box *> boxes{new Box(QSize(10, 10)), new Box(QSize(10, 10)), new Box(QSize(10, 10))};
    layout->addWidget(boxes[0], QStringLiteral("growx"));
    layout->addWidget(boxes[1], QStringLiteral("growx"));
    layout->addWidget(boxes[2], QStringLiteral("grow"));
    layOut(area, QSize(7 + 10 + 4 + 10 + 4 + 10 + 7 + 40, 24));
    QCOMPARE(boxes[0]->geometry(), QRect(7, 7, 20, 10));
    QCOMPARE(boxes[1]->geometry(), QRect(31, 7, 40, 10));
    QCOMPARE(boxes[2]->geometry(), QRect(75, 7, 10, 10));
}

void TestMigLayout::minimumAndShrink()
{
    QWidget area;
    MigLayout *layout = migOn(area, QStringLiteral("insets 0"));
    auto *a = new Box(QSize(50, 10), QSize(20, 10));
    auto *b = new Box(QSize(50, 10), QSize(20, 10));
    auto *c = new Box(QSize(30, 10), QSize(30, 10));
    layout->addWidget(a);
    layout->addWidget(b);
    layout->addWidget(c, QStringLiteral("wmin 40, hmin 12"));
    QCOMPARE(layout->sizeHint(), QSize(50 + 4 + 50 + 4 + 40, 12));
    QCOMPARE(layout->minimumSize(), QSize(20 + 4 + 20 + 4 + 40, 12));

    // Short of room, each column gives up part of what it has above its minimum.
    layOut(area, QSize(148 - 30, 12));
    QCOMPARE(a->geometry(), QRect(0, 1, 35, 10));
    QCOMPARE(b->geometry(), QRect(39, 1, 35, 10));
    QCOMPARE(c->geometry(), QRect(78, 0, 40, 12));
    layOut(area, QSize(10, 12));
    QCOMPARE(b->geometry().width(), 20);
}

void TestMigLayout::itemsComeAndGo()
{
    auto *area = new QWidget;
    MigLayout *layout = migOn(*area, QStringLiteral("insets 4"));
    auto *a = new Box(QSize(50, 30));
    auto *b = new Box(QSize(60, 30));
    auto *c = new Box(QSize(70, 30));
    for (QWidget *w : {a, b, c})
        layout->addWidget(w);

    // The cached grid follows changed size hints and visibility.
    layOut(*area);
    a->setHint(QSize(30, 30));
    layOut(*area);
    QCOMPARE(b->x(), 38);
    b->hide();
    layOut(*area);
    QCOMPARE(c->x(), 38);
    b->show();
    layOut(*area);
    QCOMPARE(c->x(), 102);

    QLayoutItem *item = layout->takeAt(1);
    QCOMPARE(item->widget(), b);
    delete item;
    delete a;
    QCOMPARE(layout->count(), 1);
    QCOMPARE(layout->itemAt(0)->widget(), c);
    layOut(*area);
    QCOMPARE(c->x(), 4);

    // QLayout::addItem is a cell without constraints.
    auto *spare = new Box(QSize(5, 5));
    spare->setParent(area);
    layout->addItem(new QWidgetItem(spare));
    QCOMPARE(layout->sizeHint(), QSize(4 + 70 + 4 + 5 + 4, 38));

    // The parent takes the layout and every child with it; the layout may also go first.
    const QPointer<QWidget> child(c);
    delete area;
    QVERIFY(child.isNull());
    QWidget other;
    MigLayout *second = migOn(other, QString());
    second->addWidget(new QLabel(QStringLiteral("x")), QStringLiteral("wrap"));
    delete second;
    QCOMPARE(other.findChildren<QLabel *>().size(), 1);
}

void TestMigLayout::oddFlowsEnd()
{
    // A column blocked to the bottom under a one-column wrap, long skips and spans: the flow ends,
    // and the open-ended cell stops where the blocked row was.
    QWidget area;
    MigLayout *layout = migOn(area, QStringLiteral("wrap 1"));
    for (const char16_t *c : {u"spany", u"", u"skip 1000, span 1000 1000", u"split, spanx, wrap", u"span, wrap 0"})
        layout->addWidget(fixed(10, 10), QString::fromUtf16(c));
    layOut(area, QSize(100, 100));
    QCOMPARE(layout->itemAt(0)->widget()->pos(), QPoint(7, 7));
    QCOMPARE(layout->itemAt(1)->widget()->pos(), QPoint(7, 7 + 10 + 4));
}

void TestMigLayout::unknownKeywordLogsOnce()
{
#ifdef Q_OS_UNIX
    // The trace lines go to standard output.
    StdoutCapture capture;

    QWidget area;
    MigLayout *layout = migOn(area, QStringLiteral("insets 2, shimmer"), QStringLiteral("[grow, zigzag]"));
    QLabel *a = fixed(10, 10);
    QLabel *b = fixed(10, 10);
    layout->addWidget(a, QStringLiteral("zork 3, wrap"));
    layout->addWidget(b, QStringLiteral("zork, wrap, align middle"));
    QWidget other;
    migOn(other, QStringLiteral("shimmer"))->addWidget(fixed(1, 1), QStringLiteral("zork"));
    layOut(area);

    const QString out = capture.finish();

    QCOMPARE(out.count(u'\n'), 4);
    for (const char16_t *word : {u"\"zork\"", u"\"shimmer\"", u"\"zigzag\"", u"\"align middle\""})
        QCOMPARE(out.count(QString::fromUtf16(word)), 1);
    QVERIFY(out.contains(QStringLiteral("MigLayout: addWidget: ")));
    // The rest of each string still applies.
    QCOMPARE(a->geometry(), QRect(2, 2, 10, 10));
    QCOMPARE(b->geometry(), QRect(2, 16, 10, 10));
#else
    QSKIP("standard output is captured on Unix only");
#endif
}

QTEST_MAIN(TestMigLayout)
#include "tst_miglayout.moc"
