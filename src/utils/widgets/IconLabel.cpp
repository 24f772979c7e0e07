#include "IconLabel.h"

#include <QPainter>
#include <QStyle>

namespace quillmark::utils {

IconLabel::IconLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void IconLabel::setIcon(const QIcon &icon, const QSize &size)
{
    labelIcon = icon;
    iconSize = size;
    updateGeometry();
    update();
}

QSize IconLabel::sizeHint() const
{
    QSize hint = QLabel::sizeHint();
    if (hasIcon())
        hint = QSize(hint.width() + iconSize.width() + IconTextGap, qMax(hint.height(), iconSize.height()));
    return hint;
}

QSize IconLabel::minimumSizeHint() const
{
    QSize hint = QLabel::minimumSizeHint();
    if (hasIcon())
        hint = QSize(hint.width() + iconSize.width() + IconTextGap, qMax(hint.height(), iconSize.height()));
    return hint;
}

void IconLabel::paintEvent(QPaintEvent *event)
{
    if (!hasIcon()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    const int textWidth = QLabel::sizeHint().width() - 2 * margin();
    const int total = iconSize.width() + IconTextGap + textWidth;
    // Place the icon and text as one block, honouring the label's horizontal alignment.
    const Qt::Alignment horizontal = QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignHorizontal_Mask;
    int left = area.left();
    if (horizontal & Qt::AlignHCenter)
        left = area.left() + (area.width() - total) / 2;
    else if (horizontal & Qt::AlignRight)
        left = area.right() + 1 - total;
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QRect iconRect(rtl ? left + total - iconSize.width() : left,
                         area.top() + (area.height() - iconSize.height()) / 2, iconSize.width(), iconSize.height());
    labelIcon.paint(&painter, iconRect);
    const QRect textRect(rtl ? left : left + iconSize.width() + IconTextGap, area.top(), textWidth, area.height());
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text());
}

} // namespace quillmark::utils
