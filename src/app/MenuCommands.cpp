#include "MenuCommands.h"

#include "MyMenuItem.h"
#include "PaletteUtils.h"
#include "ResourceBundle.h"

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

#include <algorithm>

namespace quillmark::hrl {

MenuCommands::MenuCommands(QWidget *window, const utils::ResourceBundle &labels, std::vector<MenuCommand> table)
    : window(window)
    , labels(labels)
    , table(std::move(table))
{
}

MenuCommands::~MenuCommands()
{
    // The icon refers to its menu until it is gone.
    delete icon;
}

void MenuCommands::run(const QString &command) const
{
    const auto entry = std::find_if(table.cbegin(), table.cend(),
                                    [&command](const MenuCommand &row) { return row.command == command; });
    if (entry != table.cend())
        entry->run();
}

void MenuCommands::buildPopup(bool dark)
{
    // The old menu may be the one whose item is running this rebuild.
    if (shortPopup) {
        shortPopup->hide();
        shortPopup->deleteLater();
    }
    shortPopup = new QMenu(window);
    const utils::ActionListener listener = [this](const utils::ActionEvent &event) { run(event.actionCommand); };
    for (const MenuCommand &entry : table) {
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

QSystemTrayIcon *MenuCommands::createTrayIcon(const QIcon &image, const QString &toolTip)
{
    tray = std::make_unique<QMenu>();
    for (const MenuCommand &entry : table) {
        const std::function<void()> handler = entry.runFromTray ? entry.runFromTray : entry.run;
        const utils::ActionListener listener = [handler](const utils::ActionEvent &) { handler(); };
        tray->addAction(utils::MyMenuItem::createMenuItem(labels.getString(QLatin1String(entry.textKey)), listener,
                                                          entry.command, 0, true, 0, tray.get()));
        if (entry.groupEnds)
            tray->addSeparator();
    }

    icon = new QSystemTrayIcon(image, window);
    icon->setToolTip(toolTip);
    icon->setContextMenu(tray.get());
    connect(icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            Q_EMIT trayActivated();
    });
    icon->show();
    return icon;
}

void MenuCommands::attachPopup(QWidget *widget)
{
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this, [this, widget](const QPoint &position) {
        if (shortPopup)
            shortPopup->popup(widget->mapToGlobal(position));
    });
}

void MenuCommands::setPopupDirection(Qt::LayoutDirection direction)
{
    if (shortPopup)
        shortPopup->setLayoutDirection(direction);
}

void MenuCommands::setTrayCommandsEnabled(bool enabled)
{
    if (!tray)
        return;
    const QList<QAction *> actions = tray->actions();
    for (QAction *action : actions)
        action->setEnabled(enabled);
}

} // namespace quillmark::hrl
