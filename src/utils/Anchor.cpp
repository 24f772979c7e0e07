#include "Anchor.h"

#include <QFile>
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
    if (!exists(relative))
        return {};
    return QIcon(resourcePath(relative));
}

} // namespace quillmark::utils
