#pragma once

#include "PreferencesBase.h"

#include <QString>
#include <QStringList>

namespace quillmark::hrl {

// Typed access to the clock program's own settings. Nothing is cached: each getter reads the
// store and each setter writes it at once, so instances on one node always agree. A setter
// returns false when the store did not take the value.
class UserPreferences final : public utils::PreferencesBase
{
public:
    // className is the fully qualified name of the main class, "com.quillmark.hrl.HRL".
    explicit UserPreferences(const QString &className);
    Q_DISABLE_COPY_MOVE(UserPreferences)

    QString getDatePattern(const QString &defaultPattern) const;
    bool setDatePattern(const QString &pattern);
    QString getTimePattern(const QString &defaultPattern) const;
    bool setTimePattern(const QString &pattern);

    bool isVerticalLayout() const;
    bool setVerticalLayout(bool flag);
    bool isRoundFlags() const;
    bool setRoundFlags(bool flag);
    // Stored under "TimeFontWidth".
    int getTimeFontSize() const;
    bool setTimeFontSize(int size);
    bool isOnTaskBar() const;
    bool setOnTaskBar(bool flag);
    bool isAlwaysOnTop() const;
    bool setAlwaysOnTop(bool flag);
    bool isDarkMode() const;
    bool setDarkMode(bool flag);

    // The stored ids in stored order; without a stored list, the local zone followed by a preset.
    QStringList getTimeZones() const;
    // The ids already joined with ";".
    bool setTimeZones(const QString &zones);

    // Resets patterns, font size, layout and flag shape; keeps the zones and the window flags.
    void removePreferences();

    // Beside the shared pass-through accessors, 32-bit ones.
    using PreferencesBase::getHandler;
    using PreferencesBase::setHandler;
    int getHandler(const QString &key, int defaultValue) const;
    bool setHandler(const QString &key, int value);

    // The default zone list for a local zone: the id, ";" and the preset chosen for it.
    static QString defaultTimeZones(const QString &localId);
};

} // namespace quillmark::hrl
