#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QMouseEvent;
class QWidget;

namespace quillmark::hrl {

class HRL;

// Moves the undecorated main window when it is dragged by any of its surfaces, and stores its
// position at every release. An event filter on the window, its clock area and each clock panel;
// labels pass their mouse events up to the panel that holds them.
class FrameDragListener final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrameDragListener)

public:
    explicit FrameDragListener(HRL *frame);
    ~FrameDragListener() override;

    void listenTo(QWidget *widget);
    // The grab offset: where the pointer was pressed, relative to the window's top-left corner.
    std::optional<QPoint> grabOffset() const { return mouseDownCompCoords; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void mousePressed(QWidget *source, QMouseEvent *event);
    void mouseDragged(QMouseEvent *event);
    void mouseReleased();

    HRL *frame;
    std::optional<QPoint> mouseDownCompCoords;
};

} // namespace quillmark::hrl
