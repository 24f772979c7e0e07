#include "TimeZoneObject.h"

#include "Anchor.h"
#include "Clock.h"
#include "ClockColorRoles.h"
#include "ClockNote.h"
#include "ClockNoteTip.h"
#include "ColorRoles.h"
#include "DateFormatter.h"
#include "FontUtils.h"
#include "IconLabel.h"
#include "MyConstants.h"
#include "PaletteUtils.h"
#include "ResourceBundle.h"
#include "StringUtils.h"
#include "UserPreferences.h"
#include "ZoneDatabase.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>

#include <algorithm>
#include <cstdlib>

namespace quillmark::hrl {

using utils::ColorRoles;
using utils::PaletteUtils;

namespace {

void setFontIfChanged(QLabel *label, const QFont &font)
{
    if (label->font() != font)
        label->setFont(font);
}

} // namespace

int TimeZoneObject::usableTimeFontSize(int size)
{
    return (size - 6 <= 0 || size > 200) ? MyConstants::TIME_FONT_WIDTH.defaultValue : size;
}

QString TimeZoneObject::calculateOffset(int rawOffsetMs)
{
    if (rawOffsetMs == 0)
        return QStringLiteral("+00:00");
    const long long magnitude = std::llabs(static_cast<long long>(rawOffsetMs));
    const long long hours = magnitude / 3600000;
    const long long minutes = (magnitude / 60000) % 60;
    return QString(rawOffsetMs < 0 ? u'-' : u'+')
           + QStringLiteral("%1:%2").arg(hours, 2, 10, QLatin1Char('0')).arg(minutes, 2, 10, QLatin1Char('0'));
}

QString TimeZoneObject::displayNameOf(const QString &zoneId)
{
    const QString last = zoneId.mid(zoneId.lastIndexOf(u'/') + 1);
    return utils::StringUtils::replaceAll(last, QStringLiteral("_"), QStringLiteral(" "));
}

TimeZoneObject::TimeZoneObject(const QString &zoneId, const QDateTime &instant, UserPreferences *prefs,
                               const QString &flagFileName, const utils::ResourceBundle &labels)
    : uP(prefs)
    , labels(labels)
    , lastInstant(instant)
    , imageFileName(flagFileName)
    , id(zoneId)
{
    darkMode = uP->isDarkMode();

    const QFont labelFont = QApplication::font("QLabel");
    const int T = usableTimeFontSize(uP->getTimeFontSize());
    myFont_vsm = labelFont;
    myFont_vsm.setPointSize(T - 6);
    myFont_sm = labelFont;
    myFont_sm.setPointSize(T - 4);
    myFont = labelFont;
    myFont.setPointSize(T);

    const QString datePattern = uP->getDatePattern(DEFAULT_DATE_PATTERN);
    const QString timePattern = uP->getTimePattern(DEFAULT_TIME_PATTERN);
    timeZone = ZoneDatabase::zone(zoneId);
    const QString offsetText = calculateOffset(ZoneDatabase::standardOffsetMs(timeZone, instant));
    name = displayNameOf(zoneId);

    nameLbl = new utils::IconLabel(name);
    nameLbl->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    if (!imageFileName.isNull()) {
        currentFlags = uP->isRoundFlags();
        const QString path = flagPath(currentFlags);
        if (utils::Anchor::exists(path)) {
            const bool ltr = QGuiApplication::layoutDirection() == Qt::LeftToRight;
            nameLbl->setAlignment((ltr ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            nameLbl->setIcon(utils::Anchor::icon(path));
            objectDimension = QSize(16, 16);
        }
    }
    nameLbl->setFont(myFont_sm);
    PaletteUtils::setForeground(nameLbl,
                                darkMode ? ClockColorRoles::darkModeZoneName() : ClockColorRoles::lightModeZoneName());

    timeLbl = new QLabel(DateFormatter::formatOr(timePattern, DEFAULT_TIME_PATTERN, instant, timeZone));
    timeLbl->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    timeLbl->setFont(myFont);
    // Set in both modes, so the time keeps its colour while a dialog holds the window disabled.
    PaletteUtils::setForeground(timeLbl,
                                darkMode ? ColorRoles::darkModeMenuText()
                                         : QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText));

    timeZoneLbl = new QLabel(labels.getString(QStringLiteral("lbl.utc")) + offsetText);
    timeZoneLbl->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    timeZoneLbl->setFont(myFont_vsm);
    PaletteUtils::setForeground(timeZoneLbl, ClockColorRoles::offset());

    dateLbl = new QLabel(DateFormatter::formatOr(datePattern, DEFAULT_DATE_PATTERN, instant, timeZone));
    dateLbl->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    dateLbl->setFont(myFont_sm);
    setDateLabelColor();

    // A screen reader says the label's text (its name) followed by this description.
    describe(nameLbl, QStringLiteral("zone"));
    describe(timeLbl, QStringLiteral("time"));
    describe(timeZoneLbl, QStringLiteral("UTC offset"));
    describe(dateLbl, QStringLiteral("date"));

    noteTip = new ClockNoteTip([this] { return note(); }, nameLbl);
    for (QLabel *label : {timeLbl.data(), timeZoneLbl.data(), dateLbl.data()})
        noteTip->listenTo(label);

    int widest = 0;
    int heights = 0;
    for (QLabel *label : {static_cast<QLabel *>(nameLbl.data()), timeLbl.data(), timeZoneLbl.data(), dateLbl.data()}) {
        const QSize size = utils::FontUtils::getDimension(label->text(), label);
        widest = std::max(widest, size.width());
        heights += size.height();
    }
    objectDimension += QSize(widest + 20, heights);
}

TimeZoneObject::~TimeZoneObject()
{
    // Labels that a panel took went with it; delete the others.
    delete nameLbl.data();
    delete timeLbl.data();
    delete timeZoneLbl.data();
    delete dateLbl.data();
}

QString TimeZoneObject::note() const
{
    return ClockNote::text(ClockNote::facts(timeZone, ZoneDatabase::localZone(), lastInstant), labels,
                           DateFormatter::localeName());
}

void TimeZoneObject::attachNote(QWidget *surface)
{
    if (noteTip)
        noteTip->listenTo(surface);
}

void TimeZoneObject::describe(QLabel *label, const QString &what) const
{
    label->setAccessibleDescription(name + QStringLiteral(", ") + what);
}

QString TimeZoneObject::flagPath(bool round) const
{
    return (round ? QStringLiteral("images/flags-round/") : QStringLiteral("images/flags-rectangle/")) + imageFileName;
}

void TimeZoneObject::updateDateTime(const QDateTime &instant)
{
    if (!timeLbl || !dateLbl || !nameLbl)
        return;
    lastInstant = instant;
    const QString datePattern = uP->getDatePattern(DEFAULT_DATE_PATTERN);
    const QString timePattern = uP->getTimePattern(DEFAULT_TIME_PATTERN);

    if (!imageFileName.isNull()) {
        const bool round = uP->isRoundFlags();
        if (round != currentFlags) {
            // A style without this flag keeps the old one and tries again next time.
            const QString path = flagPath(round);
            if (utils::Anchor::exists(path)) {
                nameLbl->setIcon(utils::Anchor::icon(path));
                currentFlags = round;
            }
        }
    }

    timeLbl->setText(DateFormatter::formatOr(timePattern, DEFAULT_TIME_PATTERN, instant, timeZone));
    setFontIfChanged(timeLbl, myFont);
    dateLbl->setText(DateFormatter::formatOr(datePattern, DEFAULT_DATE_PATTERN, instant, timeZone));
    setFontIfChanged(dateLbl, myFont_sm);
    setDateLabelColor();
}

void TimeZoneObject::setDateLabelColor()
{
    const QDateTime now = Clock::now();
    const int localKey = ZoneDatabase::dayKey(now, ZoneDatabase::localZone());
    const int zoneKey = ZoneDatabase::dayKey(now, timeZone);
    const bool dark = uP->isDarkMode();
    QColor color;
    if (localKey < zoneKey)
        color = dark ? ClockColorRoles::darkModeNextDay() : ClockColorRoles::lightModeNextDay();
    else if (localKey > zoneKey)
        color = ClockColorRoles::previousDay();
    else
        color = dark ? ColorRoles::darkModeMenuText() : ClockColorRoles::lightModeSameDay();
    PaletteUtils::setForeground(dateLbl, color);
}

} // namespace quillmark::hrl
