#include "Gazetteer.h"

#include "Anchor.h"
#include "ZoneAliases.h"

#include <QHash>
#include <QResource>

namespace quillmark::hrl {

QByteArray Gazetteer::embeddedText()
{
    // Unpacked to exactly its size; reading it as a file would take twice that.
    return QResource(utils::Anchor::resourcePath(QStringLiteral("hrl/places/cities.tsv"))).uncompressedData();
}

Gazetteer Gazetteer::load(QByteArray text, const ZoneAliases &aliases)
{
    Gazetteer g;
    g.data = std::move(text);
    const char *const base = g.data.constData();
    const qsizetype size = g.data.size();
    // The list is grouped by zone: each id is resolved once.
    QByteArrayView lastZone;
    int lastIndex = -1;
    bool lastMapped = false;
    QHash<QString, int> indexOf;
    g.rows.reserve(size / 80);

    for (qsizetype start = 0; start < size;) {
        qsizetype end = g.data.indexOf('\n', start);
        if (end < 0)
            end = size;
        const QByteArrayView line(base + start, end - start);
        const qsizetype lineStart = start;
        start = end + 1;
        if (line.isEmpty() || line.front() == '#')
            continue;
        const qsizetype t1 = line.indexOf('\t');
        const qsizetype t2 = t1 < 0 ? -1 : line.indexOf('\t', t1 + 1);
        const qsizetype t3 = t2 < 0 ? -1 : line.indexOf('\t', t2 + 1);
        if (t3 < 0 || t2 - t1 != 3)
            continue;
        const QByteArrayView zone = line.first(t1);
        if (zone != lastZone) {
            lastZone = zone;
            const QString id = QString::fromUtf8(zone);
            const QString resolved = aliases.resolve(id);
            lastMapped = !resolved.isEmpty() && resolved != id;
            if (resolved.isEmpty()) {
                lastIndex = -1;
            } else {
                auto it = indexOf.constFind(resolved);
                if (it == indexOf.cend()) {
                    it = indexOf.insert(resolved, int(g.zoneIds.size()));
                    g.zoneIds << resolved;
                }
                lastIndex = it.value();
            }
        }
        if (lastIndex < 0) {
            ++g.dropped;
            continue;
        }
        g.mapped += lastMapped ? 1 : 0;
        bool ok = false;
        const quint32 population = line.sliced(t2 + 1, t3 - t2 - 1).toUInt(&ok);
        g.rows.push_back({quint32(lineStart + t3 + 1),
                          quint32(end),
                          ok ? population : 0,
                          quint16(lastIndex),
                          {line.at(t1 + 1), line.at(t1 + 2)}});
    }
    return g;
}

QByteArrayView Gazetteer::namesOf(const Town &town) const
{
    return QByteArrayView(data.constData() + town.names, town.namesEnd - town.names);
}

} // namespace quillmark::hrl
