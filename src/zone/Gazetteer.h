#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace quillmark::hrl {

class ZoneAliases;

// The towns of the embedded place list (tools/make-places.py): names, country, population and
// zone. The text is kept whole and towns point into it, so loading allocates nothing per name.
// Lines read "zone<TAB>country<TAB>population<TAB>name|alternate|...", "#" starts a comment.
class Gazetteer final
{
public:
    struct Town
    {
        quint32 names;    // offset of the first name in text()
        quint32 namesEnd; // offset of the line's end
        quint32 population;
        quint16 zone; // index in zones()
        std::array<char, 2> country;
    };

    // The list embedded in the program.
    static QByteArray embeddedText();
    // Towns whose zone the system knows, under its own name for it; the others are dropped.
    static Gazetteer load(QByteArray text, const ZoneAliases &aliases);

    const QByteArray &text() const { return data; }
    const std::vector<Town> &towns() const { return rows; }
    // The zones of the towns, as the system names them.
    const QStringList &zones() const { return zoneIds; }
    // Towns whose zone was renamed to the system's name, and towns dropped for an unknown zone.
    int mappedCount() const { return mapped; }
    int droppedCount() const { return dropped; }
    // The names of a town, separated by '|'.
    QByteArrayView namesOf(const Town &town) const;

private:
    QByteArray data;
    std::vector<Town> rows;
    QStringList zoneIds;
    int mapped = 0;
    int dropped = 0;
};

} // namespace quillmark::hrl
