#pragma once

#include "ZoneAliases.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <string>
#include <vector>

namespace quillmark::hrl {

// Finds time zones by what people call places: the towns of the gazetteer in any language,
// the cities CLDR names per zone, countries, and zone names and abbreviations in the desktop's
// language and in English, and the zone ids themselves. Case, accents and width do not count.
// Built once on a worker thread, read-only after that: any thread may call find().
class PlaceIndex final
{
public:
    enum class Kind : quint8 { Town, City, Country, ZoneName, Identifier };

    struct Suggestion
    {
        // What matched, as its source writes it; empty for an identifier.
        QString name;
        // The place's country in the desktop's language, for towns and cities; may be empty.
        QString country;
        QString zoneId;
        Kind kind;
    };

    struct Sources
    {
        // Every id of the database, links included.
        QStringList zoneIds;
        ZoneAliases aliases;
        // The zone-to-country table: id, country code.
        QList<std::array<QString, 2>> countries;
        // The gazetteer's text (Gazetteer::embeddedText()).
        QByteArray gazetteer;
        // Names of cities, countries and zones come in this language and in English.
        QString language;
        // Towns and zones of this country come first where names are alike ("US").
        QString homeCountry;
        // Zone names are those in use at this instant (ms since the epoch).
        qint64 now = 0;
    };

    // This system's: its tz database, the embedded gazetteer. Reads files: not on the GUI thread.
    static Sources systemSources(const QList<std::array<QString, 2>> &countries, const QString &language,
                                 const QString &homeCountry, qint64 now);

    PlaceIndex() = default;
    // Stops early, leaving an empty index, once *cancelled turns true.
    explicit PlaceIndex(const Sources &sources, const std::atomic_bool *cancelled = nullptr);

    // At most limit zones, best first: whole names before beginnings of names, before
    // beginnings of words, before matches inside; then the home country's; then by population.
    QList<Suggestion> find(const QString &query, int limit = 10) const;

    // The key a text is compared by: case folded, compatibility forms and accents dropped,
    // apostrophes dropped, dashes, underscores and other punctuation as single spaces. UTF-8.
    static std::string fold(QStringView text);

    int townCount() const { return towns; }
    int mappedTownCount() const { return mappedTowns; }
    int droppedTownCount() const { return droppedTowns; }
    qsizetype nameCount() const { return qsizetype(entries.size()); }
    // Heap bytes held by the index.
    qsizetype byteSize() const;

private:
    // Eight bytes a name: the index holds well over a hundred thousand.
    struct Entry
    {
        quint64 key : 24;   // offset in keys
        quint64 label : 24; // offset in townText, or past its end in names
        quint64 place : 16; // index in places
    };
    struct Place
    {
        quint32 weight; // population of a town; of a zone's largest town otherwise
        quint32 zones;  // first index in placeZones
        quint16 zoneCount;
        quint16 country; // index in countryCodes
        Kind kind;
        // Found by its whole key only: an old id (Europe/Kiev) must not stand beside the zone it
        // leads to whenever a word of it is typed.
        bool wholeOnly = false;
    };
    enum Match : quint8 { Exact, Prefix, WordStart, Inner, None };
    static constexpr quint32 MaxOffset = (1U << 24) - 1;
    static constexpr quint32 HomeBoost = 25;

    struct Build;
    // The steps of a build, in order; each stops early once the build is cancelled.
    void addZones(Build &build, const Sources &sources);
    void addCountries(Build &build, const Sources &sources);
    void addTowns(Build &build, const Sources &sources);
    void addIdentifiers(Build &build, const Sources &sources);
    void addZoneNames(Build &build, const Sources &sources);
    void addCountryNames(Build &build, const Sources &sources);

    quint32 placeOf(Build &build, Kind kind, quint16 zone);
    void addUnique(Build &build, const QString &text, quint32 place, bool labelled);
    void sortByWeight(std::vector<quint16> &zones) const;
    quint16 countryIndex(const QString &code);
    quint32 addPlace(Kind kind, std::vector<quint16> zones, quint16 country, quint32 weight);
    void addName(const std::string &key, quint32 label, quint32 place);
    quint32 addLabel(const QString &text);
    void indexWords();
    quint32 entryAt(quint32 keyOffset) const;
    QString labelText(quint32 label) const;

    std::string keys;
    QByteArray townText;
    QByteArray names;
    std::vector<Entry> entries;
    std::vector<Place> places;
    std::vector<quint16> placeZones;
    // Every word's start: entry index << 8 | offset in the key, ordered by the text from there to
    // the key's end.
    std::vector<quint32> words;
    QStringList zoneIds;
    std::vector<quint32> zoneWeight;
    std::vector<quint16> zoneCountry;
    QStringList countryCodes;
    QStringList countryNames;
    quint16 home = 0;
    int towns = 0;
    int mappedTowns = 0;
    int droppedTowns = 0;
};

} // namespace quillmark::hrl
