// Finding zones by what people type: the first zone found for towns, countries, zone names and
// ids in four desktop languages; the place list's loader with old, foreign and unknown zone ids.
#include "CountryCodes.h"
#include "Gazetteer.h"
#include "PlaceIndex.h"
#include "ZoneAliases.h"
#include "ZoneInfo.h"

#include <QTemporaryFile>
#include <QTest>

#include <map>
#include <memory>

using namespace quillmark::hrl;
using namespace Qt::StringLiterals;

namespace {

// One index per desktop language, built as the time zone dialog builds it.
const PlaceIndex &indexFor(const QString &locale)
{
    static std::map<QString, std::unique_ptr<PlaceIndex>> built;
    std::unique_ptr<PlaceIndex> &index = built[locale];
    if (!index) {
        index = std::make_unique<PlaceIndex>(PlaceIndex::systemSources(
            CountryCodes().getByCodes(), locale, locale.section(u'_', 1), 1784116800000)); // 2026-07-15
    }
    return *index;
}

} // namespace

class TestPlaceIndex final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstZoneFound_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("zone");  // empty: nothing found
        QTest::addColumn<QString>("shown"); // the suggestion's name and country

        QTest::newRow("town") << u"en_US"_s << u"Mumbai"_s << u"Asia/Kolkata"_s << u"Mumbai, India"_s;
        QTest::newRow("home country first")
            << u"en_US"_s << u"Birmingham"_s << u"America/Chicago"_s << u"Birmingham, United States"_s;
        QTest::newRow("larger town elsewhere")
            << u"ja_JP"_s << u"Birmingham"_s << u"Europe/London"_s << u"Birmingham, イギリス"_s;
        QTest::newRow("no accents") << u"en_US"_s << u"sao paulo"_s << u"America/Sao_Paulo"_s << u"São Paulo, Brazil"_s;
        QTest::newRow("case and accents") << u"fr_FR"_s << u"ZÜRICH"_s << u"Europe/Zurich"_s << u"Zürich, Suisse"_s;
        QTest::newRow("full width") << u"ja_JP"_s << u"Ｔｏｋｙｏ"_s << u"Asia/Tokyo"_s << u"Tokyo, 日本"_s;
        QTest::newRow("kanji") << u"ja_JP"_s << u"東京"_s << u"Asia/Tokyo"_s << u"東京, 日本"_s;
        QTest::newRow("German name") << u"de_DE"_s << u"München"_s << u"Europe/Berlin"_s << u"München, Deutschland"_s;
        QTest::newRow("Cyrillic") << u"de_DE"_s << u"Мюнхен"_s << u"Europe/Berlin"_s << u"Мюнхен, Deutschland"_s;
        QTest::newRow("hiragana for katakana")
            << u"en_US"_s << u"みゅんへん"_s << u"Europe/Berlin"_s << u"ミュンヘン, Germany"_s;
        QTest::newRow("word inside a name")
            << u"en_US"_s << u"chi minh"_s << u"Asia/Ho_Chi_Minh"_s << u"Ho Chi Minh, Vietnam"_s;
        QTest::newRow("apostrophe") << u"fr_FR"_s << u"sanaa"_s << u"Asia/Aden"_s << u"Sanaa, Yémen"_s;
        QTest::newRow("country, one zone") << u"de_DE"_s << u"Indien"_s << u"Asia/Kolkata"_s << u"Indien"_s;
        QTest::newRow("country, several") << u"fr_FR"_s << u"Allemagne"_s << u"Europe/Berlin"_s << u"Allemagne"_s;
        QTest::newRow("country's short name") << u"en_US"_s << u"uk"_s << u"Europe/London"_s << u"UK"_s;
        QTest::newRow("country in English") << u"ja_JP"_s << u"Australia"_s << u"Australia/Sydney"_s << u"Australia"_s;
        QTest::newRow("zone name") << u"en_US"_s << u"pacific time"_s << u"America/Los_Angeles"_s << u"Pacific Time"_s;
        QTest::newRow("abbreviation") << u"en_US"_s << u"PST"_s << u"America/Los_Angeles"_s << u"PST"_s;
        QTest::newRow("German abbreviation") << u"de_DE"_s << u"MEZ"_s << u"Europe/Berlin"_s << u"MEZ"_s;
        QTest::newRow("French zone name") << u"fr_FR"_s << u"heure normale d'Europe centrale"_s << u"Europe/Paris"_s
                                          << u"heure normale d’Europe centrale"_s;
        QTest::newRow("CLDR city") << u"fr_FR"_s << u"Londres"_s << u"Europe/London"_s << u"Londres, Royaume-Uni"_s;
        QTest::newRow("old name of a zone") << u"en_US"_s << u"Kiev"_s << u"Europe/Kyiv"_s << u"Kiev, Ukraine"_s;
        QTest::newRow("id prefix") << u"de_DE"_s << u"Asia/Tok"_s << u"Asia/Tokyo"_s << QString();
        QTest::newRow("id") << u"en_US"_s << u"CET"_s << u"CET"_s << QString();
        QTest::newRow("miss") << u"fr_FR"_s << u"qxzqxz"_s << QString() << QString();
        QTest::newRow("blank") << u"en_US"_s << u" - "_s << QString() << QString();
    }

    void firstZoneFound()
    {
        QFETCH(QString, locale);
        QFETCH(QString, query);
        QFETCH(QString, zone);
        QFETCH(QString, shown);
        const QList<PlaceIndex::Suggestion> found = indexFor(locale).find(query);
        QCOMPARE(found.value(0).zoneId, zone);
        const PlaceIndex::Suggestion first = found.value(0);
        QCOMPARE(first.country.isEmpty() ? first.name : first.name + u", "_s + first.country, shown);
        QVERIFY(found.size() <= 10);
    }

    void everyZoneOfACountry()
    {
        QStringList zones;
        for (const PlaceIndex::Suggestion &s : indexFor(u"fr_FR"_s).find(u"allemagne"_s))
            zones << s.zoneId;
        // Both of Germany's zones, the one of the larger towns first.
        QCOMPARE(zones, QStringList({u"Europe/Berlin"_s, u"Europe/Busingen"_s}));
    }

    void loaderMapsAndDropsZones()
    {
        QTemporaryFile zi;
        QVERIFY(zi.open());
        zi.write("# version 2099a\nZ Asia/Kolkata 5:53:28 - LMT 1854 Jun 28\nL Asia/Kolkata Asia/Calcutta\n"
                 "L Europe/Prague Europe/Bratislava\nL Europe/Kyiv Europe/Kiev\n");
        zi.close();
        const QHash<QString, QString> links = quillmark::utils::ZoneInfo::readZi(zi.fileName()).links;
        QCOMPARE(links.value(u"Asia/Calcutta"_s), u"Asia/Kolkata"_s);
        QCOMPARE(links.size(), 3);

        const QStringList known{u"Asia/Calcutta"_s, u"Asia/Kolkata"_s, u"Europe/Bratislava"_s,
                                u"Europe/Prague"_s, u"Europe/Kiev"_s,  u"Europe/Kyiv"_s};
        const ZoneAliases aliases(known, links,
                                  {{u"Asia/Kolkata"_s, u"IN"_s},
                                   {u"Europe/Bratislava"_s, u"SK"_s},
                                   {u"Europe/Prague"_s, u"CZ"_s},
                                   {u"Europe/Kiev"_s, u"UA"_s}});
        const Gazetteer g = Gazetteer::load("# comment\n"
                                            "Asia/Calcutta\tIN\t12691836\tMumbai|Bombay|मुंबई\n"
                                            "Asia/Calcutta\tIN\t4631392\tKolkata|Calcutta\n"
                                            "Europe/Bratislava\tSK\t423737\tBratislava|Pressburg\n"
                                            "Europe/Kiev\tUA\t2797553\tKyiv|Kiev\n"
                                            "Mars/Olympus_Mons\tXX\t12\tBase\n"
                                            "Asia/Kolkata\tIND\t1\tbad country\n"
                                            "Europe/Prague\tCZ\tmany\tPraha|Prag\n",
                                            aliases);
        // Same country: the current name; another country's link stays; unknown: dropped.
        QCOMPARE(g.zones(),
                 QStringList({u"Asia/Kolkata"_s, u"Europe/Bratislava"_s, u"Europe/Kyiv"_s, u"Europe/Prague"_s}));
        QCOMPARE(g.mappedCount(), 3);
        QCOMPARE(g.droppedCount(), 1);
        QCOMPARE(int(g.towns().size()), 5);
        const Gazetteer::Town &mumbai = g.towns().front();
        QCOMPARE(QString::fromUtf8(g.namesOf(mumbai)), u"Mumbai|Bombay|मुंबई"_s);
        QCOMPARE(mumbai.population, 12691836U);
        QCOMPARE(QByteArray(mumbai.country.data(), 2), "IN");
        QCOMPARE(g.towns().back().population, 0U);
        QCOMPARE(g.zones().at(g.towns().back().zone), u"Europe/Prague"_s);
    }
};

QTEST_GUILESS_MAIN(TestPlaceIndex)
#include "tst_placeindex.moc"
