#include "Anchor.h"

#include <QFile>
#include <QHash>
#include <QIcon>

namespace quillmark::utils {

QString Anchor::resourcePath(const QString &relative)
{
    return QStringLiteral(":/com/quillmark/") + relative;
}

bool Anchor::exists(const QString &relative)
{
    return !relative.isEmpty() && QFile::exists(resourcePath(relative));
}

QIcon Anchor::icon(const QString &relative)
{
    // One icon per image: copies share their pixmaps, so rebuilding the window
    // does not fill the pixmap cache with copies of the same flags.
    static QHash<QString, QIcon> icons;
    if (const auto it = icons.constFind(relative); it != icons.constEnd())
        return it.value();
    QIcon icon;
    if (exists(relative))
        icon = QIcon(resourcePath(relative));
    icons.insert(relative, icon);
    return icon;
}

} // namespace quillmark::utils
