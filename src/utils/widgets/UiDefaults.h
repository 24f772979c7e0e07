#pragma once

#include <QColor>
#include <QString>
#include <QVariant>

namespace quillmark::utils {

// The process-wide table of look defaults that panels and message boxes read. Dialogs set keys
// while open and put them back. GUI thread only.
class UiDefaults final
{
public:
    UiDefaults() = delete;

    // The keys of the table.
    static inline const QString PANEL_BACKGROUND = QStringLiteral("Panel.background");
    static inline const QString OPTION_PANE_BACKGROUND = QStringLiteral("OptionPane.background");
    static inline const QString OPTION_PANE_MESSAGE_FOREGROUND = QStringLiteral("OptionPane.messageForeground");
    static inline const QString LABEL_FOREGROUND = QStringLiteral("Label.foreground");
    // Whether the default fonts are bold.
    static inline const QString BOLD_METAL = QStringLiteral("swing.boldMetal");

    static QVariant get(const QString &key);
    static QColor getColor(const QString &key);
    static void put(const QString &key, const QVariant &value);
    // Back to the values taken from the application palette (tests).
    static void reset();
};

} // namespace quillmark::utils
