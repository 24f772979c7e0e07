#include "PlaceIndex.h"

#include "Gazetteer.h"
#include "ZoneDatabase.h"

#include <QHash>
#include <QMap>

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>
#include <unicode/uchar.h>
#include <unicode/udata.h>
#include <unicode/unistr.h>
#include <unicode/ures.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>
#include <unordered_set>

namespace quillmark::hrl {

namespace {

icu::UnicodeString toIcu(const QString &text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
}

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

void appendSpace(std::string &out)
{
    if (!out.empty() && out.back() != ' ')
        out += ' ';
}

// One code point of a text already decomposed and case folded.
void appendFolded(std::string &out, UChar32 c)
{
    switch (c) {
    // Apostrophes: people type "Sanaa", "Sana'a" and "N'Djamena" alike.
    case u'\'':
    case u'`':
    case 0x00B4:
    case 0x02BB:
    case 0x02BC:
    case 0x2018:
    case 0x2019:
        return;
    case u'/':
        out += '/';
        return;
    // Letters with a stroke do not decompose; readers take them for the plain letter.
    case 0x00F8:
        out += 'o';
        return;
    case 0x0111:
        out += 'd';
        return;
    case 0x0127:
        out += 'h';
        return;
    case 0x0131:
        out += 'i';
        return;
    case 0x0142:
        out += 'l';
        return;
    case 0x0167:
        out += 't';
        return;
    case 0x00E6:
        out += "ae";
        return;
    case 0x0153:
        out += "oe";
        return;
    // Arabic and Persian keyboards write yeh and kaf differently; names come in both.
    case 0x064A:
    case 0x0649:
        c = 0x06CC;
        break;
    case 0x0643:
        c = 0x06A9;
        break;
    default:
        // Hiragana as katakana, as Japanese collation takes them: "みゅんへん" finds "ミュンヘン".
        if (c >= 0x3041 && c <= 0x3096)
            c += 0x60;
        break;
    }
    switch (u_charType(c)) {
    case U_NON_SPACING_MARK:
    case U_ENCLOSING_MARK:
    case U_FORMAT_CHAR:
        return;
    case U_SPACE_SEPARATOR:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR:
    case U_CONTROL_CHAR:
    case U_DASH_PUNCTUATION:
    case U_CONNECTOR_PUNCTUATION:
    case U_OTHER_PUNCTUATION:
    case U_START_PUNCTUATION:
    case U_END_PUNCTUATION:
    case U_INITIAL_PUNCTUATION:
    case U_FINAL_PUNCTUATION:
        appendSpace(out);
        return;
    default:
        break;
    }
    if (c < 0x80) {
        out += char(c);
        return;
    }
    char bytes[U8_MAX_LENGTH];
    int32_t length = 0;
    UBool error = false;
    U8_APPEND(bytes, length, U8_MAX_LENGTH, c, error);
    if (!error)
        out.append(bytes, size_t(length));
}

void foldIcu(const icu::UnicodeString &text, std::string &out)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfkd = icu::Normalizer2::getNFKDInstance(status);
    icu::UnicodeString decomposed = U_SUCCESS(status) ? nfkd->normalize(text, status) : text;
    if (U_FAILURE(status))
        decomposed = text;
    decomposed.foldCase();
    for (int32_t i = 0; i < decomposed.length();) {
        const UChar32 c = decomposed.char32At(i);
        i += U16_LENGTH(c);
        appendFolded(out, c);
    }
}

void trimEnd(std::string &out)
{
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
}

// Most names are plain ASCII: they skip ICU.
void foldUtf8(std::string_view text, std::string &out)
{
    out.clear();
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        for (const char c : text)
            appendFolded(out, (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
    } else {
        foldIcu(icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), int32_t(text.size()))), out);
    }
    trimEnd(out);
}

constexpr UTimeZoneNameType NameTypes[] = {UTZNM_LONG_GENERIC,  UTZNM_LONG_STANDARD,  UTZNM_LONG_DAYLIGHT,
                                           UTZNM_SHORT_GENERIC, UTZNM_SHORT_STANDARD, UTZNM_SHORT_DAYLIGHT};

} // namespace

