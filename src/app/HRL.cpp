#include "HRL.h"

#include "Anchor.h"
#include "ColorRoles.h"
#include "CountryCodes.h"
#include "DateFormatter.h"
#include "FontUtils.h"
#include "LayoutUtils.h"
#include "LineBorderPanel.h"
#include "Logger.h"
#include "MigLayout.h"
#include "SecondsTimer.h"
#include "SystemProperties.h"
#include "SystemUtils.h"
#include "TerminationWatcher.h"
#include "TimeZoneObject.h"
#include "Clock.h"
#include "UiDefaults.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStyleFactory>

namespace quillmark::hrl {

using utils::ColorRoles;
using utils::Logger;

const QString HRL::VERSION = QStringLiteral("1.0.0.2");
const QString HRL::RELEASE_DATE = QStringLiteral("2022/03/29");
const QString HRL::COPYRIGHT_DATE = QStringLiteral("2019-2022");
const QString HRL::WHO_AM_I = QStringLiteral("HRL");
const QString HRL::LANGUAGE = QStringLiteral("com.quillmark.hrl.lang/Lang");
const QString HRL::MAIN_CLASS = QStringLiteral("com.quillmark.hrl.HRL");

namespace {

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString iconName()
{
    return HRL::WHO_AM_I.toLower().trimmed();
}

} // namespace

HRL::HRL()
    : QWidget(nullptr)
    , gP(MAIN_CLASS)
    , uP(MAIN_CLASS)
{
    const QString os = utils::SystemProperties::get(QStringLiteral("os.name")).toLower();
    isMac = os.startsWith(u"mac");
    isWindows = os.startsWith(u"windows");

    mySetLocale(QLocale::system());

    if (!(isWindows && gP.getFontVariableWidthSize() == 12 && gP.getFontFixedWidthSize() == 12))
        utils::FontUtils::handleAdjustFontRemoveBold(gP.getFontVariableWidthSize());

    setWindowTitle(labels.getString(QStringLiteral("hrl.name")));
    placeAt(gP.getMainWindowLocation(50, 50));
    setWindowIcon(utils::Anchor::icon(QStringLiteral("images/") + iconName() + QStringLiteral(".png")));

    if (isMac) {
        utils::SystemProperties::set(QStringLiteral("apple.laf.useScreenMenuBar"), QStringLiteral("true"));
        utils::SystemProperties::set(QStringLiteral("com.apple.mrj.application.apple.menu.about.name"),
                                     labels.getString(QStringLiteral("hrl.name")));
    }
    // The platform's own look where there is one; Fusion elsewhere.
    if (isMac || isWindows) {
        if (QStyle *style = QStyleFactory::create(isMac ? QStringLiteral("macOS") : QStringLiteral("windowsvista")))
            QApplication::setStyle(style);
    } else if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(style);
    }
    utils::SystemUtils::loadHNAndCHNasProperties();
    utils::UiDefaults::put(QStringLiteral("swing.boldMetal"), false);

    new utils::MigLayout(QStringLiteral("insets 4"), QString(), QString(), this);

    addPopup();
    createLayout();
    applyOrientation();

    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    flags |= uP.isOnTaskBar() ? Qt::Window : Qt::Tool;
    if (uP.isAlwaysOnTop())
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);

    terminationWatcher = new TerminationWatcher(
        [this] {
            saveWindowSettings();
            dismiss();
        },
        this);

    adjustSize();
    placeAt(placedAt);
    show();
}

HRL::~HRL()
{
    if (secondsTimer)
        secondsTimer->cancel();
    // The labels go with their panels; the clock objects must not outlive them.
    delete clockArea;
    timeZones_AL.clear();
}

void HRL::mySetLocale(const QLocale &locale)
{
    labels = utils::ResourceBundle::getBundle(LANGUAGE, locale);
    DateFormatter::setLocale(locale.name());
}

void HRL::removePreferences()
{
    uP.removePreferences();
    gP.removePreferences();
}

void HRL::placeAt(const QPoint &position)
{
    placedAt = position;
    move(position);
}

void HRL::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Some window managers report (0, 0) right after mapping a window that stands elsewhere;
    // only moves of a shown window count.
    if (isVisible() && event->pos() != QPoint(0, 0))
        placedAt = event->pos();
}

void HRL::saveWindowSettings()
{
    const int x = std::max(0, placedAt.x());
    const int y = std::max(0, placedAt.y());
    gP.setMainWindowLocation(x, y);
}

void HRL::dismiss()
{
    if (ending)
        return;
    ending = true;
    if (secondsTimer)
        secondsTimer->cancel();
    hide();
    QCoreApplication::exit(0);
}

void HRL::closeEvent(QCloseEvent *event)
{
    saveWindowSettings();
    dismiss();
    event->accept();
}

void HRL::addPopup()
{
    // The menus and their commands are built with the tray; until then the window has none.
    delete shortPopup;
    shortPopup = nullptr;
}

