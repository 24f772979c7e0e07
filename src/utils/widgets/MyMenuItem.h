#pragma once

#include "ActionListener.h"

#include <QString>

class QAction;
class QObject;

namespace quillmark::utils {

// Menu items built one uniform way. The action command travels in the item's data (and object
// name) and reaches the listener when the item is triggered.
// acceleratorKey: a Qt::Key such as Qt::Key_T, combined with the platform's menu shortcut
// modifier; 0 for none. mnemonic: the character to underline (its first occurrence, in either
// case); 0 for none.
class MyMenuItem final
{
public:
    MyMenuItem() = delete;

    // A null or empty imagePath gives a blank 16 x 16 icon, so the texts of a menu line up.
    static QAction *createMenuItemWithIcon(const QString &text, const QString &imagePath,
                                           const ActionListener &listener, const QString &actionCommand, bool enabled,
                                           int acceleratorKey, int mnemonic, QObject *parent = nullptr);
    static QAction *createMenuItem(const QString &text, const ActionListener &listener, const QString &actionCommand,
                                   int mnemonic, bool enabled, int acceleratorKey, QObject *parent = nullptr);
    // Checkable, initially not checked.
    static QAction *createJCheckBoxMenuItem(const QString &text, const ActionListener &listener,
                                            const QString &actionCommand, int mnemonic, bool enabled,
                                            int acceleratorKey, QObject *parent = nullptr);

    static QString actionCommand(const QAction *item);
};

} // namespace quillmark::utils
