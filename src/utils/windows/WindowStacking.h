#pragma once

class QWidget;

namespace quillmark::utils {

// Where a window of ours stays on top of others, a dialog it owns must too, or it would open
// behind it.
class WindowStacking final
{
public:
    WindowStacking() = delete;

    // Call before the dialog is shown.
    static void keepAbove(QWidget *dialog, const QWidget *owner);
    // Centres the dialog over the owner's window, but keeps it whole on the owner's screen when
    // the owner stands near an edge. Call once the dialog has its size.
    static void centreOver(QWidget *dialog, const QWidget *owner);
};

} // namespace quillmark::utils