void HRL::applyOrientation()
{
    const Qt::LayoutDirection direction = QLocale::system().textDirection();
    setLayoutDirection(direction);
    if (shortPopup)
        shortPopup->setLayoutDirection(direction);
}

void HRL::createLayout()
{
    if (uP.isVerticalLayout())
        createVerticalLayout();
    else
        createHorizontalLayout();

    if (secondsTimer)
        secondsTimer->cancel();
    secondsTimer = std::make_unique<SecondsTimer>([this] { tick(); });
    secondsTimer->start();
}

void HRL::tick()
{
    const QDateTime instant = Clock::now();
    for (size_t i = 0; i < timeZones_AL.size(); ++i)
        timeZones_AL[i]->updateDateTime(instant);
}

QWidget *HRL::createClockArea()
{
    auto *area = new QWidget(this);
    new utils::MigLayout(QStringLiteral("insets 4"), QString(), QString(), area);
    if (uP.isDarkMode()) {
        setBackground(this, ColorRoles::darkModeWindow());
        setBackground(area, ColorRoles::darkModeBackground());
    }
    return area;
}

void HRL::createTimeZoneObjects()
{
    const CountryCodes countryCodes;
    const QStringList zones = uP.getTimeZones();
    const QDateTime instant = Clock::now();
    for (const QString &zone : zones) {
        const QString code = countryCodes.findCountryCode(zone);
        const QString flag = code.isNull() ? QString() : QStringLiteral("flag-") + code.trimmed().toLower() + QStringLiteral(".png");
        timeZones_AL.push_back(std::make_unique<TimeZoneObject>(zone, instant, &uP, flag, labels));
    }
}

void HRL::createHorizontalLayout()
{
    clockArea = createClockArea();
    auto *layout = static_cast<utils::MigLayout *>(clockArea->layout());
    createTimeZoneObjects();
    for (const auto &zone : timeZones_AL)
        layout->addWidget(createClockPanel(zone.get()));
    resize(getWindowSize());
    static_cast<utils::MigLayout *>(this->layout())->addWidget(clockArea);
}

void HRL::createVerticalLayout()
{
    clockArea = createClockArea();
    auto *layout = static_cast<utils::MigLayout *>(clockArea->layout());
    createTimeZoneObjects();
    resize(getWindowSize());
    for (const auto &zone : timeZones_AL) {
        utils::LayoutUtils::addSeparatorRow(clockArea, zone->getNameLbl());
        layout->addWidget(zone->getTimeLbl(), QStringLiteral("align center, wrap 2"));
        layout->addWidget(zone->getTimeZoneLbl(), QStringLiteral("align center, wrap 2"));
        layout->addWidget(zone->getDateLbl(), QStringLiteral("align center, wrap 5"));
    }
    static_cast<utils::MigLayout *>(this->layout())->addWidget(clockArea);
}

QWidget *HRL::createClockPanel(TimeZoneObject *zone)
{
    auto *panel = new utils::LineBorderPanel(ColorRoles::clockBorder(), clockArea);
    const bool ltr = QLocale::system().textDirection() == Qt::LeftToRight;
    // The wider inset stands on the leading side.
    new utils::MigLayout(ltr ? QStringLiteral("insets 4 6 4 4") : QStringLiteral("insets 4 4 4 6"), QString(), QString(),
                         panel);
    if (uP.isDarkMode())
        setBackground(panel, ColorRoles::darkModeBackground());
    auto *layout = static_cast<utils::MigLayout *>(panel->layout());
    layout->addWidget(zone->getNameLbl(), QStringLiteral("align center, wrap 2"));
    layout->addWidget(zone->getTimeLbl(), QStringLiteral("align center, wrap 2"));
    layout->addWidget(zone->getTimeZoneLbl(), QStringLiteral("align center, wrap 2"));
    layout->addWidget(zone->getDateLbl(), QStringLiteral("align center, wrap 5"));
    return panel;
}

QSize HRL::getWindowSize() const
{
    int width = 0;
    int height = 0;
    for (const auto &zone : timeZones_AL) {
        const QSize size = zone->getObjectDimension();
        width = std::max(width, size.width());
        height += size.height() + 8;
    }
    return {width + 12, height + 4};
}

void HRL::resetView(bool restorePosition)
{
    hide();
    // No tick may see the list while it is rebuilt.
    if (secondsTimer)
        secondsTimer->cancel();
    delete clockArea;
    clockArea = nullptr;
    timeZones_AL.clear();
    setPalette(QPalette());
    setAutoFillBackground(false);
    if (restorePosition)
        placeAt(gP.getMainWindowLocation(50, 50));
    addPopup();
    createLayout();
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, uP.isAlwaysOnTop());
    if (flags != windowFlags())
        setWindowFlags(flags);
    applyOrientation();
    adjustSize();
    move(placedAt);
    show();
}

} // namespace quillmark::hrl