std::string PlaceIndex::fold(QStringView text)
{
    std::string out;
    foldUtf8(text.toUtf8().toStdString(), out);
    return out;
}

PlaceIndex::Sources PlaceIndex::systemSources(const QList<std::array<QString, 2>> &countries, const QString &language,
                                              const QString &homeCountry, qint64 now)
{
    Sources sources;
    sources.zoneIds = ZoneDatabase::allZoneIds();
    QHash<QString, QString> codes;
    for (const auto &[id, code] : countries)
        codes.insert(id, code);
    sources.aliases = ZoneAliases(sources.zoneIds, ZoneDatabase::links(), codes);
    sources.countries = countries;
    sources.gazetteer = Gazetteer::embeddedText();
    sources.language = language;
    sources.homeCountry = homeCountry;
    sources.now = now;
    return sources;
}

quint16 PlaceIndex::countryIndex(const QString &code)
{
    const qsizetype at = countryCodes.indexOf(code);
    if (at >= 0)
        return quint16(at);
    countryCodes << code;
    return quint16(countryCodes.size() - 1);
}

quint32 PlaceIndex::addPlace(Kind kind, std::vector<quint16> zones, quint16 country, quint32 weight)
{
    places.push_back({weight, quint32(placeZones.size()), quint16(zones.size()), country, kind});
    placeZones.insert(placeZones.end(), zones.begin(), zones.end());
    return quint32(places.size() - 1);
}

void PlaceIndex::addName(const std::string &key, quint32 label, quint32 place)
{
    // The packed fields' limits lie far beyond the sources; a larger list would be cut here.
    if (key.empty() || keys.size() + key.size() >= MaxOffset || label > MaxOffset || place > 0xFFFF)
        return;
    entries.push_back({quint64(keys.size()), label, place});
    keys += key;
    keys += '\0';
}

quint32 PlaceIndex::addLabel(const QString &text)
{
    const quint32 at = quint32(townText.size() + names.size());
    names += text.toUtf8();
    names += '\0';
    return at;
}

// What the steps of a build share; gone once the index is made.
struct PlaceIndex::Build
{
    const std::atomic_bool *cancelled;
    QHash<QString, quint16> zoneIndex;
    // The zone each id stands for: links to a zone of the same country merge with it.
    std::vector<quint16> resolved;
    std::vector<std::vector<quint16>> countryZones;
    std::vector<icu::Locale> locales;
    // One place per kind and zone.
    QHash<quint32, quint32> zonePlaces;
    // Key and place of every name from ICU: the same name twice for one place is kept once.
    std::unordered_set<std::string> seen;
    std::string key;

    bool stopped() const { return cancelled && cancelled->load(std::memory_order_relaxed); }
};

PlaceIndex::PlaceIndex(const Sources &sources, const std::atomic_bool *cancelled)
{
    Build build{cancelled, {}, {}, {}, {}, {}, {}, {}};
    using Step = void (PlaceIndex::*)(Build &, const Sources &);
    for (const Step step : {&PlaceIndex::addZones, &PlaceIndex::addCountries, &PlaceIndex::addTowns,
                            &PlaceIndex::addIdentifiers, &PlaceIndex::addZoneNames, &PlaceIndex::addCountryNames}) {
        (this->*step)(build, sources);
        if (build.stopped()) {
            *this = PlaceIndex();
            return;
        }
    }
    indexWords();
    entries.shrink_to_fit();
    places.shrink_to_fit();
    placeZones.shrink_to_fit();
    keys.shrink_to_fit();
}

