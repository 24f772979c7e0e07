#include "WindowStacking.h"

#include <QWidget>

namespace quillmark::utils {

void WindowStacking::keepAbove(QWidget *dialog, const QWidget *owner)
{
    if (dialog && owner && owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
}

} // namespace quillmark::utils
