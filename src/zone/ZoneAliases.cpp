#include "ZoneAliases.h"

#include <utility>

namespace quillmark::hrl {

ZoneAliases::ZoneAliases(const QStringList &knownIds, QHash<QString, QString> linkTargets,
                         QHash<QString, QString> countryCodes)
    : known(knownIds.cbegin(), knownIds.cend())
    , links(std::move(linkTargets))
    , countries(std::move(countryCodes))
{
}

QString ZoneAliases::resolve(const QString &id) const
{
    if (!known.contains(id))
        return {};
    const QString target = links.value(id);
    if (target.isEmpty() || !known.contains(target))
        return id;
    const QString own = countries.value(id);
    const QString theirs = countries.value(target);
    return own.isEmpty() || theirs.isEmpty() || own == theirs ? target : id;
}

} // namespace quillmark::hrl
