#pragma once

class QWidget;

namespace quillmark::utils {

// Keeps a window from taking input while one or more dialogs of its own are open. Several
// dialogs may hold the same owner at once (the About box, then a configuration dialog opened
// over it from the tray): the owner takes input again only when the last of them lets go.
// A dialog whose parent is the owner would be disabled with it, so it is enabled again itself.
class OwnerLock final
{
public:
    OwnerLock() = delete;

    static void lock(QWidget *owner, QWidget *dialog);
    // Safe to call more often than lock(): a dialog may be closed in more than one way.
    static void unlock(QWidget *owner, QWidget *dialog);
    static int holders(const QWidget *owner);
};

} // namespace quillmark::utils
