#pragma once

#include "IconLabel.h"
#include "MyConstants.h"
#include "ResourceBundle.h"

#include <QDateTime>
#include <QFont>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTimeZone>

#include <QLabel>

namespace quillmark::hrl {

class ClockNoteTip;
class UserPreferences;

// One clock: the zone's name (with its flag), time, UTC offset and date as four labels,
// kept current by updateDateTime(). The main window places the labels; they belong to
// whichever panel holds them, and this object deletes those no panel took.
class TimeZoneObject final
{
    Q_DISABLE_COPY_MOVE(TimeZoneObject)

public:
    static constexpr const QString &DEFAULT_DATE_PATTERN = MyConstants::DATE_PATTERN.defaultValue;
    static constexpr const QString &DEFAULT_TIME_PATTERN = MyConstants::TIME_PATTERN.defaultValue;

    // flagFileName: "flag-in.png", or a null string for a zone without a country.
    TimeZoneObject(const QString &zoneId, const QDateTime &instant, UserPreferences *uP, const QString &flagFileName,
                   const utils::ResourceBundle &labels);
    ~TimeZoneObject();

    void updateDateTime(const QDateTime &instant);

    utils::IconLabel *getNameLbl() const { return nameLbl; }
    QLabel *getTimeLbl() const { return timeLbl; }
    QLabel *getTimeZoneLbl() const { return timeZoneLbl; }
    QLabel *getDateLbl() const { return dateLbl; }
    QSize getObjectDimension() const { return objectDimension; }

    // How far the zone is from the computer's time and when its clocks change next, as of the
    // last update; put together anew on each call.
    QString note() const;
    // The note shows as the tooltip of this surface too (the panel that holds the labels).
    void attachNote(QWidget *surface);

    QString zoneId() const { return id; }
    QString displayName() const { return name; }
    bool currentFlagsSetting() const { return currentFlags; }

    // "+05:30" for a standard offset of five and a half hours; "+00:00" for none.
    static QString calculateOffset(int rawOffsetMs);
    // The part of the identifier after its last "/", with blanks for "_".
    static QString displayNameOf(const QString &zoneId);
    // A time font size that gives no positive small font, or an absurd one, reads as the default.
    static int usableTimeFontSize(int size);

private:
    void setDateLabelColor();
    QString flagPath(bool round) const;
    void describe(QLabel *label, const QString &what) const;

    UserPreferences *uP;
    QPointer<utils::IconLabel> nameLbl;
    QPointer<QLabel> timeLbl;
    QPointer<QLabel> timeZoneLbl;
    QPointer<QLabel> dateLbl;
    QTimeZone timeZone;
    utils::ResourceBundle labels;
    QPointer<ClockNoteTip> noteTip;
    QDateTime lastInstant;
    QString imageFileName;
    bool currentFlags = true;
    QSize objectDimension{0, 0};
    QFont myFont_vsm;
    QFont myFont_sm;
    QFont myFont;

    QString id;
    QString name;
    bool darkMode = false;
};

} // namespace quillmark::hrl
