#include "MyJComboBox.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLineEdit>
#include <QLocale>
#include <QStyledItemDelegate>

namespace quillmark::utils {

namespace {

// Item texts stand on the left under a left-to-right desktop language, on the right otherwise,
// whatever the box's own layout direction.
class AlignedItemDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const Qt::Alignment side = QLocale::system().textDirection() == Qt::LeftToRight ? Qt::AlignLeft
                                                                                        : Qt::AlignRight;
        option->displayAlignment = Qt::AlignAbsolute | side | Qt::AlignVCenter;
    }
};

// Swallows every mouse and wheel event of the widget it watches.
class MouseBlocker final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

MyJComboBox::MyJComboBox(const QStringList &items, const ActionListener &listener, QWidget *parent)
    : QComboBox(parent)
{
    init(items, listener, 0, true, DEFAULT_SIZE);
}

MyJComboBox::MyJComboBox(const QStringList &items, const ActionListener &listener, int selectedIndex, QWidget *parent)
    : QComboBox(parent)
{
    init(items, listener, selectedIndex, true, DEFAULT_SIZE);
}

MyJComboBox::MyJComboBox(const QStringList &items, const ActionListener &listener, int selectedIndex, const QSize &size,
                         QWidget *parent)
    : QComboBox(parent)
{
    init(items, listener, selectedIndex, true, size);
}

MyJComboBox::MyJComboBox(const QStringList &items, const ActionListener &listener, int selectedIndex, bool enabled,
                         QWidget *parent)
    : QComboBox(parent)
{
    init(items, listener, selectedIndex, enabled, DEFAULT_SIZE);
}

MyJComboBox::MyJComboBox(const QStringList &items, const ActionListener &listener, const QSize &size, QWidget *parent)
    : QComboBox(parent)
{
    init(items, listener, 0, true, size);
}

MyJComboBox::MyJComboBox(const QStringList &items, const ActionListener &listener, bool enabled, QWidget *parent)
    : QComboBox(parent)
{
    init(items, listener, 0, enabled, DEFAULT_SIZE);
}

void MyJComboBox::init(const QStringList &items, const ActionListener &listener, int selectedIndex, bool enabled,
                       const QSize &size)
{
    addItems(items);
    setEditable(false);
    setEnabled(enabled);
    if (!items.isEmpty())
        setCurrentIndex(selectedIndex > items.size() - 1 ? 0 : selectedIndex);
    setPreferredSize(size);
    if (listener) {
        connect(this, &QComboBox::currentIndexChanged, this, [this, listener] {
            listener(ActionEvent{this, ActionCommand});
        });
    }
    setItemDelegate(new AlignedItemDelegate(this));
}

void MyJComboBox::setPreferredSize(const QSize &size)
{
    preferredSize = size;
    updateGeometry();
}

QSize MyJComboBox::sizeHint() const
{
    return preferredSize;
}

void MyJComboBox::setReadOnly(QComboBox *box)
{
    if (!box)
        return;
    if (QLineEdit *editor = box->lineEdit())
        editor->setReadOnly(true);
    auto *blocker = new MouseBlocker(box);
    box->installEventFilter(blocker);
    if (QLineEdit *editor = box->lineEdit())
        editor->installEventFilter(blocker);
    for (QAbstractButton *button : box->findChildren<QAbstractButton *>()) {
        button->setEnabled(false);
        button->installEventFilter(blocker);
    }
}

} // namespace quillmark::utils
