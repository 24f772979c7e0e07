#include "LocaleName.h"

namespace quillmark::utils {

LocaleName LocaleName::fromText(const QString &text)
{
    const qsizetype sep = text.indexOf(u'_');
    if (sep < 0)
        return LocaleName(text, QString());
    return LocaleName(text.left(sep), text.mid(sep + 1));
}

QString LocaleName::toString() const
{
    QString text = language;
    if (!country.isEmpty() || !variant.isEmpty())
        text += u'_' + country;
    if (!variant.isEmpty())
        text += u'_' + variant;
    return text;
}

QLocale LocaleName::toQLocale() const
{
    if (country.isEmpty())
        return QLocale(language);
    return QLocale(language + u'_' + country);
}

} // namespace quillmark::utils
