#pragma once

#include "ColorRoles.h"

#include <QColor>

namespace quillmark::hrl {

// The clocks' own colour roles, taken from the shared colours of utils::ColorRoles. The dialogs'
// lists use the clock border colour too. Contrasts: whitesmoke on dimgray 5.0 (and dimgray on
// whitesmoke), navy on the light window grey 13, violet on black 9.
class ClockColorRoles final
{
public:
    ClockColorRoles() = delete;

    static constexpr QColor clockBorder() { return utils::ColorRoles::DIM_GRAY; }
    static constexpr QColor lightModeZoneName() { return utils::ColorRoles::NAVY; }
    static constexpr QColor darkModeZoneName() { return utils::ColorRoles::SOFT_BLUE; }
    // The UTC offset, in both schemes.
    static constexpr QColor offset() { return utils::ColorRoles::MOSS_GREEN; }
    // The date of a zone that is a day ahead of the computer's, a day behind, or on the same day.
    static constexpr QColor darkModeNextDay() { return utils::ColorRoles::VIOLET; }
    static constexpr QColor lightModeNextDay() { return utils::ColorRoles::DEEP_PURPLE; }
    static constexpr QColor previousDay() { return utils::ColorRoles::BRICK_RED; }
    static constexpr QColor lightModeSameDay() { return utils::ColorRoles::BLACK; }
};

} // namespace quillmark::hrl
