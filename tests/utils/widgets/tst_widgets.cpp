// The widget kit: menu items, the blank icon, combo boxes and image buttons. Run once under an
// English desktop and once under a Hebrew one (HRL_EXPECT_RTL=1).
#include "BlankIcon.h"
#include "MyJButtonWithImage.h"
#include "MyJComboBox.h"
#include "MyMenuItem.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <QTest>
#include <QVBoxLayout>

using namespace quillmark::utils;
using namespace Qt::StringLiterals;

namespace {

struct Recorder
{
    QList<ActionEvent> events;
    ActionListener listener()
    {
        return [this](const ActionEvent &event) { events.append(event); };
    }
};

bool fullyTransparent(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() != 0)
                return false;
    return true;
}

// Left and right edges of the dark pixels (text) in a light image.
std::pair<int, int> inkSpan(const QImage &image)
{
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A test that turns the application's direction must not leave it turned when it fails.
    void cleanup() { QApplication::setLayoutDirection(Qt::LeftToRight); }

    void menuItemWithoutImageKeepsABlankSlot()
    {
        std::unique_ptr<QAction> item(
            MyMenuItem::createMenuItemWithIcon(u"Reset View"_s, QString(), {}, u"ResetView"_s, true, 0, 0));
        QVERIFY(!item->icon().isNull());
        QCOMPARE(item->icon().actualSize(QSize(32, 32)), QSize(16, 16));
        const QImage image = item->icon().pixmap(16, 16).toImage();
        QCOMPARE(image.size(), QSize(16, 16));
        QVERIFY(fullyTransparent(image));

        std::unique_ptr<QAction> exit(
            MyMenuItem::createMenuItemWithIcon(u"Exit"_s, u"images/16/exit.gif"_s, {}, u"Exit"_s, true, 0, 0));
        QVERIFY(!fullyTransparent(exit->icon().pixmap(16, 16).toImage()));
    }

    void menuItemCommandsShortcutsAndMnemonics()
    {
        Recorder recorder;
        std::unique_ptr<QAction> item(MyMenuItem::createMenuItemWithIcon(
            u"Settings"_s, u"images/16/preferences.png"_s, recorder.listener(), u"Settings"_s, true, 0, 0));
        QCOMPARE(item->text(), u"Settings"_s);
        QVERIFY(item->shortcut().isEmpty());
        QVERIFY(item->isEnabled());
        QCOMPARE(MyMenuItem::actionCommand(item.get()), u"Settings"_s);
        item->trigger();
        QCOMPARE(recorder.events.size(), 1);
        QCOMPARE(recorder.events.first().source, item.get());
        QCOMPARE(recorder.events.first().actionCommand, u"Settings"_s);

        // The first letter that matches, in either case; an "&" of the text stays a literal one.
        std::unique_ptr<QAction> plain(
            MyMenuItem::createMenuItem(u"Save & Exit"_s, {}, u"SaveExit"_s, 'X', false, Qt::Key_S));
        QCOMPARE(plain->text(), u"Save && E&xit"_s);
        QCOMPARE(plain->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(!plain->isEnabled());
        QVERIFY(plain->icon().isNull());
        QVERIFY(!plain->isCheckable());

        std::unique_ptr<QAction> check(
            MyMenuItem::createJCheckBoxMenuItem(u"Wrap"_s, recorder.listener(), u"Wrap"_s, 0, true, 0));
        QVERIFY(check->isCheckable());
        QVERIFY(!check->isChecked());
        QCOMPARE(check->text(), u"Wrap"_s);
        check->trigger();
        QVERIFY(check->isChecked());
        QCOMPARE(recorder.events.last().actionCommand, u"Wrap"_s);
    }

    void blankIconWithAColourDrawsASquare()
    {
        const QIcon icon = BlankIcon::icon(Qt::red, 10);
        QCOMPARE(icon.actualSize(QSize(32, 32)), QSize(10, 10));
        const QImage image = icon.pixmap(10, 10).toImage();
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(image.pixelColor(9, 9), QColor(Qt::red));
        QCOMPARE(image.pixelColor(9, 0), QColor(Qt::red));
        QCOMPARE(image.pixelColor(5, 5).alpha(), 0);
    }

    void comboSelectionRules()
    {
        const QStringList three{u"a"_s, u"b"_s, u"c"_s};
        Recorder recorder;
        MyJComboBox beyond(three, recorder.listener(), 7);
        QCOMPARE(beyond.currentIndex(), 0);
        MyJComboBox inRange(three, recorder.listener(), 2);
        QCOMPARE(inRange.currentIndex(), 2);
        MyJComboBox empty(QStringList(), recorder.listener(), 1);
        QCOMPARE(empty.currentIndex(), -1);
        MyJComboBox defaults(three, recorder.listener());
        QCOMPARE(defaults.currentIndex(), 0);
        QVERIFY(!defaults.isEditable());
        QVERIFY(defaults.isEnabled());
        // The initial selection is no event.
        QVERIFY(recorder.events.isEmpty());

        MyJComboBox disabled(three, recorder.listener(), 1, false);
        QVERIFY(!disabled.isEnabled());
        QCOMPARE(disabled.currentIndex(), 1);
        MyJComboBox sized(three, recorder.listener(), QSize(230, 25));
        QCOMPARE(sized.sizeHint(), QSize(230, 25));

        // A programmatic change counts like the user's.
        inRange.setCurrentIndex(1);
        QCOMPARE(recorder.events.size(), 1);
        QCOMPARE(recorder.events.first().source, &inRange);
        QCOMPARE(recorder.events.first().actionCommand, u"comboBoxChanged"_s);
    }

    // Laid out, the boxes built without a size of their own share one size, the buttons another
    // at the boxes' height, wide enough for the icon beside a short word.
    void constructorsWithoutASizeShareTheDefault()
    {
        QWidget column;
        auto *layout = new QVBoxLayout(&column);
        const QStringList items{u"a"_s, u"b"_s};
        const QList<QWidget *> boxes{new MyJComboBox(items, {}, &column), new MyJComboBox(items, {}, 1, &column),
                                     new MyJComboBox(items, {}, 1, false, &column),
                                     new MyJComboBox(items, {}, false, &column)};
        const QString image = u"images/16/dialog-apply.png"_s;
        const QList<MyJButtonWithImage *> buttons{
            new MyJButtonWithImage(u"Save"_s, {}, image, &column),
            new MyJButtonWithImage(u"Save"_s, {}, image, false, &column),
            new MyJButtonWithImage(u"Save"_s, {}, image, u"SaveFile"_s, true, &column)};
        for (QWidget *widget : boxes + QList<QWidget *>(buttons.cbegin(), buttons.cend()))
            layout->addWidget(widget, 0, Qt::AlignLeading);
        column.show();
        QVERIFY(QTest::qWaitForWindowExposed(&column));
        for (const QWidget *box : boxes)
            QCOMPARE(box->size(), boxes.first()->size());
        for (MyJButtonWithImage *button : buttons) {
            QCOMPARE(button->size(), QSize(buttons.first()->width(), boxes.first()->height()));
            QVERIFY2(button->width() >= button->QPushButton::sizeHint().width(), qPrintable(button->text()));
        }
    }

    void readOnlyComboTakesNoClicks()
    {
        const QStringList items{u"yes"_s, u"no"_s};
        MyJComboBox open(items, {});
        open.show();
        QVERIFY(QTest::qWaitForWindowExposed(&open));
        QTest::mouseClick(&open, Qt::LeftButton);
        QTRY_VERIFY(open.view()->isVisible());
        open.hidePopup();

        MyJComboBox locked(items, {});
        MyJComboBox::setReadOnly(&locked);
        locked.show();
        QVERIFY(QTest::qWaitForWindowExposed(&locked));
        QTest::mouseClick(&locked, Qt::LeftButton);
        QTest::qWait(50);
        QVERIFY(!locked.view()->isVisible());
        QCOMPARE(locked.currentIndex(), 0);
    }

    void comboItemsFollowTheDesktopDirection()
    {
        const bool rtl = QLocale::system().textDirection() == Qt::RightToLeft;
        QCOMPARE(rtl, qEnvironmentVariableIsSet("HRL_EXPECT_RTL"));
        MyJComboBox box(QStringList{u"1"_s, u"2"_s}, {}, QSize(200, 25));
        box.resize(200, 25);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.showPopup();
        QTRY_VERIFY(box.view()->isVisible());
        QAbstractItemView *view = box.view();
        // The second row: the first is the current one, drawn highlighted.
        const QRect row = view->visualRect(view->model()->index(1, 0));
        const QImage image = view->viewport()->grab(row).toImage();
        const auto [left, right] = inkSpan(image);
        QVERIFY2(right >= left, "no text drawn");
        if (rtl)
            QVERIFY2(left > image.width() / 2,
                     qPrintable(u"text at %1..%2 of %3"_s.arg(left).arg(right).arg(image.width())));
        else
            QVERIFY2(right < image.width() / 2,
                     qPrintable(u"text at %1..%2 of %3"_s.arg(left).arg(right).arg(image.width())));
        box.hidePopup();
    }

    void imageButtons()
    {
        Recorder recorder;
        MyJButtonWithImage close(u"Close"_s, recorder.listener(), u"images/16/document-close-3.png"_s, u"CloseCmd"_s,
                                 true, QSize(90, 25));
        QCOMPARE(close.toolTip(), u"Close"_s);
        QVERIFY(!close.icon().isNull());
        QCOMPARE(close.sizeHint(), QSize(90, 25));
        QCOMPARE(close.getActionCommand(), u"CloseCmd"_s);
        close.click();
        QCOMPARE(recorder.events.size(), 1);
        QCOMPARE(recorder.events.first().source, &close);
        QCOMPARE(recorder.events.first().actionCommand, u"CloseCmd"_s);

        // Without a command of its own the button reports its text.
        MyJButtonWithImage save(u"Save"_s, recorder.listener(), u"images/16/media-floppy-3.5-2.png"_s);
        save.click();
        QCOMPARE(recorder.events.last().actionCommand, u"Save"_s);

        MyJButtonWithImage off(u"Delete"_s, recorder.listener(), u"images/16/dialog-cancel-4.png"_s, false);
        QVERIFY(!off.isEnabled());
        off.click();
        QCOMPARE(recorder.events.size(), 2);
    }

    // Icon and text stand together in the middle, the icon on the leading side.
    void imageButtonLabelStaysTogether()
    {
        const bool rtl = QLocale::system().textDirection() == Qt::RightToLeft;
        // As the program sets it for every window.
        QApplication::setLayoutDirection(QLocale::system().textDirection());
        // A word of the desktop's language, as the program shows it.
        MyJButtonWithImage save(rtl ? u"\u05e9\u05de\u05d5\u05e8"_s : u"Save"_s, {}, u"images/16/dialog-apply.png"_s,
                                u"SaveFile"_s, true, QSize(140, 25));
        save.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        save.resize(140, 25);
        const QImage image = save.grab().toImage();
        int iconLeft = image.width();
        int iconRight = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.green() > c.red() + 50 && c.green() > c.blue() + 50) {
                    iconLeft = std::min(iconLeft, x);
                    iconRight = std::max(iconRight, x);
                }
            }
        }
        QVERIFY2(iconRight >= iconLeft, "no icon drawn");
        QImage text = image;
        for (int y = 0; y < text.height(); ++y)
            for (int x = std::max(0, iconLeft - 1); x <= std::min(text.width() - 1, iconRight + 1); ++x)
                text.setPixelColor(x, y, Qt::white);
        // Only the label's middle: the bevel's dark outline runs along the edges.
        const auto [textLeft, textRight] = inkSpan(text.copy(3, 3, text.width() - 6, text.height() - 6));
        QVERIFY2(textRight >= textLeft, "no text drawn");
        const int left = rtl ? textLeft + 3 : iconLeft;
        const int right = rtl ? iconRight : textRight + 3;
        const int gap = rtl ? iconLeft - (textRight + 3) : (textLeft + 3) - iconRight;
        const QString where =
            u"icon %1..%2, text %3..%4"_s.arg(iconLeft).arg(iconRight).arg(textLeft + 3).arg(textRight + 3);
        QVERIFY2(gap > 0 && gap <= 10, qPrintable(where));
        QVERIFY2(std::abs(left - (image.width() - 1 - right)) <= 6, qPrintable(where));
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
