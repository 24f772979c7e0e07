#include "WindowStacking.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quillmark::utils {

void WindowStacking::keepAbove(QWidget *dialog, const QWidget *owner)
{
    if (dialog && owner && owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
}

void WindowStacking::centreOver(QWidget *dialog, const QWidget *owner)
{
    if (!dialog || !owner)
        return;
    const QWidget *window = owner->window();
    QRect frame(QPoint(0, 0), dialog->size());
    frame.moveCenter(window->frameGeometry().center());
    if (const QScreen *screen = window->screen()) {
        const QRect room = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() + 1 - frame.width())));
        frame.moveTop(std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() + 1 - frame.height())));
    }
    dialog->move(frame.topLeft());
}

} // namespace quillmark::utils
