#include "DisplayPlatform.h"

#include <QProcessEnvironment>

namespace quillmark::hrl {

QByteArray DisplayPlatform::forEnvironment(const QProcessEnvironment &environment)
{
    // Qt treats an empty variable as an unset one; so do we.
    const auto isSet = [&environment](const QString &name) { return !environment.value(name).isEmpty(); };
    if (isSet(QStringLiteral("QT_QPA_PLATFORM")))
        return {};
    if (isSet(QStringLiteral("WAYLAND_DISPLAY")) && isSet(QStringLiteral("DISPLAY")))
        return QByteArrayLiteral("xcb");
    return {};
}

} // namespace quillmark::hrl
