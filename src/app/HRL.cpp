#include "HRL.h"

#include "AboutBoxDialog.h"
#include "Anchor.h"
#include "ClockArea.h"
#include "ColorRoles.h"
#include "Commands.h"
#include "DateFormatter.h"
#include "FrameDragListener.h"
#include "Logger.h"
#include "MessageBox.h"
#include "MigLayout.h"
#include "MyConstants.h"
#include "MySettings.h"
#include "PaletteUtils.h"
#include "PlatformLook.h"
#include "ProgramInfo.h"
#include "ScopedUiDefaults.h"
#include "SystemUtils.h"
#include "TerminationWatcher.h"
#include "TimeZoneDialog.h"
#include "UiDefaults.h"
#include "WindowPlacement.h"
#include "WindowStacking.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QLocale>
#include <QSystemTrayIcon>
#include <QTimer>

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

} // namespace

HRL::HRL()
    : QWidget(nullptr)
    , gP(MAIN_CLASS)
    , uP(MAIN_CLASS)
{
    mySetLocale(QLocale::system());
    utils::MessageBox::setButtonTexts(
        labels.getString(QStringLiteral("button.ok")), labels.getString(QStringLiteral("button.yes")),
        labels.getString(QStringLiteral("button.no")), labels.getString(QStringLiteral("button.cancel")));
    PlatformLook::apply(gP.getFontVariableWidthSize(), gP.getFontFixedWidthSize(),
                        labels.getString(QStringLiteral("hrl.name")));

    setWindowTitle(labels.getString(QStringLiteral("hrl.name")));
    placeAtStoredPosition();
    setWindowIcon(utils::Anchor::icon(iconPath()));
    utils::SystemUtils::loadHNAndCHNasProperties();

    // 4 px of the window's own colour around the clock area.
    new utils::MigLayout(QStringLiteral("insets 4"), QString(), QString(), this);
    frameDragListener = new FrameDragListener(this);
    frameDragListener->listenTo(this);
    connect(frameDragListener, &FrameDragListener::dragged, this, &HRL::placeAt);
    connect(frameDragListener, &FrameDragListener::released, this, &HRL::saveWindowSettings);
    menus = std::make_unique<MenuCommands>(this, labels, commandTable());
    clocks = std::make_unique<ClockArea>(this, uP, labels);
    connect(clocks.get(), &ClockArea::surfaceCreated, menus.get(), &MenuCommands::attachPopup);
    connect(clocks.get(), &ClockArea::surfaceCreated, frameDragListener, &FrameDragListener::listenTo);

    menus->buildPopup(uP.isDarkMode());
    createLayout();
    menus->attachPopup(this);
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

    terminationWatcher = new TerminationWatcher([this] { exitProgram(); }, this);

    adjustSize();
    // Whether the window can be seen there depends on its packed size.
    placeAtStoredPosition();
    show();
}

HRL::~HRL()
{
    clocks->cancelTimer();
    menus.reset();
    clocks.reset();
}

void HRL::mySetLocale(const QLocale &locale)
{
    labels = utils::ResourceBundle::getBundle(LANGUAGE, locale);
    DateFormatter::setLocale(locale.name());
}

void HRL::removePreferences()
{
    const QPoint stored = gP.getMainWindowLocation(WindowPlacement::DEFAULT_POSITION.x(),
                                                   WindowPlacement::DEFAULT_POSITION.y());
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
    const QPoint stored = gP.getMainWindowLocation(WindowPlacement::DEFAULT_POSITION.x(),
                                                   WindowPlacement::DEFAULT_POSITION.y());
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

void HRL::exitProgram()
{
    saveWindowSettings();
    dismiss();
}

void HRL::closeEvent(QCloseEvent *event)
{
    exitProgram();
    event->accept();
}

std::vector<MenuCommand> HRL::commandTable()
{
    return {
        {"menu.timezones", QStringLiteral("images/16/accessories-clock-3.png"), Commands::TimeZonesCmd, false,
         [this] { showTimeZoneDialog(); }},
        // The tray's Settings leaves the dialog's dark-mode flag alone.
        {"menu.settings", QStringLiteral("images/16/preferences.png"), Commands::SettingsCmd, true,
         [this] { showSettings(true); }, [this] { showSettings(false); }},
        {"menu.about", smallIconPath(), Commands::AboutCmd, true, [this] { showAbout(); }},
        {"menu.resetgui", QString(), Commands::ResetViewCmd, true,
         [this] {
             removePreferences();
             resetView(true);
         }},
        {"menu.exit", QStringLiteral("images/16/exit.gif"), Commands::ExitCmd, false, [this] { exitProgram(); }},
    };
}

void HRL::createSystemTray()
{
    const QSystemTrayIcon *trayIcon = menus->createTrayIcon(utils::Anchor::icon(smallIconPath()),
                                                            labels.getString(QStringLiteral("hrl.name")));
    connect(menus.get(), &MenuCommands::trayActivated, this, &HRL::bringToFront, Qt::QueuedConnection);
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
    menus->run(command);
}

void HRL::runConfigurationDialog(QDialog *dialog)
{
    utils::WindowStacking::keepAbove(dialog, this);
    menus->setTrayCommandsEnabled(false);
    dialog->exec();
    menus->setTrayCommandsEnabled(true);
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
    const ScopedUiDefaults darkLook(uP.isDarkMode(),
                                    {{UiDefaults::OPTION_PANE_BACKGROUND, ColorRoles::darkModeMenu()},
                                     {UiDefaults::PANEL_BACKGROUND, ColorRoles::darkModeMenu()},
                                     {UiDefaults::LABEL_FOREGROUND, ColorRoles::darkModeDialogText()}});
    // The box takes its colours from the defaults above while it is built and, not being modal,
    // returns at once, so they can be put back as this returns.
    auto *box = new utils::AboutBoxDialog(this, labels.getString(QStringLiteral("hrl.name")), VERSION, RELEASE_DATE,
                                          COPYRIGHT_DATE, iconPath());
    connect(box, &QDialog::finished, box, &QObject::deleteLater);
    aboutBox = box;
    box->show();
}

void HRL::applyOrientation()
{
    const Qt::LayoutDirection direction = QLocale::system().textDirection();
    setLayoutDirection(direction);
    menus->setPopupDirection(direction);
}

void HRL::createLayout()
{
    clocks->createLayout();
    if (uP.isDarkMode())
        utils::PaletteUtils::setBackground(this, ColorRoles::darkModeWindow());
    resize(clocks->getWindowSize());
    static_cast<utils::MigLayout *>(layout())->addWidget(clocks->widget());
}

void HRL::resetView(bool restorePosition)
{
    hide();
    clocks->clear();
    // The colours the clocks gave the window go with them.
    setPalette(QPalette());
    setAutoFillBackground(false);
    menus->buildPopup(uP.isDarkMode());
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
