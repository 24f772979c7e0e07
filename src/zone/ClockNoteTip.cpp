#include "ClockNoteTip.h"

#include "ClockNameAccessible.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QWidget>

namespace quillmark::hrl {

namespace {

QAccessibleInterface *clockNameInterface(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (!label)
        return nullptr;
    auto *tip = label->findChild<ClockNoteTip *>(QString(), Qt::FindDirectChildrenOnly);
    return tip ? new ClockNameAccessible(label, tip) : nullptr;
}

} // namespace

ClockNoteTip::ClockNoteTip(std::function<QString()> note, QWidget *nameLabel)
    : QObject(nameLabel)
    , note(std::move(note))
{
    // Asked once per object, when its interface is first wanted; it answers only for a label
    // that carries a note and leaves every other object to Qt.
    static const bool installed = [] {
        QAccessible::installFactory(clockNameInterface);
        return true;
    }();
    Q_UNUSED(installed)
    // A label asks for its interface while it is constructed, a screen reader or not, so the one
    // cached for this label knows nothing of the note yet; the next query makes one that does.
    if (QAccessibleInterface *early = QAccessible::queryAccessibleInterface(nameLabel))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
    listenTo(nameLabel);
}

ClockNoteTip::~ClockNoteTip() = default;

void ClockNoteTip::listenTo(QWidget *surface)
{
    surface->installEventFilter(this);
}

bool ClockNoteTip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    // Qt asks for tooltips only while no button is held; this keeps it so should that change,
    // since a tip must never come between the pointer and a drag of the window.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), note(), widget, widget->rect());
    return true;
}

} // namespace quillmark::hrl
