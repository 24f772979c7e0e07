#include "StringUtils.h"

#include <QTest>

using quillmark::utils::StringUtils;

class TestStringUtils final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replaceAll_data();
    void replaceAll();
    void hexHelpers();
    void hexDumpRow();
    void labelWrapping();
};

void TestStringUtils::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");

    QTest::newRow("class name to node path") << "com.quillmark.hrl.HRL"
                                             << "."
                                             << "/"
                                             << "com/quillmark/hrl/HRL";
    QTest::newRow("replaced text is not searched again") << "aaaa"
                                                         << "aa"
                                                         << "a"
                                                         << "aa";
    QTest::newRow("replacement contains search") << "aa"
                                                 << "a"
                                                 << "aa"
                                                 << "aaaa";
    QTest::newRow("no occurrence") << "Europe/Berlin"
                                   << "_"
                                   << " "
                                   << "Europe/Berlin";
    QTest::newRow("no pattern syntax") << "a.b*c"
                                       << ".b*"
                                       << "$1"
                                       << "a$1c";
    QTest::newRow("empty search") << "abc"
                                  << ""
                                  << "x"
                                  << "abc";
}

void TestStringUtils::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QCOMPARE(StringUtils::replaceAll(text, search, replacement), expected);
}

void TestStringUtils::hexHelpers()
{
    QCOMPARE(StringUtils::byteToHex(10), QStringLiteral("0A"));
    // Only the lowest byte counts, signed or not.
    QCOMPARE(StringUtils::byteToHex(-1), QStringLiteral("FF"));
    QCOMPARE(StringUtils::byteToHex(char(-128)), QStringLiteral("80"));
    QCOMPARE(StringUtils::byteToHex(QChar(0x20AC)), QStringLiteral("AC"));
    QCOMPARE(StringUtils::hexDigit(15), QChar(u'F'));
    QCOMPARE(StringUtils::intToHex(-2), QStringLiteral("FFFFFFFE"));
    QCOMPARE(StringUtils::bytesToHex(QByteArray("\x00\x7f\x80\xff", 4)), QStringLiteral("007F80FF"));
}

void TestStringUtils::hexDumpRow()
{
    const QByteArray five("AB\x01\x7f\xa0", 5);
    const QString row = StringUtils::hexDumpRow(five, 5, 64, 32);
    QCOMPARE(row, QStringLiteral("000040: 4142017F A0") + QString(61, u' ') + u' ' + QStringLiteral("AB..")
                      + QChar(0xA0) + QString(27, u' '));

    QByteArray full;
    for (int i = 0; i < 32; ++i)
        full.append(char(0x30 + i));
    const QString fullRow = StringUtils::hexDumpRow(full, 32, 0x1234567, 32);
    QCOMPARE(fullRow.size(), 114); // 113 plus the seventh offset digit
    QVERIFY(fullRow.endsWith(QStringLiteral("4C4D4E4F  0123456789:;<=>?@ABCDEFGHIJKLMNO")));

    // Outside the limits: width 24 (24 / 4 is not a multiple of 4), no bytes, bad count or offset.
    QCOMPARE(StringUtils::hexDumpRow(five, 5, 0, 24), QString());
    QVERIFY(!StringUtils::hexDumpRow(five, 5, 0, 16).isEmpty());
    QCOMPARE(StringUtils::hexDumpRow(QByteArray(), 1, 0, 32), QString());
    QCOMPARE(StringUtils::hexDumpRow(five, 0, 0, 32), QString());
    QCOMPARE(StringUtils::hexDumpRow(five, 6, 0, 32), QString());
    QCOMPARE(StringUtils::hexDumpRow(five, 5, -1, 32), QString());
}

void TestStringUtils::labelWrapping()
{
    QCOMPARE(StringUtils::cleanFileName(QStringLiteral("a/b%c")), QStringLiteral("a_b_c"));
    QCOMPARE(StringUtils::wrapLabel(QStringLiteral("two words"), 3), QStringLiteral("<html>two words</html>"));
    // The only blank lies before the start position.
    QCOMPARE(StringUtils::wrapLabel(QStringLiteral("two words"), 4), QStringLiteral("two words"));
    QCOMPARE(StringUtils::wrapLabel(QStringLiteral("a b"), 50), QStringLiteral("a b"));
}

QTEST_APPLESS_MAIN(TestStringUtils)
#include "tst_stringutils.moc"
