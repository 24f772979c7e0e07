#pragma once

#include <QColor>

namespace quillmark::utils {

// The fixed colours of the dark scheme, which the library's windows share, chosen once among
// Qt's named colours. Text colours meet a contrast of at least 4.5 : 1 on the backgrounds they
// are drawn on: white on black 21, white on darkslategray 9.9, whitesmoke on darkslategray 9.5,
// whitesmoke on dimgray 5.0, whitesmoke on darkblue 14.
class ColorRoles final
{
public:
    ColorRoles() = delete;

    static QColor darkModeBackground() { return QColor(Qt::black); }
    static QColor darkModeMenuText() { return QColor(Qt::white); }
    static QColor darkModeMenu() { return QColor(0x2f, 0x4f, 0x4f); }       // darkslategray
    static QColor darkModeDialogText() { return QColor(0xf5, 0xf5, 0xf5); } // whitesmoke
    static QColor darkModeWindow() { return QColor(0x69, 0x69, 0x69); }     // dimgray
    static QColor listDrop() { return QColor(0x00, 0x00, 0x8b); }           // darkblue
};

} // namespace quillmark::utils
