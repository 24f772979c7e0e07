#include "LineBorderPanel.h"

#include <QPainter>

namespace quillmark::utils {

LineBorderPanel::LineBorderPanel(const QColor &borderColor, QWidget *parent)
    : QWidget(parent)
    , color(borderColor)
{
}

void LineBorderPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(color, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace quillmark::utils
