#pragma once

#include <QColor>
#include <QIconEngine>

namespace quillmark::utils {

// A square icon that paints nothing, or the outline of a square in a given colour. Without a
// colour it only reserves its space, so icon-less menu items line up with those that have one.
class BlankIcon final : public QIconEngine
{
public:
    BlankIcon();
    BlankIcon(const QColor &color, int size);

    int getIconWidth() const { return size; }
    int getIconHeight() const { return size; }

    // The icon of a new engine of either kind.
    static QIcon icon();
    static QIcon icon(const QColor &color, int size);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    QColor color;
    int size = 16;
};

} // namespace quillmark::utils