void PlaceIndex::addZones(Build &build, const Sources &sources)
{
    countryCodes << QString();
    zoneIds = sources.zoneIds;
    for (qsizetype i = 0; i < zoneIds.size(); ++i)
        build.zoneIndex.insert(zoneIds.at(i), quint16(i));
    zoneWeight.assign(size_t(zoneIds.size()), 0);
    zoneCountry.assign(size_t(zoneIds.size()), 0);
    if (!sources.homeCountry.isEmpty())
        home = countryIndex(sources.homeCountry.toUpper());
    build.resolved.resize(size_t(zoneIds.size()));
    for (qsizetype i = 0; i < zoneIds.size(); ++i)
        build.resolved[size_t(i)] = build.zoneIndex.value(sources.aliases.resolve(zoneIds.at(i)), quint16(i));
    build.locales.emplace_back(sources.language.toUtf8().constData());
    if (std::strcmp(build.locales.front().getLanguage(), "en") != 0)
        build.locales.push_back(icu::Locale::getEnglish());
}

// Countries and their zones. A zone the table does not list (Europe/Kyiv) takes the country of
// the old names that lead to it.
void PlaceIndex::addCountries(Build &build, const Sources &sources)
{
    for (const auto &[id, code] : sources.countries) {
        const quint16 country = countryIndex(code);
        if (const auto it = build.zoneIndex.constFind(id); it != build.zoneIndex.cend())
            zoneCountry[it.value()] = country;
    }
    for (const auto &[id, code] : sources.countries) {
        const auto it = build.zoneIndex.constFind(id);
        if (it == build.zoneIndex.cend())
            continue;
        const quint16 country = countryIndex(code);
        const quint16 zone = build.resolved[it.value()];
        if (zoneCountry[zone] == 0)
            zoneCountry[zone] = country;
        if (build.countryZones.size() <= country)
            build.countryZones.resize(size_t(country) + 1);
        std::vector<quint16> &zones = build.countryZones[country];
        if (std::find(zones.begin(), zones.end(), zone) == zones.end())
            zones.push_back(zone);
    }
}

void PlaceIndex::addTowns(Build &build, const Sources &sources)
{
    const Gazetteer gazetteer = Gazetteer::load(sources.gazetteer, sources.aliases);
    townText = gazetteer.text();
    towns = int(gazetteer.towns().size());
    mappedTowns = gazetteer.mappedCount();
    droppedTowns = gazetteer.droppedCount();
    std::vector<quint16> townZone;
    for (const QString &id : gazetteer.zones())
        townZone.push_back(build.zoneIndex.value(id));
    for (const Gazetteer::Town &town : gazetteer.towns()) {
        quint32 &weight = zoneWeight[townZone[town.zone]];
        weight = std::max(weight, town.population);
    }
    entries.reserve(size_t(townText.size()) / 14);
    keys.reserve(size_t(townText.size()) * 4 / 5);
    places.reserve(gazetteer.towns().size() + 4000);
    QHash<QByteArray, quint16> townCountry;
    for (const Gazetteer::Town &town : gazetteer.towns()) {
        if (build.stopped())
            return;
        const QByteArray code(town.country.data(), 2);
        auto country = townCountry.constFind(code);
        if (country == townCountry.cend())
            country = townCountry.insert(code, countryIndex(QString::fromLatin1(code)));
        const quint32 place = addPlace(Kind::Town, {townZone[town.zone]}, country.value(), town.population);
        const QByteArrayView all = gazetteer.namesOf(town);
        for (qsizetype start = 0; start <= all.size();) {
            qsizetype end = all.indexOf('|', start);
            if (end < 0)
                end = all.size();
            foldUtf8(std::string_view(all.data() + start, size_t(end - start)), build.key);
            addName(build.key, quint32(town.names + start), place);
            start = end + 1;
        }
    }
}

quint32 PlaceIndex::placeOf(Build &build, Kind kind, quint16 zone)
{
    const quint32 id = quint32(kind) << 16 | zone;
    auto it = build.zonePlaces.constFind(id);
    if (it == build.zonePlaces.cend())
        it = build.zonePlaces.insert(id, addPlace(kind, {zone}, zoneCountry[zone], zoneWeight[zone]));
    return it.value();
}

void PlaceIndex::addUnique(Build &build, const QString &text, quint32 place, bool labelled)
{
    build.key = fold(text);
    if (!build.key.empty() && build.seen.insert(build.key + '\x1f' + std::to_string(place)).second)
        addName(build.key, labelled ? addLabel(text) : 0, place);
}

