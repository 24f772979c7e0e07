#include "MyCellRenderer.h"

#include "ClockColorRoles.h"
#include "ColorRoles.h"

#include <QPainter>

namespace quillmark::hrl {

using utils::ColorRoles;

MyCellRenderer::MyCellRenderer(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QColor MyCellRenderer::backgroundFor(bool dropTarget, bool selected)
{
    if (dropTarget)
        return ColorRoles::listDrop();
    return selected ? ColorRoles::darkModeMenu() : ClockColorRoles::clockBorder();
}

void MyCellRenderer::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    // The dialogs' lists take no drops; the focus frame is not drawn.
    const bool selected = item.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->fillRect(item.rect, backgroundFor(false, selected));
    painter->setPen(ColorRoles::darkModeDialogText());
    painter->setFont(item.font);
    const int margin = 4;
    const QRect textRect = item.rect.adjusted(margin, 0, -margin, 0);
    const Qt::Alignment alignment = QStyle::visualAlignment(item.direction, Qt::AlignLeading | Qt::AlignVCenter);
    const QString text = QFontMetrics(item.font).elidedText(item.text, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, int(alignment), text);
    painter->restore();
}

} // namespace quillmark::hrl
