#include "UserPreferences.h"

#include "MyConstants.h"
#include "SystemZone.h"

namespace quillmark::hrl {

UserPreferences::UserPreferences(const QString &className)
    : NodePreferences(className)
{
}

QString UserPreferences::getDatePattern(const QString &defaultPattern) const
{
    return prefs.get(MyConstants::KEY_DATE_PATTERN, defaultPattern);
}

bool UserPreferences::setDatePattern(const QString &pattern)
{
    return prefs.put(MyConstants::KEY_DATE_PATTERN, pattern);
}

QString UserPreferences::getTimePattern(const QString &defaultPattern) const
{
    return prefs.get(MyConstants::KEY_TIME_PATTERN, defaultPattern);
}

bool UserPreferences::setTimePattern(const QString &pattern)
{
    return prefs.put(MyConstants::KEY_TIME_PATTERN, pattern);
}

bool UserPreferences::isVerticalLayout() const
{
    return prefs.getBool(MyConstants::KEY_VERTICAL_LAYOUT, true);
}

bool UserPreferences::setVerticalLayout(bool flag)
{
    return prefs.putBool(MyConstants::KEY_VERTICAL_LAYOUT, flag);
}

bool UserPreferences::isRoundFlags() const
{
    return prefs.getBool(MyConstants::KEY_ROUND_FLAGS, true);
}

bool UserPreferences::setRoundFlags(bool flag)
{
    return prefs.putBool(MyConstants::KEY_ROUND_FLAGS, flag);
}

int UserPreferences::getTimeFontSize() const
{
    return prefs.getInt(MyConstants::KEY_TIME_FONT_WIDTH, MyConstants::DEFAULT_FONT_WIDTH);
}

bool UserPreferences::setTimeFontSize(int size)
{
    return prefs.putInt(MyConstants::KEY_TIME_FONT_WIDTH, size);
}

bool UserPreferences::isOnTaskBar() const
{
    return prefs.getBool(MyConstants::KEY_ON_TASKBAR, false);
}

bool UserPreferences::setOnTaskBar(bool flag)
{
    return prefs.putBool(MyConstants::KEY_ON_TASKBAR, flag);
}

bool UserPreferences::isAlwaysOnTop() const
{
    return prefs.getBool(MyConstants::KEY_ALWAYS_ON_TOP, true);
}

bool UserPreferences::setAlwaysOnTop(bool flag)
{
    return prefs.putBool(MyConstants::KEY_ALWAYS_ON_TOP, flag);
}

bool UserPreferences::isDarkMode() const
{
    return prefs.getBool(MyConstants::KEY_DARK_MODE, false);
}

bool UserPreferences::setDarkMode(bool flag)
{
    return prefs.putBool(MyConstants::KEY_DARK_MODE, flag);
}

QString UserPreferences::defaultTimeZones(const QString &localId)
{
    const auto &presets = MyConstants::DEFAULT_TIME_ZONES;
    // Append a preset that does not already hold the local zone where possible; a substring test,
    // so a local zone that is part of a longer id counts as contained.
    const QString &preset = presets[0].contains(localId)   ? presets[1]
                            : presets[1].contains(localId) ? presets[2]
                            : presets[2].contains(localId) ? presets[3]
                                                           : presets[0];
    return localId + u';' + preset;
}

QStringList UserPreferences::getTimeZones() const
{
    const QString text = prefs.getJoined(MyConstants::KEY_TIME_ZONES, defaultTimeZones(SystemZone::id()));
    // A text without ";" is one id, even when empty; otherwise trailing empty parts are dropped.
    QStringList ids = text.split(u';');
    if (ids.size() > 1) {
        while (!ids.isEmpty() && ids.constLast().isEmpty())
            ids.removeLast();
    }
    return ids;
}

bool UserPreferences::setTimeZones(const QString &zones)
{
    return prefs.put(MyConstants::KEY_TIME_ZONES, zones);
}

void UserPreferences::removePreferences()
{
    prefs.remove(MyConstants::KEY_DATE_PATTERN);
    prefs.remove(MyConstants::KEY_TIME_PATTERN);
    prefs.remove(MyConstants::KEY_TIME_FONT_WIDTH);
    prefs.remove(MyConstants::KEY_VERTICAL_LAYOUT);
    prefs.remove(MyConstants::KEY_ROUND_FLAGS);
}

int UserPreferences::getHandler(const QString &key, int defaultValue) const
{
    return prefs.getInt(key, defaultValue);
}

bool UserPreferences::setHandler(const QString &key, int value)
{
    return prefs.putInt(key, value);
}

} // namespace quillmark::hrl
