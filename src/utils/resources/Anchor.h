#pragma once

#include <QString>

class QIcon;
class QPixmap;

namespace quillmark::utils {

// Every image path of the program ("images/16/exit.gif") is relative to this anchor,
// which maps it into the embedded resources under :/com/quillmark/.
class Anchor final
{
public:
    Anchor() = delete;

    static QString resourcePath(const QString &relative);
    static bool exists(const QString &relative);
    // Null icon when the resource is missing; an "@2x" file beside it is picked up for HiDPI.
    static QIcon icon(const QString &relative);
};

} // namespace quillmark::utils
