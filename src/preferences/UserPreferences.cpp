#include "UserPreferences.h"

#include "MyConstants.h"
#include "SystemZone.h"

namespace quillmark::hrl {

namespace {

// A setting as stored, or its default.
bool read(const utils::PreferencesNode &prefs, const Setting<bool> &setting)
{
    return prefs.getBool(setting.key, setting.defaultValue);
}

int read(const utils::PreferencesNode &prefs, const Setting<int> &setting)
{
    return prefs.getInt(setting.key, setting.defaultValue);
}

} // namespace

UserPreferences::UserPreferences(const QString &className)
    : PreferencesBase(className)
{
}

QString UserPreferences::getDatePattern(const QString &defaultPattern) const
{
    return prefs.get(MyConstants::DATE_PATTERN.key, defaultPattern);
}

bool UserPreferences::setDatePattern(const QString &pattern)
{
    return prefs.put(MyConstants::DATE_PATTERN.key, pattern);
}

QString UserPreferences::getTimePattern(const QString &defaultPattern) const
{
    return prefs.get(MyConstants::TIME_PATTERN.key, defaultPattern);
}

bool UserPreferences::setTimePattern(const QString &pattern)
{
    return prefs.put(MyConstants::TIME_PATTERN.key, pattern);
}

bool UserPreferences::isVerticalLayout() const
{
    return read(prefs, MyConstants::VERTICAL_LAYOUT);
}

bool UserPreferences::setVerticalLayout(bool flag)
{
    return prefs.putBool(MyConstants::VERTICAL_LAYOUT.key, flag);
}

bool UserPreferences::isRoundFlags() const
{
    return read(prefs, MyConstants::ROUND_FLAGS);
}

bool UserPreferences::setRoundFlags(bool flag)
{
    return prefs.putBool(MyConstants::ROUND_FLAGS.key, flag);
}

int UserPreferences::getTimeFontSize() const
{
    return read(prefs, MyConstants::TIME_FONT_WIDTH);
}

bool UserPreferences::setTimeFontSize(int size)
{
    return prefs.putInt(MyConstants::TIME_FONT_WIDTH.key, size);
}

bool UserPreferences::isOnTaskBar() const
{
    return read(prefs, MyConstants::ON_TASKBAR);
}

bool UserPreferences::setOnTaskBar(bool flag)
{
    return prefs.putBool(MyConstants::ON_TASKBAR.key, flag);
}

bool UserPreferences::isAlwaysOnTop() const
{
    return read(prefs, MyConstants::ALWAYS_ON_TOP);
}

bool UserPreferences::setAlwaysOnTop(bool flag)
{
    return prefs.putBool(MyConstants::ALWAYS_ON_TOP.key, flag);
}

bool UserPreferences::isDarkMode() const
{
    return read(prefs, MyConstants::DARK_MODE);
}

bool UserPreferences::setDarkMode(bool flag)
{
    return prefs.putBool(MyConstants::DARK_MODE.key, flag);
}

QString UserPreferences::defaultTimeZones(const QString &localId)
{
    const auto &presets = MyConstants::TIME_ZONES.defaultValue;
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
    const QString text = prefs.getJoined(MyConstants::TIME_ZONES.key, defaultTimeZones(SystemZone::id()));
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
    return prefs.put(MyConstants::TIME_ZONES.key, zones);
}

void UserPreferences::removePreferences()
{
    prefs.remove(MyConstants::DATE_PATTERN.key);
    prefs.remove(MyConstants::TIME_PATTERN.key);
    prefs.remove(MyConstants::TIME_FONT_WIDTH.key);
    prefs.remove(MyConstants::VERTICAL_LAYOUT.key);
    prefs.remove(MyConstants::ROUND_FLAGS.key);
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
