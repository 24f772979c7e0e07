#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QMouseEvent;
class QWidget;

namespace quillmark::hrl {

// Follows drags of the undecorated main window by any of its surfaces: says where the window
// should stand at every move, and when the button is released. An event filter on the window, its
// clock area and each clock panel; labels pass their mouse events up to the panel that holds them.
class FrameDragListener final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrameDragListener)

public:
    explicit FrameDragListener(QWidget *frame);
    ~FrameDragListener() override;

    void listenTo(QWidget *widget);
    // The grab offset: where the pointer was pressed, relative to the window's top-left corner.
    std::optional<QPoint> grabOffset() const { return mouseDownCompCoords; }

Q_SIGNALS:
    // The window's top-left corner that keeps the grabbed point under the pointer.
    void dragged(const QPoint &position);
    void released();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void mousePressed(QWidget *source, QMouseEvent *event);
    void mouseDragged(QMouseEvent *event);
    void mouseReleased();

    QWidget *frame;
    std::optional<QPoint> mouseDownCompCoords;
};

} // namespace quillmark::hrl
