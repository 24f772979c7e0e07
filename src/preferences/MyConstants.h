#pragma once

#include <QString>

#include <array>

namespace quillmark::hrl {

// The clock program's preference keys and their defaults, and the name its preference node
// derives from. Here and not in app/, because UserPreferences reads them.
class MyConstants final
{
public:
    MyConstants() = delete;

    // The main class's fully qualified name; both preference stores derive their node from it.
    static inline const QString MAIN_CLASS = QStringLiteral("com.quillmark.hrl.HRL");

    static inline const QString KEY_DATE_PATTERN = QStringLiteral("DatePattern");
    static inline const QString KEY_TIME_PATTERN = QStringLiteral("TimePattern");
    static inline const QString KEY_VERTICAL_LAYOUT = QStringLiteral("VerticalLayout");
    static inline const QString KEY_ROUND_FLAGS = QStringLiteral("RoundFlags");
    // Holds the clock font size, despite its name.
    static inline const QString KEY_TIME_FONT_WIDTH = QStringLiteral("TimeFontWidth");
    static inline const QString KEY_ON_TASKBAR = QStringLiteral("OnTaskBar");
    static inline const QString KEY_ALWAYS_ON_TOP = QStringLiteral("AlwaysOnTop");
    static inline const QString KEY_TIME_ZONES = QStringLiteral("TimeZones");
    static inline const QString KEY_DARK_MODE = QStringLiteral("DarkMode");

    static inline const QString DEFAULT_DATE_PATTERN = QStringLiteral("yyyy-MM-dd");
    static inline const QString DEFAULT_TIME_PATTERN = QStringLiteral("h:mm a");
    static constexpr int DEFAULT_FONT_WIDTH = 18;

    // Presets appended to the local zone to make the default zone list (see UserPreferences).
    static inline const std::array<QString, 4> DEFAULT_TIME_ZONES = {
        QStringLiteral("America/New_York;Europe/London;Australia/Sydney"),
        QStringLiteral("America/Los_Angeles;Europe/London;Australia/Sydney"),
        QStringLiteral("America/New_York;Europe/Berlin;Australia/Sydney"),
        QStringLiteral("America/New_York;Europe/London;Asia/Hong_Kong"),
    };
};

} // namespace quillmark::hrl
