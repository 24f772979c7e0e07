#include "PaletteUtils.h"

#include <QPixmapCache>
#include <QWidget>

namespace quillmark::utils {

void PaletteUtils::setColors(QWidget *widget, RoleColors colors)
{
    const QPalette current = widget->palette();
    QPalette palette = current;
    for (const auto &[role, color] : colors)
        palette.setColor(role, color);
    // Qt would drop an unchanged palette too, but only after resolving it against the parent's,
    // which costs far more than this comparison. The masks must match as well, so a colour
    // that is only inherited still becomes the widget's own.
    if (palette == current && palette.resolveMask() == current.resolveMask())
        return;
    widget->setPalette(palette);
}

void PaletteUtils::setOpaqueColors(QWidget *widget, RoleColors colors)
{
    setColors(widget, colors);
    widget->setAutoFillBackground(true);
}

void PaletteUtils::setForeground(QWidget *widget, const QColor &color)
{
    setColors(widget, {{QPalette::WindowText, color}});
}

void PaletteUtils::setBackground(QWidget *widget, const QColor &color)
{
    setOpaqueColors(widget, {{QPalette::Window, color}});
}

void PaletteUtils::setTextAndBackground(QWidget *widget, const QColor &text, const QColor &background)
{
    setColors(widget, {{QPalette::WindowText, text},
                       {QPalette::Text, text},
                       {QPalette::ButtonText, text},
                       {QPalette::Window, background},
                       {QPalette::Base, background},
                       {QPalette::Button, background}});
}

void PaletteUtils::disableStyleCache()
{
    QPixmapCache::setCacheLimit(0);
    QPixmapCache::clear();
}

} // namespace quillmark::utils
