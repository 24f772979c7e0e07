#include "HRL.h"

#include "AboutBoxDialog.h"
#include "Anchor.h"
#include "ClockArea.h"
#include "ColorRoles.h"
#include "Commands.h"
#include "DateFormatter.h"
#include "FontUtils.h"
#include "FrameDragListener.h"
#include "Logger.h"
#include "MessageBox.h"
#include "MigLayout.h"
#include "MyConstants.h"
#include "MyMenuItem.h"
#include "MySettings.h"
#include "PaletteUtils.h"
#include "ProgramInfo.h"
#include "SystemProperties.h"
#include "SystemUtils.h"
#include "TerminationWatcher.h"
#include "TimeZoneDialog.h"
#include "UiDefaults.h"
#include "WindowPlacement.h"
#include "WindowStacking.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLocale>
#include <QMenu>
#include <QStyleFactory>
#include <QSystemTrayIcon>
#include <QTimer>

#include <array>

namespace quillmark::hrl {

using utils::ColorRoles;

const QString HRL::VERSION = ProgramInfo::VERSION;
const QString HRL::RELEASE_DATE = ProgramInfo::RELEASE_DATE;
const QString HRL::COPYRIGHT_DATE = ProgramInfo::COPYRIGHT_DATE;
const QString HRL::WHO_AM_I = QStringLiteral("HRL");
const QString HRL::LANGUAGE = QStringLiteral("com.quillmark.hrl.lang/Lang");
const QString HRL::MAIN_CLASS = MyConstants::MAIN_CLASS;

namespace {

// The program's icon: 32 pixels for the window and the About box, 16 for the menu and the tray.
QString iconPath()
{
    return QStringLiteral("images/") + HRL::WHO_AM_I.toLower().trimmed() + QStringLiteral(".png");
}

QString smallIconPath()
{
    return QStringLiteral("images/16/") + HRL::WHO_AM_I.toLower().trimmed() + QStringLiteral(".png");
}

// The five commands of the pop-up and the tray menu, in menu order.
struct MenuCommand
{
    const char *textKey;
    // The pop-up's icon; none gives a blank one that keeps the text in line. The tray's items have none.
    QString icon;
    QString command;
    // A separator follows: always in the tray, in the pop-up only in light mode.
    bool groupEnds;
    // The tray's Settings leaves the dialog's dark-mode flag alone.
    bool keepsDialogColoursInTray;
};

const std::array<MenuCommand, 5> &menuCommands()
{
    static const std::array<MenuCommand, 5> commands = {{
        {"menu.timezones", QStringLiteral("images/16/accessories-clock-3.png"), Commands::TimeZonesCmd, false, false},
        {"menu.settings", QStringLiteral("images/16/preferences.png"), Commands::SettingsCmd, true, true},
        {"menu.about", smallIconPath(), Commands::AboutCmd, true, false},
        {"menu.resetgui", QString(), Commands::ResetViewCmd, true, false},
        {"menu.exit", QStringLiteral("images/16/exit.gif"), Commands::ExitCmd, false, false},
    }};
    return commands;
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
    utils::MessageBox::setButtonTexts(
        labels.getString(QStringLiteral("button.ok")), labels.getString(QStringLiteral("button.yes")),
        labels.getString(QStringLiteral("button.no")), labels.getString(QStringLiteral("button.cancel")));

    if (!(isWindows && gP.getFontVariableWidthSize() == 12 && gP.getFontFixedWidthSize() == 12))
        utils::FontUtils::handleAdjustFontRemoveBold(gP.getFontVariableWidthSize());

    setWindowTitle(labels.getString(QStringLiteral("hrl.name")));
    placeAtStoredPosition();
    setWindowIcon(utils::Anchor::icon(iconPath()));

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
    utils::PaletteUtils::disableStyleCache();
    utils::PaletteUtils::setApplicationColors();
    utils::SystemUtils::loadHNAndCHNasProperties();
    utils::UiDefaults::put(utils::UiDefaults::BOLD_METAL, false);

    // 4 px of the window's own colour around the clock area.
    new utils::MigLayout(QStringLiteral("insets 4"), QString(), QString(), this);
    frameDragListener = new FrameDragListener(this);
    frameDragListener->listenTo(this);
    clocks = std::make_unique<ClockArea>(this, uP, labels, [this](QWidget *surface) {
        attachPopup(surface);
        frameDragListener->listenTo(surface);
    });

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
            utils::Logger::printLine(QStringLiteral("SystemTray is not supported"));
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
    clocks->cancelTimer();
    // The icon refers to its menu until it is gone.
    delete trayIcon;
    trayIcon = nullptr;
    trayMenu.reset();
    clocks.reset();
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

void HRL::notePlacement()
{
    // Dialogs centre over where Qt thinks the window stands, which right after mapping may be
    // (0, 0) while it stands elsewhere (see moveEvent).
    if (isVisible() && pos() != placedAt)
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
    // No box while the program may be ending: a trace line says it.
    if (!gP.setMainWindowLocation(x, y))
        utils::Logger::log(QStringLiteral("HRL"), QStringLiteral("saveWindowSettings"),
                           QStringLiteral("the window position could not be saved to ") + gP.fileName());
}

void HRL::dismiss()
{
    if (ending)
        return;
    ending = true;
    clocks->cancelTimer();
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
    const bool dark = uP.isDarkMode();
    for (const MenuCommand &entry : menuCommands()) {
        shortPopup->addAction(utils::MyMenuItem::createMenuItemWithIcon(labels.getString(QLatin1String(entry.textKey)),
                                                                        entry.icon, listener, entry.command, true, 0, 0,
                                                                        shortPopup));
        if (entry.groupEnds && !dark)
            shortPopup->addSeparator();
    }

    if (dark)
        utils::PaletteUtils::setDarkMenuColors(shortPopup);
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
    for (const MenuCommand &entry : menuCommands()) {
        const bool keepColours = entry.keepsDialogColoursInTray;
        const utils::ActionListener listener = [this, keepColours](const utils::ActionEvent &event) {
            if (keepColours)
                showSettings(false);
            else
                actionPerformed(event.actionCommand);
        };
        // Plain items: a menu without icons has no column for them.
        trayMenu->addAction(utils::MyMenuItem::createMenuItem(labels.getString(QLatin1String(entry.textKey)), listener,
                                                              entry.command, 0, true, 0, trayMenu.get()));
        if (entry.groupEnds)
            trayMenu->addSeparator();
    }

    const QString name = labels.getString(QStringLiteral("hrl.name"));
    trayIcon = new QSystemTrayIcon(utils::Anchor::icon(smallIconPath()), this);
    trayIcon->setToolTip(name);
    trayIcon->setContextMenu(trayMenu.get());
    connect(trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick)
            return;
        QMetaObject::invokeMethod(
            this, [this] { bringToFront(); }, Qt::QueuedConnection);
    });
    trayIcon->show();
    if (trayIcon->icon().isNull() || !trayIcon->isVisible()) {
        utils::Logger::printLine(QStringLiteral("TrayIcon could not be added."));
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
    if (command == Commands::TimeZonesCmd) {
        showTimeZoneDialog();
    } else if (command == Commands::SettingsCmd) {
        showSettings(true);
    } else if (command == Commands::ExitCmd) {
        saveWindowSettings();
        dismiss();
    } else if (command == Commands::ResetViewCmd) {
        removePreferences();
        resetView(true);
    } else if (command == Commands::AboutCmd) {
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
    notePlacement();
    TimeZoneDialog dialog(gP, &uP, this, labels.getString(QStringLiteral("dialog.title.timezoneconfiguration")),
                          labels);
    runConfigurationDialog(&dialog);
    // The window is rebuilt where it stands.
    if (dialog.isDataChanged())
        resetView(false);
}

void HRL::showSettings(bool passDarkMode)
{
    notePlacement();
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
    notePlacement();

    using utils::UiDefaults;
    const QVariant savedOptionPane = UiDefaults::get(UiDefaults::OPTION_PANE_BACKGROUND);
    const QVariant savedPanel = UiDefaults::get(UiDefaults::PANEL_BACKGROUND);
    const QVariant savedLabel = UiDefaults::get(UiDefaults::LABEL_FOREGROUND);
    const bool dark = uP.isDarkMode();
    if (dark) {
        UiDefaults::put(UiDefaults::OPTION_PANE_BACKGROUND, ColorRoles::darkModeMenu());
        UiDefaults::put(UiDefaults::PANEL_BACKGROUND, ColorRoles::darkModeMenu());
        UiDefaults::put(UiDefaults::LABEL_FOREGROUND, ColorRoles::darkModeDialogText());
    }

    // The box takes its colours from the defaults above while it is built and, not being modal,
    // returns at once, so they can be put back right after.
    auto *box = new utils::AboutBoxDialog(this, labels.getString(QStringLiteral("hrl.name")), VERSION, RELEASE_DATE,
                                          COPYRIGHT_DATE, iconPath());
    connect(box, &QDialog::finished, box, &QObject::deleteLater);
    aboutBox = box;
    box->show();

    if (dark) {
        UiDefaults::put(UiDefaults::OPTION_PANE_BACKGROUND, savedOptionPane);
        UiDefaults::put(UiDefaults::PANEL_BACKGROUND, savedPanel);
        UiDefaults::put(UiDefaults::LABEL_FOREGROUND, savedLabel);
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
    clocks->createLayout();
}

QSize HRL::getWindowSize() const
{
    return clocks->getWindowSize();
}

QWidget *HRL::getClockArea() const
{
    return clocks->widget();
}

const std::vector<std::unique_ptr<TimeZoneObject>> &HRL::timeZones_AL() const
{
    return clocks->getTimeZones();
}

SecondsTimer *HRL::secondsTimer() const
{
    return clocks->getSecondsTimer();
}

void HRL::tickNow()
{
    clocks->tick();
}

void HRL::resetView(bool restorePosition)
{
    hide();
    clocks->clear();
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
