#include "PaletteUtils.h"

#include <QWidget>

namespace quillmark::utils {

void PaletteUtils::setColors(QWidget *widget, RoleColors colors)
{
    QPalette palette = widget->palette();
    for (const auto &[role, color] : colors)
        palette.setColor(role, color);
    // The same colours again change nothing: Qt drops a palette equal to the widget's.
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

} // namespace quillmark::utils
