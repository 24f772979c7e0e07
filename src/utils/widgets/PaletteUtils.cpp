#include "PaletteUtils.h"

#include "ColorRoles.h"

#include <QApplication>
#include <QMenu>
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

void PaletteUtils::setApplicationColors()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Highlight, ColorRoles::selection());
    palette.setColor(QPalette::HighlightedText, ColorRoles::selectionText());
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, ColorRoles::disabledText());
    QApplication::setPalette(palette);
}

void PaletteUtils::setDarkMenuColors(QMenu *menu)
{
    // Styles paint menus from palette roles of their own choosing (Fusion lightens the base,
    // native styles ignore the palette); a style sheet gives every style the same colours.
    // Its border and padding stand in for the frame the style sheet takes away.
    menu->setStyleSheet(
        QStringLiteral("QMenu { background-color: %1; color: %2; border: 1px solid %3; padding: 1px 5px; }"
                       "QMenu::item:selected { background-color: %4; color: %5; }"
                       "QMenu::item:disabled { color: %6; }")
            .arg(ColorRoles::darkModeMenu().name(), ColorRoles::darkModeMenuText().name(),
                 ColorRoles::darkModeMenuBorder().name(), ColorRoles::selection().name(),
                 ColorRoles::selectionText().name(), ColorRoles::darkModeDisabledText().name()));
}

} // namespace quillmark::utils
