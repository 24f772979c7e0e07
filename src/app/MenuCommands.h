#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QIcon;
class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace quillmark::utils {
class ResourceBundle;
} // namespace quillmark::utils

namespace quillmark::hrl {

// One command of the main window's menus: its item and what it does.
struct MenuCommand
{
    const char *textKey;
    // The pop-up's icon; none gives a blank one that keeps the text in line. The tray's items have none.
    QString icon;
    // One of Commands.
    QString command;
    // A separator follows: always in the tray, in the pop-up only in light mode.
    bool groupEnds;
    // What the pop-up's item does, and the command when it is run by name.
    std::function<void()> run;
    // What the tray's item does instead, where it differs from the pop-up's.
    std::function<void()> runFromTray = {};
};

// The pop-up menu of the main window, and the tray icon with its menu; both menus are built from
// one table of commands in menu order.
class MenuCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuCommands)

public:
    // The pop-up belongs to the window; the labels must outlive this object.
    MenuCommands(QWidget *window, const utils::ResourceBundle &labels, std::vector<MenuCommand> table);
    ~MenuCommands() override;

    // Runs what the command does; an unknown command does nothing.
    void run(const QString &command) const;
    // Builds the pop-up afresh in the dark or the light look.
    void buildPopup(bool dark);
    // Shows the tray icon with its menu of plain items (a menu without icons has no column for them).
    QSystemTrayIcon *createTrayIcon(const QIcon &image, const QString &toolTip);
    // Opens the pop-up from a right click on this widget.
    void attachPopup(QWidget *widget);
    void setPopupDirection(Qt::LayoutDirection direction);
    // While a dialog is open the tray's items do nothing.
    void setTrayCommandsEnabled(bool enabled);

    QMenu *popup() const { return shortPopup; }
    // Null until there is a tray.
    QSystemTrayIcon *trayIcon() const { return icon; }

Q_SIGNALS:
    // The tray icon was clicked or double-clicked.
    void trayActivated();

private:
    QWidget *window;
    const utils::ResourceBundle &labels;
    const std::vector<MenuCommand> table;
    QMenu *shortPopup = nullptr;
    // The tray menu has no parent: it stays usable while the window is disabled.
    std::unique_ptr<QMenu> tray;
    QSystemTrayIcon *icon = nullptr;
};

} // namespace quillmark::hrl
