#include "BlankIcon.h"

#include <QPainter>
#include <QPixmap>

namespace quillmark::utils {

BlankIcon::BlankIcon() = default;

BlankIcon::BlankIcon(const QColor &color, int size)
    : color(color)
    , size(std::max(0, size))
{
}

QIcon BlankIcon::icon()
{
    return QIcon(new BlankIcon());
}

QIcon BlankIcon::icon(const QColor &color, int size)
{
    return QIcon(new BlankIcon(color, size));
}

void BlankIcon::paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State)
{
    if (!color.isValid() || size < 2)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(color, 0));
    painter->setBrush(Qt::NoBrush);
    // A stroked rectangle covers its size plus the pen, so this outline is size pixels wide.
    painter->drawRect(QRect(rect.topLeft(), QSize(size - 1, size - 1)));
    painter->restore();
}

QSize BlankIcon::actualSize(const QSize &requested, QIcon::Mode, QIcon::State)
{
    return QSize(size, size).boundedTo(requested);
}

QPixmap BlankIcon::pixmap(const QSize &requested, QIcon::Mode mode, QIcon::State state)
{
    QPixmap result(actualSize(requested, mode, state));
    result.fill(Qt::transparent);
    if (!result.isNull()) {
        QPainter painter(&result);
        paint(&painter, result.rect(), mode, state);
    }
    return result;
}

QList<QSize> BlankIcon::availableSizes(QIcon::Mode, QIcon::State)
{
    return {QSize(size, size)};
}

QIconEngine *BlankIcon::clone() const
{
    return new BlankIcon(*this);
}

QString BlankIcon::key() const
{
    return QStringLiteral("BlankIcon");
}

} // namespace quillmark::utils
