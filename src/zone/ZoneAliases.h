#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace quillmark::hrl {

// Which name a zone id goes by in the system's tz database. Place lists call zones what they
// were called when the list was made (Asia/Calcutta, Europe/Kiev), and the database keeps such
// names only as links to the current one (Asia/Kolkata, Europe/Kyiv), or not at all.
class ZoneAliases final
{
public:
    ZoneAliases() = default;
    // known: every id of the database, zones and links; links: alias -> target; countries:
    // id -> country code, as the zone-to-country table has them.
    ZoneAliases(const QStringList &known, QHash<QString, QString> links, QHash<QString, QString> countries);

    // The id under which the system keeps id: a link's target when both stand for the same
    // country (Europe/Kiev -> Europe/Kyiv, US/Eastern -> America/New_York), else id itself
    // (Europe/Bratislava stays: it is Slovakia's, its target Czechia's). Null when the system
    // does not know id.
    QString resolve(const QString &id) const;

private:
    QSet<QString> known;
    QHash<QString, QString> links;
    QHash<QString, QString> countries;
};

} // namespace quillmark::hrl