// Identifiers, whole and by their last part with spaces ("new york").
void PlaceIndex::addIdentifiers(Build &build, const Sources &)
{
    for (qsizetype i = 0; i < zoneIds.size(); ++i) {
        const QString &id = zoneIds.at(i);
        const quint16 zone = build.resolved[size_t(i)];
        const quint32 own = addPlace(Kind::Identifier, {quint16(i)}, zoneCountry[zone], zoneWeight[zone]);
        places[own].wholeOnly = zone != i;
        addUnique(build, id, own, false);
        addUnique(build, id.mid(id.lastIndexOf(u'/') + 1), placeOf(build, Kind::Identifier, zone), false);
    }
}

void PlaceIndex::sortByWeight(std::vector<quint16> &zones) const
{
    std::stable_sort(zones.begin(), zones.end(),
                     [this](quint16 a, quint16 b) { return zoneWeight[a] > zoneWeight[b]; });
}

// What CLDR calls each zone and its city, in the desktop's language and in English.
void PlaceIndex::addZoneNames(Build &build, const Sources &sources)
{
    std::vector<std::unique_ptr<icu::TimeZoneNames>> zoneNames;
    for (const icu::Locale &locale : build.locales) {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::TimeZoneNames> names(icu::TimeZoneNames::createInstance(locale, status));
        if (U_SUCCESS(status) && names)
            zoneNames.push_back(std::move(names));
    }
    if (zoneNames.empty())
        return;
    std::vector<bool> done(size_t(zoneIds.size()), false);
    // Ordered, so every build numbers the same places alike.
    QMap<QString, std::vector<quint16>> metaZones;
    icu::UnicodeString canonical;
    icu::UnicodeString text;
    for (const quint16 zone : build.resolved) {
        if (build.stopped())
            return;
        if (done[zone])
            continue;
        done[zone] = true;
        UErrorCode status = U_ZERO_ERROR;
        UBool isSystem = false;
        icu::TimeZone::getCanonicalID(toIcu(zoneIds.at(zone)), canonical, isSystem, status);
        if (U_FAILURE(status) || !isSystem)
            continue;
        for (const auto &names : zoneNames) {
            if (!names->getExemplarLocationName(canonical, text).isBogus())
                addUnique(build, fromIcu(text), placeOf(build, Kind::City, zone), true);
            for (const UTimeZoneNameType type : NameTypes) {
                if (!names->getTimeZoneDisplayName(canonical, type, text).isBogus())
                    addUnique(build, fromIcu(text), placeOf(build, Kind::ZoneName, zone), true);
            }
        }
        if (!zoneNames.front()->getMetaZoneID(canonical, UDate(sources.now), text).isBogus())
            metaZones[fromIcu(text)].push_back(zone);
    }
    for (auto it = metaZones.begin(); it != metaZones.end(); ++it) {
        std::vector<quint16> &zones = it.value();
        sortByWeight(zones);
        const quint32 place = addPlace(Kind::ZoneName, zones, zones.size() == 1 ? zoneCountry[zones.front()] : 0,
                                       zoneWeight[zones.front()]);
        const icu::UnicodeString metaZone = toIcu(it.key());
        for (const auto &names : zoneNames) {
            for (const UTimeZoneNameType type : NameTypes) {
                if (!names->getMetaZoneDisplayName(metaZone, type, text).isBogus())
                    addUnique(build, fromIcu(text), place, true);
            }
        }
    }
}

