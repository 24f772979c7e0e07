#pragma once

#include "NodePreferences.h"

#include <QString>
#include <QStringList>

namespace quillmark::hrl {

// Typed access to the clock program's own settings. Nothing is cached: each getter reads the
// store and each setter writes it at once, so instances on one node always agree.
class UserPreferences final : public utils::NodePreferences
{
public:
    // className is the fully qualified name of the main class, "com.quillmark.hrl.HRL".
    explicit UserPreferences(const QString &className);
    Q_DISABLE_COPY_MOVE(UserPreferences)

    QString getDatePattern(const QString &defaultPattern) const;
    void setDatePattern(const QString &pattern);
    QString getTimePattern(const QString &defaultPattern) const;
    void setTimePattern(const QString &pattern);

    bool isVerticalLayout() const;
    void setVerticalLayout(bool flag);
    bool isRoundFlags() const;
    void setRoundFlags(bool flag);
    // Stored under "TimeFontWidth".
    int getTimeFontSize() const;
    void setTimeFontSize(int size);
    bool isOnTaskBar() const;
    void setOnTaskBar(bool flag);
    bool isAlwaysOnTop() const;
    void setAlwaysOnTop(bool flag);
    bool isDarkMode() const;
    void setDarkMode(bool flag);

    // The stored ids in stored order; without a stored list, the local zone followed by a preset.
    QStringList getTimeZones() const;
    // The ids already joined with ";".
    void setTimeZones(const QString &zones);

    // Resets patterns, font size, layout and flag shape; keeps the zones and the window flags.
    void removePreferences();

    // Beside the shared pass-through accessors, 32-bit ones.
    using NodePreferences::getHandler;
    using NodePreferences::setHandler;
    int getHandler(const QString &key, int defaultValue) const;
    void setHandler(const QString &key, int value);

    // The default zone list for a local zone: the id, ";" and the preset chosen for it.
    static QString defaultTimeZones(const QString &localId);
};

} // namespace quillmark::hrl
