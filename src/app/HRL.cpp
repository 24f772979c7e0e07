#include "HRL.h"

#include "AboutBoxDialog.h"
#include "Anchor.h"
#include "ColorRoles.h"
#include "CountryCodes.h"
#include "DateFormatter.h"
#include "FontUtils.h"
#include "FrameDragListener.h"
#include "LayoutUtils.h"
#include "LineBorderPanel.h"
#include "Logger.h"
#include "MessageBox.h"
#include "MigLayout.h"
#include "MyConstants.h"
#include "MyMenuItem.h"
#include "MySettings.h"
#include "SecondsTimer.h"
#include "SystemProperties.h"
#include "SystemUtils.h"
#include "TerminationWatcher.h"
#include "TimeZoneDialog.h"
#include "TimeZoneObject.h"
#include "Clock.h"
#include "UiDefaults.h"
#include "WindowPlacement.h"
#include "WindowStacking.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStyleFactory>
#include <QSystemTrayIcon>
#include <QTimer>

#include <cstdio>

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

const QString ExitCmd = QStringLiteral("Exit");
const QString ResetViewCmd = QStringLiteral("ResetView");
const QString AboutCmd = QStringLiteral("About");

// A plain line on standard output, not a trace line; one write, so it never interleaves.
void printLine(const QString &text)
{
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

// Menu texts are literal: an "&" of a translation is no mnemonic.
QString menuText(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u'&', QStringLiteral("&&"));
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
    utils::MessageBox::setButtonTexts(labels.getString(QStringLiteral("button.ok")),
                                      labels.getString(QStringLiteral("button.yes")),
                                      labels.getString(QStringLiteral("button.no")),
                                      labels.getString(QStringLiteral("button.cancel")));

    if (!(isWindows && gP.getFontVariableWidthSize() == 12 && gP.getFontFixedWidthSize() == 12))
        utils::FontUtils::handleAdjustFontRemoveBold(gP.getFontVariableWidthSize());

    setWindowTitle(labels.getString(QStringLiteral("hrl.name")));
    placeAtStoredPosition();
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
    frameDragListener = new FrameDragListener(this);
    frameDragListener->listenTo(this);

    addPopup();
    createLayout();
    attachPopup(this);
    applyOrientation();

    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    flags |= uP.isOnTaskBar() ? Qt::Window : Qt::Tool;
    if (uP.isAlwaysOnTop())
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);

    // The tray icon, or the box that says there is no tray, follows once the event loop runs:
    // the window is what the user waits for.
    QTimer::singleShot(0, this, [this] {
        if (QSystemTrayIcon::isSystemTrayAvailable()) {
            createSystemTray();
        } else {
            printLine(QStringLiteral("SystemTray is not supported"));
            showErrorBox(QStringLiteral("popup.error.systemtrayisnotsupported"));
        }
    });

    terminationWatcher = new TerminationWatcher(
        [this] {
            saveWindowSettings();
            dismiss();
        },
        this);

    adjustSize();
    // Whether the window can be seen there depends on its packed size.
    placeAtStoredPosition();
    show();
}

HRL::~HRL()
{
    if (secondsTimer)
        secondsTimer->cancel();
    // The icon refers to its menu until it is gone.
    delete trayIcon;
    trayIcon = nullptr;
    trayMenu.reset();
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
    const QPoint stored = gP.getMainWindowLocation(50, 50);
    uP.removePreferences();
    gP.removePreferences();
    // The monitor it was on may come back; until the user places the window, it is kept.
    if (atFallback)
        gP.setMainWindowLocation(stored.x(), stored.y());
}

void HRL::placeAt(const QPoint &position)
{
    placedAt = position;
    atFallback = false;
    move(position);
}

void HRL::placeAtStoredPosition()
{
    const QPoint stored = gP.getMainWindowLocation(50, 50);
    atFallback = !WindowPlacement::isReachableNow(stored, size());
    placedAt = atFallback ? WindowPlacement::fallbackNow() : stored;
    move(placedAt);
}

void HRL::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Some window managers report (0, 0) right after mapping a window that stands elsewhere;
    // only moves of a shown window count. A window manager also moves a window on its own when
    // the window does not fit where it was put (one taller than the screen, one that X11's 16-bit
    // coordinates cannot place): only the move of a window that lay all on a screen is the user's.
    if (isVisible() && event->pos() != QPoint(0, 0) && WindowPlacement::liesWithinNow(event->oldPos(), size()))
        placedAt = event->pos();
}

