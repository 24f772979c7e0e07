#pragma once

#include <QColor>

namespace quillmark::hrl {

// The clocks' own fixed colours, beside the shared ones of utils::ColorRoles. The dialogs' lists
// use the clock border colour too. Contrasts: whitesmoke on dimgray 5.0 (and dimgray on
// whitesmoke), navy on the light window grey 13, violet on black 9.
class ClockColorRoles final
{
public:
    ClockColorRoles() = delete;

    static QColor clockBorder() { return QColor(0x69, 0x69, 0x69); }       // dimgray
    static QColor lightModeZoneName() { return QColor(0x00, 0x00, 0x80); } // navy
    static QColor darkModeNextDay() { return QColor(0xee, 0x82, 0xee); }   // violet
};

} // namespace quillmark::hrl
