#include "CountryCodes.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using quillmark::hrl::CountryCodes;
using namespace Qt::StringLiterals;

class TestCountryCodes final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookup_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("code"); // a null QString: no entry

        QTest::newRow("canonical") << u"Asia/Kolkata"_s << u"IN"_s;
        QTest::newRow("unlisted alias") << u"Asia/Calcutta"_s << QString();
        QTest::newRow("three levels") << u"America/Argentina/Buenos_Aires"_s << u"AR"_s;
        QTest::newRow("case matters") << u"america/argentina/buenos_aires"_s << QString();
        QTest::newRow("short alias not listed") << u"America/Buenos_Aires"_s << QString();
        QTest::newRow("code without images") << u"Africa/Juba"_s << u"SS"_s;
        QTest::newRow("Canary") << u"Atlantic/Canary"_s << u"ES"_s;
        QTest::newRow("Ceuta") << u"Africa/Ceuta"_s << u"ES"_s;
        QTest::newRow("US/Samoa") << u"US/Samoa"_s << u"US"_s;
        QTest::newRow("Pago_Pago") << u"Pacific/Pago_Pago"_s << u"AS"_s;
        QTest::newRow("Macquarie") << u"Antarctica/Macquarie"_s << u"AU"_s;
        QTest::newRow("other station") << u"Antarctica/Troll"_s << u"AQ"_s;
        QTest::newRow("Busingen") << u"Europe/Busingen"_s << u"DE"_s;
        QTest::newRow("Longyearbyen") << u"Arctic/Longyearbyen"_s << u"SJ"_s;
        QTest::newRow("Wake") << u"Pacific/Wake"_s << u"UM"_s;
        QTest::newRow("single word") << u"Hongkong"_s << u"HK"_s;
        QTest::newRow("hyphen") << u"America/Port-au-Prince"_s << u"HT"_s;
        QTest::newRow("underscore") << u"America/Port_of_Spain"_s << u"TT"_s;
        QTest::newRow("hyphen alias") << u"US/East-Indiana"_s << u"US"_s;
        QTest::newRow("UTC") << u"UTC"_s << QString();
        QTest::newRow("GMT") << u"GMT"_s << QString();
        QTest::newRow("Etc") << u"Etc/GMT+5"_s << QString();
        QTest::newRow("trailing blank") << u"Asia/Kolkata "_s << QString();
        QTest::newRow("empty") << u""_s << QString();
        QTest::newRow("null") << QString() << QString();
    }

    void lookup()
    {
        QFETCH(QString, id);
        QFETCH(QString, code);
        const CountryCodes codes;
        const QString found = codes.findCountryCode(id);
        QCOMPARE(found, code);
        // The flag is skipped on a null answer, not on an empty one.
        QCOMPARE(found.isNull(), code.isNull());
    }

    // The rows, in whatever order: one per identifier, each with the code the lookup gives.
    void table()
    {
        const CountryCodes codes;
        const auto &rows = codes.getByCodes();
        QCOMPARE(rows.size(), 478);

        const QRegularExpression twoLetters(u"^[A-Z]{2}$"_s);
        QSet<QString> ids;
        QSet<QString> distinct;
        for (const CountryCodes::Row &row : rows) {
            QVERIFY2(!ids.contains(row[0]), qPrintable(row[0]));
            ids.insert(row[0]);
            distinct.insert(row[1]);
            QVERIFY2(twoLetters.match(row[1]).hasMatch(), qPrintable(row[0] + u' ' + row[1]));
            QCOMPARE(codes.findCountryCode(row[0]), row[1]);
        }
        QCOMPARE(distinct.size(), 247);
    }
};

QTEST_GUILESS_MAIN(TestCountryCodes)
#include "tst_countrycodes.moc"
