#pragma once

#include <QString>

namespace quillmark::hrl {

// The command strings of the main window's menus, which HRL::actionPerformed dispatches on.
class Commands final
{
public:
    Commands() = delete;

    static inline const QString TimeZonesCmd = QStringLiteral("TimeZones");
    static inline const QString SettingsCmd = QStringLiteral("Settings");
    static inline const QString AboutCmd = QStringLiteral("About");
    static inline const QString ResetViewCmd = QStringLiteral("ResetView");
    static inline const QString ExitCmd = QStringLiteral("Exit");
};

} // namespace quillmark::hrl