void HRL::saveWindowSettings()
{
    if (atFallback)
        return;
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
    // The old menu may be the one whose item is running this rebuild.
    if (shortPopup) {
        shortPopup->hide();
        shortPopup->deleteLater();
    }
    shortPopup = new QMenu(this);
    const utils::ActionListener listener = [this](const utils::ActionEvent &event) {
        actionPerformed(event.actionCommand);
    };
    const auto item = [&](const char *key, const QString &imagePath, const QString &command) {
        return utils::MyMenuItem::createMenuItemWithIcon(labels.getString(QString::fromLatin1(key)), imagePath,
                                                         listener, command, true, 0, 0, shortPopup);
    };
    QAction *timeZones = item("menu.timezones", QStringLiteral("images/16/accessories-clock-3.png"),
                              MyConstants::TimeZonesCmd);
    QAction *settings = item("menu.settings", QStringLiteral("images/16/preferences.png"), MyConstants::SettingsCmd);
    QAction *about = item("menu.about", QStringLiteral("images/16/") + iconName() + QStringLiteral(".png"), AboutCmd);
    // No image: a blank icon keeps its text in line with the others.
    QAction *resetGui = item("menu.resetgui", QString(), ResetViewCmd);
    QAction *exit = item("menu.exit", QStringLiteral("images/16/exit.gif"), ExitCmd);

    const bool dark = uP.isDarkMode();
    shortPopup->addAction(timeZones);
    shortPopup->addAction(settings);
    if (!dark)
        shortPopup->addSeparator();
    shortPopup->addAction(about);
    if (!dark)
        shortPopup->addSeparator();
    shortPopup->addAction(resetGui);
    if (!dark)
        shortPopup->addSeparator();
    shortPopup->addAction(exit);

    if (dark) {
        // Styles paint menus from palette roles of their own choosing (Fusion lightens the base,
        // native styles ignore the palette); a style sheet gives every style the same colours.
        // Its border and padding stand in for the frame the style sheet takes away.
        const QPalette palette = shortPopup->palette();
        shortPopup->setStyleSheet(
            QStringLiteral("QMenu { background-color: %1; color: %2; border: 1px solid %3; padding: 1px 5px; }"
                           "QMenu::item:selected { background-color: %4; color: %5; }")
                .arg(ColorRoles::darkModeMenu().name(), ColorRoles::darkModeMenuText().name(),
                     ColorRoles::darkModeMenu().darker(160).name(), palette.color(QPalette::Highlight).name(),
                     palette.color(QPalette::HighlightedText).name()));
    }
    shortPopup->setLayoutDirection(QLocale::system().textDirection());
}

void HRL::attachPopup(QWidget *widget)
{
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this, [this, widget](const QPoint &position) {
        if (shortPopup)
            shortPopup->popup(widget->mapToGlobal(position));
    });
}

void HRL::createSystemTray()
{
    trayMenu = std::make_unique<QMenu>();
    const auto item = [this](const char *key, auto run) {
        QAction *action = trayMenu->addAction(menuText(labels.getString(QString::fromLatin1(key))));
        connect(action, &QAction::triggered, this, run);
    };
    // The same commands as the pop-up menu's, but Settings leaves the dialog's dark-mode flag alone.
    item("menu.timezones", [this] { actionPerformed(MyConstants::TimeZonesCmd); });
    item("menu.settings", [this] { showSettings(false); });
    trayMenu->addSeparator();
    item("menu.about", [this] { actionPerformed(AboutCmd); });
    trayMenu->addSeparator();
    item("menu.resetgui", [this] { actionPerformed(ResetViewCmd); });
    trayMenu->addSeparator();
    item("menu.exit", [this] { actionPerformed(ExitCmd); });

    const QString name = labels.getString(QStringLiteral("hrl.name"));
    trayIcon = new QSystemTrayIcon(utils::Anchor::icon(QStringLiteral("images/16/") + iconName() + QStringLiteral(".png")),
                                   this);
    trayIcon->setToolTip(name);
    trayIcon->setContextMenu(trayMenu.get());
    connect(trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick)
            return;
        QMetaObject::invokeMethod(this, [this] { bringToFront(); }, Qt::QueuedConnection);
    });
    trayIcon->show();
    if (trayIcon->icon().isNull() || !trayIcon->isVisible()) {
        printLine(QStringLiteral("TrayIcon could not be added."));
        showErrorBox(QStringLiteral("popup.error.trayiconcouldnotbeadded"));
    }
}

