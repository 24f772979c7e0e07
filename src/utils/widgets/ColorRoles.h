#pragma once

#include <QColor>

namespace quillmark::utils {

// The fixed colours of the library's windows and of the programs built on it, each value once,
// and the roles they play. The dark scheme's colours were chosen among Qt's named colours; the
// light scheme has the few that the style would otherwise choose too faintly. Text colours meet
// a contrast of at least 4.5 : 1 on the backgrounds they are drawn on: white on black 21, white
// on midnightblue 14.8, whitesmoke on midnightblue 13.6, the dark link colour on midnightblue
// 6.4, whitesmoke on dimgray 5.0, whitesmoke on darkblue 14, white on royalblue 4.9, silver on
// midnightblue 8.2, dimgray on the light button grey 4.8. tst_colorroles checks every pair.
class ColorRoles final
{
public:
    ColorRoles() = delete;

    // Qt's named colours.
    static constexpr QColor BLACK{0x00, 0x00, 0x00};
    static constexpr QColor WHITE{0xff, 0xff, 0xff};
    static constexpr QColor WHITE_SMOKE{0xf5, 0xf5, 0xf5};
    static constexpr QColor SILVER{0xc0, 0xc0, 0xc0};
    static constexpr QColor DIM_GRAY{0x69, 0x69, 0x69};
    static constexpr QColor BLUE{0x00, 0x00, 0xff};
    static constexpr QColor DARK_BLUE{0x00, 0x00, 0x8b};
    static constexpr QColor NAVY{0x00, 0x00, 0x80};
    static constexpr QColor MIDNIGHT_BLUE{0x19, 0x19, 0x70};
    static constexpr QColor ROYAL_BLUE{0x41, 0x69, 0xe1};
    static constexpr QColor VIOLET{0xee, 0x82, 0xee};
    // The maker's own.
    static constexpr QColor SOFT_BLUE{114, 176, 234};
    static constexpr QColor TITLE_BLUE{0, 70, 213};
    static constexpr QColor DEEP_PURPLE{112, 13, 114};
    static constexpr QColor BRICK_RED{212, 43, 50};
    static constexpr QColor MOSS_GREEN{42, 126, 55};

    static constexpr QColor darkModeBackground() { return BLACK; }
    static constexpr QColor darkModeMenuText() { return WHITE; }
    static constexpr QColor darkModeMenu() { return MIDNIGHT_BLUE; }
    // The line around a dark menu.
    static QColor darkModeMenuBorder() { return MIDNIGHT_BLUE.darker(160); }
    static constexpr QColor darkModeDialogText() { return WHITE_SMOKE; }
    static constexpr QColor darkModeWindow() { return DIM_GRAY; }
    static constexpr QColor listDrop() { return DARK_BLUE; }
    // A selected row or menu item, under white text, in both schemes.
    static constexpr QColor selection() { return ROYAL_BLUE; }
    static constexpr QColor selectionText() { return WHITE; }
    // Text of a disabled control on the light scheme's backgrounds, and in a dark menu.
    static constexpr QColor disabledText() { return DIM_GRAY; }
    static constexpr QColor darkModeDisabledText() { return SILVER; }
    // Links, on a dark and on a light background.
    static constexpr QColor darkModeLink() { return SOFT_BLUE; }
    static QColor lightModeLink() { return BLUE.darker(143); }
    // The title of a separator row.
    static constexpr QColor separatorTitle() { return TITLE_BLUE; }
};

} // namespace quillmark::utils
