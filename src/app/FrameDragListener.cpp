#include "FrameDragListener.h"

#include "Logger.h"

#include <QMouseEvent>
#include <QWidget>

namespace quillmark::hrl {

FrameDragListener::FrameDragListener(QWidget *frame)
    : QObject(frame)
    , frame(frame)
{
}

FrameDragListener::~FrameDragListener() = default;

void FrameDragListener::listenTo(QWidget *widget)
{
    widget->installEventFilter(this);
}

bool FrameDragListener::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        mousePressed(static_cast<QWidget *>(watched), mouse);
        // Taken here, so the window and the area behind a panel do not see the same press again.
        mouse->accept();
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!mouseDownCompCoords || !mouse->buttons().testFlag(Qt::LeftButton))
            return false;
        mouseDragged(mouse);
        mouse->accept();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        mouseReleased();
        mouse->accept();
        return true;
    }
    default:
        return false;
    }
}

void FrameDragListener::mousePressed(QWidget *source, QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    if (source == frame) {
        mouseDownCompCoords = position;
        utils::Logger::log(QStringLiteral("FrameDragListener"), QStringLiteral("mousePressed"),
                           QStringLiteral("1. mousePressed at : (%1, %2)").arg(position.x()).arg(position.y()));
        return;
    }
    // The window's own idea of where it stands can be stale right after it is shown, so the
    // offset comes from the press itself, carried through the widget tree to the window.
    mouseDownCompCoords = source->mapTo(frame, position);
}

void FrameDragListener::mouseDragged(QMouseEvent *event)
{
    // The event's screen position: the cursor position is not kept current while a button is held
    // on every platform.
    Q_EMIT dragged(event->globalPosition().toPoint() - *mouseDownCompCoords);
}

void FrameDragListener::mouseReleased()
{
    mouseDownCompCoords.reset();
    Q_EMIT released();
}

} // namespace quillmark::hrl
