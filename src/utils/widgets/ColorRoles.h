#pragma once

#include <QColor>

namespace quillmark::utils {

// The fixed colours of the dark scheme, which the library's windows share, chosen once among
// Qt's named colours, and the few colours of the light scheme that the style would otherwise
// choose too faintly. Text colours meet a contrast of at least 4.5 : 1 on the backgrounds they
// are drawn on: white on black 21, white on midnightblue 14.8, whitesmoke on midnightblue 13.6,
// the About box's dark link colour on midnightblue 6.4, whitesmoke on dimgray 5.0, whitesmoke on
// darkblue 14, white on royalblue 4.9, silver on midnightblue 8.2, dimgray on the light button
// grey 4.8. tst_colorroles checks every pair.
class ColorRoles final
{
public:
    ColorRoles() = delete;

    static QColor darkModeBackground() { return QColor(Qt::black); }
    static QColor darkModeMenuText() { return QColor(Qt::white); }
    static QColor darkModeMenu() { return QColor(0x19, 0x19, 0x70); }       // midnightblue
    static QColor darkModeDialogText() { return QColor(0xf5, 0xf5, 0xf5); } // whitesmoke
    static QColor darkModeWindow() { return QColor(0x69, 0x69, 0x69); }     // dimgray
    static QColor listDrop() { return QColor(0x00, 0x00, 0x8b); }           // darkblue
    // A selected row or menu item, under white text, in both schemes.
    static QColor selection() { return QColor(0x41, 0x69, 0xe1); } // royalblue
    static QColor selectionText() { return QColor(Qt::white); }
    // Text of a disabled control on the light scheme's backgrounds, and in a dark menu.
    static QColor disabledText() { return QColor(0x69, 0x69, 0x69); }         // dimgray
    static QColor darkModeDisabledText() { return QColor(0xc0, 0xc0, 0xc0); } // silver
};

} // namespace quillmark::utils