// Countries, each giving all its zones; and their names for the towns' labels. Besides its
// name, CLDR's short and other names of a country are found: "UK", "US", "Ivory Coast".
void PlaceIndex::addCountryNames(Build &build, const Sources &)
{
    std::vector<icu::LocalUResourceBundlePointer> otherNames;
    for (const icu::Locale &locale : build.locales) {
        UErrorCode status = U_ZERO_ERROR;
        const icu::LocalUResourceBundlePointer regions(
            ures_open(U_ICUDATA_NAME U_TREE_SEPARATOR_STRING "region", locale.getName(), &status));
        for (const char *table : {"Countries%short", "Countries%variant"}) {
            UErrorCode found = status;
            otherNames.emplace_back(ures_getByKey(regions.getAlias(), table, nullptr, &found));
            if (U_FAILURE(found))
                otherNames.pop_back();
        }
    }
    countryNames = QStringList(countryCodes.size(), QString());
    for (qsizetype country = 1; country < countryCodes.size(); ++country) {
        const QString code = countryCodes.at(country);
        const QByteArray latin = code.toLatin1();
        QStringList names;
        for (const icu::Locale &locale : build.locales) {
            // A fresh string: ICU writes nothing into one left bogus by an earlier look-up.
            icu::UnicodeString display;
            icu::Locale("", latin.constData()).getDisplayCountry(locale, display);
            names << fromIcu(display);
        }
        for (const icu::LocalUResourceBundlePointer &table : otherNames) {
            UErrorCode status = U_ZERO_ERROR;
            int32_t length = 0;
            const UChar *name = ures_getStringByKey(table.getAlias(), latin.constData(), &length, &status);
            if (U_SUCCESS(status))
                names << QString(reinterpret_cast<const QChar *>(name), length);
        }
        names.removeAll(code);
        names.removeAll(QString());
        countryNames[country] = names.value(0);
        if (size_t(country) >= build.countryZones.size() || build.countryZones[size_t(country)].empty())
            continue;
        std::vector<quint16> &zones = build.countryZones[size_t(country)];
        sortByWeight(zones);
        for (const QString &name : std::as_const(names))
            addUnique(build, name, addPlace(Kind::Country, zones, quint16(country), zoneWeight[zones.front()]), true);
    }
}

void PlaceIndex::indexWords()
{
    words.clear();
    words.reserve(entries.size() * 3 / 2);
    for (size_t e = 0; e < entries.size(); ++e) {
        const char *key = keys.data() + entries[e].key;
        const bool wholeOnly = places[entries[e].place].wholeOnly;
        for (quint32 at = 0; key[at] != '\0' && at < 256 && !(wholeOnly && at > 0); ++at) {
            if (at == 0 || key[at - 1] == ' ' || key[at - 1] == '/')
                words.push_back(quint32(e) << 8 | at);
        }
    }
    const auto start = [this](quint32 word) { return keys.data() + entries[word >> 8].key + (word & 0xFF); };
    std::sort(words.begin(), words.end(), [&](quint32 a, quint32 b) {
        const int order = std::strcmp(start(a), start(b));
        return order != 0 ? order < 0 : a < b;
    });
    words.shrink_to_fit();
}

quint32 PlaceIndex::entryAt(quint32 keyOffset) const
{
    const auto it = std::upper_bound(entries.begin(), entries.end(), keyOffset,
                                     [](quint32 offset, const Entry &entry) { return offset < entry.key; });
    return quint32(it - entries.begin() - 1);
}

QString PlaceIndex::labelText(quint32 label) const
{
    if (label >= townText.size())
        return QString::fromUtf8(names.constData() + (label - townText.size()));
    const char *start = townText.constData() + label;
    const char *end = start;
    while (*end != '\0' && *end != '|' && *end != '\n' && *end != '\t')
        ++end;
    return QString::fromUtf8(start, end - start);
}

