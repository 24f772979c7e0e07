#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace quillmark::hrl {

// Paints the rows of both dialogs' lists in dark mode: the dialog text colour on a background of
// its own, the text on the leading side and elided where the row is too narrow.
class MyCellRenderer final : public QStyledItemDelegate
{
public:
    explicit MyCellRenderer(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The row's background: dropping onto it, selected, or neither.
    static QColor backgroundFor(bool dropTarget, bool selected);
};

} // namespace quillmark::hrl
