#include "ClockArea.h"

#include "Clock.h"
#include "ClockColorRoles.h"
#include "ColorRoles.h"
#include "CountryCodes.h"
#include "LayoutUtils.h"
#include "LineBorderPanel.h"
#include "MigLayout.h"
#include "PaletteUtils.h"
#include "SecondsTimer.h"
#include "TimeZoneObject.h"
#include "UserPreferences.h"

#include <QDateTime>
#include <QLocale>
#include <QWidget>

#include <algorithm>

namespace quillmark::hrl {

using utils::ColorRoles;

namespace {

// 4 px between the area's edge and the clocks.
const QString AreaInsets = QStringLiteral("insets 4");
// A clock panel keeps 4 px all round inside its border, 6 on the leading side where the flag is.
const QString PanelInsetsLeftToRight = QStringLiteral("insets 4 6 4 4");
const QString PanelInsetsRightToLeft = QStringLiteral("insets 4 4 4 6");
// Each label of a clock is a centred row of its own: 2 px below each row, 5 below the date, the
// last, so that clocks in a column stand apart.
const QString LabelRow = QStringLiteral("align center, wrap 2");
const QString LastLabelRow = QStringLiteral("align center, wrap 5");

// getWindowSize reckons with a column of clocks. It is only the window's first size: packing
// replaces it with what the layout asks for. Per clock, 8 px for the gaps between its rows;
// across, 12 px for the insets beside the widest clock; below the last clock, 4 px.
constexpr int RowGapsPerClock = 8;
constexpr int InsetsAcross = 12;
constexpr int InsetBelow = 4;

utils::MigLayout *migLayout(QWidget *widget)
{
    return static_cast<utils::MigLayout *>(widget->layout());
}

} // namespace

ClockArea::ClockArea(QWidget *window, UserPreferences &uP, const utils::ResourceBundle &labels)
    : window(window)
    , uP(uP)
    , labels(labels)
{
}

ClockArea::~ClockArea()
{
    cancelTimer();
    // The labels go with their panels; the clock objects must not outlive them.
    delete area;
    timeZones_AL.clear();
}

void ClockArea::createLayout()
{
    if (uP.isVerticalLayout())
        createVerticalLayout();
    else
        createHorizontalLayout();

    cancelTimer();
    secondsTimer = std::make_unique<SecondsTimer>([this] { tick(); });
    secondsTimer->start();
}

void ClockArea::clear()
{
    // No tick may see the list while it is rebuilt.
    cancelTimer();
    delete area;
    area = nullptr;
    timeZones_AL.clear();
}

void ClockArea::cancelTimer()
{
    if (secondsTimer)
        secondsTimer->cancel();
}

void ClockArea::tick()
{
    const QDateTime instant = Clock::now();
    for (size_t i = 0; i < timeZones_AL.size(); ++i)
        timeZones_AL[i]->updateDateTime(instant);
}

QWidget *ClockArea::createClockArea()
{
    auto *panel = new QWidget(window);
    new utils::MigLayout(AreaInsets, QString(), QString(), panel);
    Q_EMIT surfaceCreated(panel);
    if (uP.isDarkMode())
        utils::PaletteUtils::setBackground(panel, ColorRoles::darkModeBackground());
    return panel;
}

void ClockArea::createTimeZoneObjects()
{
    const CountryCodes countryCodes;
    const QStringList zones = uP.getTimeZones();
    const QDateTime instant = Clock::now();
    for (const QString &zone : zones) {
        const QString code = countryCodes.findCountryCode(zone);
        const QString flag = code.isNull()
                                 ? QString()
                                 : QStringLiteral("flag-") + code.trimmed().toLower() + QStringLiteral(".png");
        timeZones_AL.push_back(std::make_unique<TimeZoneObject>(zone, instant, &uP, flag, labels));
    }
}

void ClockArea::createHorizontalLayout()
{
    area = createClockArea();
    createTimeZoneObjects();
    for (const auto &zone : timeZones_AL)
        migLayout(area)->addWidget(createClockPanel(zone.get()));
}

void ClockArea::createVerticalLayout()
{
    area = createClockArea();
    createTimeZoneObjects();
    utils::MigLayout *layout = migLayout(area);
    for (const auto &zone : timeZones_AL) {
        utils::LayoutUtils::addSeparatorRow(area, zone->getNameLbl());
        layout->addWidget(zone->getTimeLbl(), LabelRow);
        layout->addWidget(zone->getTimeZoneLbl(), LabelRow);
        layout->addWidget(zone->getDateLbl(), LastLabelRow);
    }
}

QWidget *ClockArea::createClockPanel(TimeZoneObject *zone)
{
    auto *panel = new utils::LineBorderPanel(ClockColorRoles::clockBorder(), area);
    const bool ltr = QLocale::system().textDirection() == Qt::LeftToRight;
    new utils::MigLayout(ltr ? PanelInsetsLeftToRight : PanelInsetsRightToLeft, QString(), QString(), panel);
    Q_EMIT surfaceCreated(panel);
    if (uP.isDarkMode())
        utils::PaletteUtils::setBackground(panel, ColorRoles::darkModeBackground());
    utils::MigLayout *layout = migLayout(panel);
    layout->addWidget(zone->getNameLbl(), LabelRow);
    layout->addWidget(zone->getTimeLbl(), LabelRow);
    layout->addWidget(zone->getTimeZoneLbl(), LabelRow);
    layout->addWidget(zone->getDateLbl(), LastLabelRow);
    zone->attachNote(panel);
    return panel;
}

QSize ClockArea::getWindowSize() const
{
    int width = 0;
    int height = 0;
    for (const auto &zone : timeZones_AL) {
        const QSize size = zone->getObjectDimension();
        width = std::max(width, size.width());
        height += size.height() + RowGapsPerClock;
    }
    return {width + InsetsAcross, height + InsetBelow};
}

} // namespace quillmark::hrl
