#pragma once

#include <QByteArray>

class QProcessEnvironment;

namespace quillmark::hrl {

// Picks the Qt platform plugin before the application object exists. A Wayland client may
// neither place its own window nor keep it above others, so the stored position, dragging
// and always-on-top would silently fail there; XWayland allows all three.
class DisplayPlatform final
{
public:
    DisplayPlatform() = delete;

    // "xcb" on a Wayland desktop with XWayland running, when the user chose no platform;
    // empty when Qt's own choice stands.
    static QByteArray forEnvironment(const QProcessEnvironment &environment);
};

} // namespace quillmark::hrl