void HRL::showErrorBox(const QString &textKey)
{
    utils::MessageBox::error(nullptr, labels.getString(textKey), labels.getString(QStringLiteral("popup.error")));
}

void HRL::bringToFront()
{
    raise();
    activateWindow();
}

void HRL::actionPerformed(const QString &command)
{
    if (command == MyConstants::TimeZonesCmd) {
        showTimeZoneDialog();
    } else if (command == MyConstants::SettingsCmd) {
        showSettings(true);
    } else if (command == ExitCmd) {
        saveWindowSettings();
        dismiss();
    } else if (command == ResetViewCmd) {
        removePreferences();
        resetView(true);
    } else if (command == AboutCmd) {
        showAbout();
    }
}

void HRL::runConfigurationDialog(QDialog *dialog)
{
    utils::WindowStacking::keepAbove(dialog, this);
    setTrayCommandsEnabled(false);
    dialog->exec();
    setTrayCommandsEnabled(true);
}

void HRL::setTrayCommandsEnabled(bool enabled)
{
    if (!trayMenu)
        return;
    const QList<QAction *> actions = trayMenu->actions();
    for (QAction *action : actions)
        action->setEnabled(enabled);
}

void HRL::showTimeZoneDialog()
{
    TimeZoneDialog dialog(gP, &uP, this, labels.getString(QStringLiteral("dialog.title.timezoneconfiguration")),
                          labels);
    runConfigurationDialog(&dialog);
    // The window is rebuilt where it stands.
    if (dialog.isDataChanged())
        resetView(false);
}

void HRL::showSettings(bool passDarkMode)
{
    MySettings dialog(labels, this);
    if (passDarkMode)
        dialog.setDarkMode(uP.isDarkMode());
    runConfigurationDialog(&dialog);
    if (dialog.isDataChanged())
        resetView(false);
}

void HRL::showAbout()
{
    // Not modal, so the tray can ask again while it is open: show the open one instead.
    if (aboutBox && aboutBox->isVisible()) {
        aboutBox->raise();
        aboutBox->activateWindow();
        return;
    }

    using utils::UiDefaults;
    const QString optionPaneBackground = QStringLiteral("OptionPane.background");
    const QString panelBackground = QStringLiteral("Panel.background");
    const QString labelForeground = QStringLiteral("Label.foreground");
    const QVariant savedOptionPane = UiDefaults::get(optionPaneBackground);
    const QVariant savedPanel = UiDefaults::get(panelBackground);
    const QVariant savedLabel = UiDefaults::get(labelForeground);
    const bool dark = uP.isDarkMode();
    if (dark) {
        UiDefaults::put(optionPaneBackground, ColorRoles::darkModeMenu());
        UiDefaults::put(panelBackground, ColorRoles::darkModeMenu());
        UiDefaults::put(labelForeground, ColorRoles::darkModeDialogText());
    }

    // The box takes its colours from the defaults above while it is built and, not being modal,
    // returns at once, so they can be put back right after.
    auto *box = new utils::AboutBoxDialog(this, labels.getString(QStringLiteral("hrl.name")), VERSION, RELEASE_DATE,
                                          COPYRIGHT_DATE, QStringLiteral("images/") + iconName() + QStringLiteral(".png"));
    connect(box, &QDialog::finished, box, &QObject::deleteLater);
    aboutBox = box;
    box->show();

    if (dark) {
        UiDefaults::put(optionPaneBackground, savedOptionPane);
        UiDefaults::put(panelBackground, savedPanel);
        UiDefaults::put(labelForeground, savedLabel);
    }
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
    attachPopup(area);
    frameDragListener->listenTo(area);
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
    attachPopup(panel);
    frameDragListener->listenTo(panel);
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
    addPopup();
    createLayout();
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, uP.isAlwaysOnTop());
    if (flags != windowFlags())
        setWindowFlags(flags);
    applyOrientation();
    adjustSize();
    if (restorePosition)
        placeAtStoredPosition();
    else
        move(placedAt);
    show();
}

} // namespace quillmark::hrl
