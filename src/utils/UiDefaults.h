#pragma once

#include <QColor>
#include <QString>
#include <QVariant>

namespace quillmark::utils {

// The process-wide table of look defaults that panels and message boxes read
// ("Panel.background", "OptionPane.background", "OptionPane.messageForeground",
// "Label.foreground", "swing.boldMetal"). Dialogs set keys while open and put them back.
// GUI thread only.
class UiDefaults final
{
public:
    UiDefaults() = delete;

    static QVariant get(const QString &key);
    static QColor getColor(const QString &key);
    static void put(const QString &key, const QVariant &value);
    // Back to the values taken from the application palette (tests).
    static void reset();
};

} // namespace quillmark::utils