QList<PlaceIndex::Suggestion> PlaceIndex::find(const QString &query, int limit) const
{
    const std::string q = fold(query);
    if (q.empty() || limit <= 0 || entries.empty())
        return {};

    struct Best
    {
        Match match = None;
        Kind kind = Kind::Identifier;
        quint64 rank = 0;
        quint64 labelRank = 0;
        quint32 entry = 0;
    };
    std::vector<Best> best(size_t(zoneIds.size()));
    int found = 0;
    const char *base = keys.data();
    // A zone ranks by its best kind of match, then by its largest place matched that way; its
    // label is the most telling name among those: a town before a country before an id.
    const auto consider = [&](quint32 e, Match match) {
        const Place &place = places[entries[e].place];
        const bool single = place.zoneCount == 1;
        for (quint32 i = 0; i < place.zoneCount; ++i) {
            const quint16 zone = placeZones[place.zones + i];
            const quint64 weight = single ? place.weight : zoneWeight[zone];
            const quint16 country = single ? place.country : zoneCountry[zone];
            const quint64 rank = weight * (home != 0 && country == home ? HomeBoost : 1);
            Best &b = best[zone];
            if (match < b.match) {
                found += b.match == None ? 1 : 0;
                b = {match, place.kind, rank, rank, e};
            } else if (match == b.match) {
                b.rank = std::max(b.rank, rank);
                // Among equals the shortest name: "Ho Chi Minh" before "Cathair Ho Chi Minh".
                const bool shorter = place.kind == b.kind && rank == b.labelRank
                                     && std::strlen(base + entries[e].key) < std::strlen(base + entries[b.entry].key);
                if (place.kind < b.kind || (place.kind == b.kind && rank > b.labelRank) || shorter) {
                    b.kind = place.kind;
                    b.labelRank = rank;
                    b.entry = e;
                }
            }
        }
    };

    const auto start = [&](quint32 word) { return base + entries[word >> 8].key + (word & 0xFF); };
    const auto prefixOrder = [&](quint32 word, const std::string &text) {
        return std::strncmp(start(word), text.c_str(), text.size()) < 0;
    };
    for (auto it = std::lower_bound(words.begin(), words.end(), q, prefixOrder);
         it != words.end() && std::strncmp(start(*it), q.c_str(), q.size()) == 0; ++it) {
        Match match = WordStart;
        if ((*it & 0xFF) == 0)
            match = start(*it)[q.size()] == '\0' ? Exact : Prefix;
        consider(*it >> 8, match);
    }
    // Inside words only when the beginnings gave too few zones.
    if (found < limit) {
        const std::string_view all(keys);
        for (size_t at = all.find(q, 1); at != std::string_view::npos; at = all.find(q, at + 1)) {
            const char before = all[at - 1];
            if (before != '\0' && before != ' ' && before != '/')
                consider(entryAt(quint32(at)), Inner);
        }
    }

    std::vector<quint16> zones;
    for (size_t zone = 0; zone < best.size(); ++zone) {
        if (best[zone].match != None)
            zones.push_back(quint16(zone));
    }
    const auto better = [&](quint16 a, quint16 b) {
        if (best[a].match != best[b].match)
            return best[a].match < best[b].match;
        if (best[a].rank != best[b].rank)
            return best[a].rank > best[b].rank;
        return zoneIds.at(a) < zoneIds.at(b);
    };
    const size_t count = std::min(zones.size(), size_t(limit));
    std::partial_sort(zones.begin(), zones.begin() + qsizetype(count), zones.end(), better);

    QList<Suggestion> suggestions;
    for (size_t i = 0; i < count; ++i) {
        const quint16 zone = zones[i];
        const Best &b = best[zone];
        const Entry &entry = entries[b.entry];
        const Place &place = places[entry.place];
        Suggestion s{QString(), QString(), zoneIds.at(zone), b.kind};
        if (b.kind != Kind::Identifier)
            s.name = labelText(entry.label);
        if (b.kind == Kind::Town)
            s.country = countryNames.value(place.country);
        else if (b.kind == Kind::City)
            s.country = countryNames.value(zoneCountry[zone]);
        suggestions << s;
    }
    return suggestions;
}

qsizetype PlaceIndex::byteSize() const
{
    qsizetype strings = 0;
    for (const QString &text : zoneIds)
        strings += 32 + text.capacity() * 2;
    for (const QString &text : countryNames)
        strings += 32 + text.capacity() * 2;
    return qsizetype(keys.capacity()) + townText.capacity() + names.capacity()
           + qsizetype(entries.capacity() * sizeof(Entry) + places.capacity() * sizeof(Place)
                       + placeZones.capacity() * 2 + words.capacity() * 4 + zoneWeight.capacity() * 4
                       + zoneCountry.capacity() * 2)
           + strings;
}

} // namespace quillmark::hrl
