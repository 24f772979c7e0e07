#pragma once

#include "GUIConstants.h"

#include <QString>

#include <array>

namespace quillmark::hrl {

// One setting of the store: the key it is kept under and what it reads as while nothing, or
// nothing readable, is stored there.
template <typename T> struct Setting
{
    QString key;
    T defaultValue;
};

// The clock program's settings, each key beside its default, and the name its preference node
// derives from. Here and not in app/, because UserPreferences reads them.
class MyConstants final
{
public:
    MyConstants() = delete;

    // The main class's fully qualified name; both preference stores derive their node from it.
    static inline const QString MAIN_CLASS = QStringLiteral("com.quillmark.hrl.HRL");

    // The patterns are kept under the shared library's keys, which GuiPreferences reads with
    // defaults of its own.
    static inline const Setting<QString> DATE_PATTERN{utils::GUIConstants::KEY_DATE_PATTERN,
                                                      QStringLiteral("yyyy-MM-dd")};
    static inline const Setting<QString> TIME_PATTERN{utils::GUIConstants::KEY_TIME_PATTERN, QStringLiteral("h:mm a")};
    static inline const Setting<bool> VERTICAL_LAYOUT{QStringLiteral("VerticalLayout"), true};
    static inline const Setting<bool> ROUND_FLAGS{QStringLiteral("RoundFlags"), true};
    // Holds the clock font size, despite its name.
    static inline const Setting<int> TIME_FONT_WIDTH{QStringLiteral("TimeFontWidth"), 18};
    static inline const Setting<bool> ON_TASKBAR{QStringLiteral("OnTaskBar"), false};
    static inline const Setting<bool> ALWAYS_ON_TOP{QStringLiteral("AlwaysOnTop"), true};
    static inline const Setting<bool> DARK_MODE{QStringLiteral("DarkMode"), false};
    // The ids joined with ";". Its default is the local zone followed by one of these presets,
    // chosen by UserPreferences::defaultTimeZones.
    static inline const Setting<std::array<QString, 4>> TIME_ZONES{
        QStringLiteral("TimeZones"),
        {
            QStringLiteral("America/New_York;Europe/London;Australia/Sydney"),
            QStringLiteral("America/Los_Angeles;Europe/London;Australia/Sydney"),
            QStringLiteral("America/New_York;Europe/Berlin;Australia/Sydney"),
            QStringLiteral("America/New_York;Europe/London;Asia/Hong_Kong"),
        }};
};

} // namespace quillmark::hrl
