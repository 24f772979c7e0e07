#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>
#include <utility>

class QMenu;
class QWidget;

namespace quillmark::utils {

// Colours given to one widget role by role, in every colour group, so a disabled or inactive
// window keeps them.
class PaletteUtils final
{
public:
    PaletteUtils() = delete;

    using RoleColors = std::initializer_list<std::pair<QPalette::ColorRole, QColor>>;

    // A widget that already has exactly these colours as its own is left alone cheaply, so
    // callers may set them as often as they like.
    static void setColors(QWidget *widget, RoleColors colors);
    // The same, and the widget fills its background before its children paint, as an opaque panel.
    static void setOpaqueColors(QWidget *widget, RoleColors colors);
    // The text colour.
    static void setForeground(QWidget *widget, const QColor &color);
    // An opaque background of this colour.
    static void setBackground(QWidget *widget, const QColor &color);
    // Text and background of a control in all their roles: a label's, a field's and a button's.
    static void setTextAndBackground(QWidget *widget, const QColor &text, const QColor &background);
    // Turns off the style's cache of drawn controls. It keys what it draws by palette, and every
    // dialog brings palettes of its own that die with it; the cache never forgets the names of
    // its keys, not even when cleared, so each open of a dialog would leave kilobytes behind for
    // good. Our windows are small: drawing their few controls afresh costs nothing to see.
    static void disableStyleCache();
    // The application's palette with selections and disabled text that can be read (the style's
    // own are too faint), in every window that does not set its own.
    static void setApplicationColors();
    // A menu in the dark scheme's colours, whatever the style.
    static void setDarkMenuColors(QMenu *menu);
};

} // namespace quillmark::utils
