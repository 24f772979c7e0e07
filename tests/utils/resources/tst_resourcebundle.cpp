#include "ResourceBundle.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using quillmark::utils::ResourceBundle;

namespace {
const QString App = QStringLiteral("com.quillmark.hrl.lang/Lang");
const QString Shared = QStringLiteral("com.quillmark.utils.lang/Lang");
const QString AppDir = QStringLiteral(":/com/quillmark/hrl/lang/");
const QString SharedDir = QStringLiteral(":/com/quillmark/utils/lang/");

const QStringList Suffixes =
    QStringLiteral(
        "_am _ar _az _bn _ceb _cs _da _de _el _en _en_US _es _fa _fi _fr _gu _ha _hi _hu _ig _in _it _iw _ja _jv _kn "
        "_ko _ml _mr _ms _nl _no _pa _pl _ps _pt _ro _ru _sd _sn _su _sv _sw _ta _te _th _tr _uk _ur _uz _vi _xh _yo "
        "_zh_cn _zh_tw _zu")
        .split(u' ');

QStringList fileNames(const QString &dir)
{
    QStringList names;
    for (const QString &suffix : Suffixes)
        names << dir + QStringLiteral("Lang") + suffix + QStringLiteral(".properties");
    return names;
}
} // namespace

class TestResourceBundle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resolution_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("chain");
        auto files = [](std::initializer_list<const char *> suffixes) {
            QStringList out;
            for (const char *s : suffixes)
                out << AppDir + QStringLiteral("Lang") + QString::fromLatin1(s) + QStringLiteral(".properties");
            return out;
        };
        QTest::newRow("de_DE") << "de_DE" << files({"_de", ""});
        QTest::newRow("en_US") << "en_US" << files({"_en_US", "_en", ""});
        QTest::newRow("en_GB") << "en_GB" << files({"_en", ""});
        QTest::newRow("pt_BR") << "pt_BR" << files({"_pt", ""});
        QTest::newRow("sk_SK has no file") << "sk_SK" << files({""});
        QTest::newRow("zh_CN, any case") << "zh_CN" << files({"_zh_cn", ""});
        QTest::newRow("zh_TW") << "zh_TW" << files({"_zh_tw", ""});
        QTest::newRow("zh_HK falls to English") << "zh_HK" << files({""});
        QTest::newRow("he is iw") << "he_IL" << files({"_iw", ""});
        QTest::newRow("id is in") << "id_ID" << files({"_in", ""});
        QTest::newRow("nb is no") << "nb_NO" << files({"_no", ""});
        QTest::newRow("POSIX name") << "fr_FR.UTF-8" << files({"_fr", ""});
        QTest::newRow("empty") << "" << files({""});
    }

    void resolution()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, chain);
        QCOMPARE(ResourceBundle::getBundle(App, locale).chain(), chain);
    }

    void lookupFallsThroughToEnglish()
    {
        const auto english = ResourceBundle::getBundle(App, QStringLiteral("en_US"));
        QCOMPARE(english.getString(QStringLiteral("menu.resetgui")), QStringLiteral("Reset View"));
        QCOMPARE(english.getString(QStringLiteral("lbl.applicationisalwaysontop")),
                 QStringLiteral("Application is always on top?"));
        QCOMPARE(english.getString(QStringLiteral("popup.warningnotsavedyourchanges")),
                 QStringLiteral("Warning: You have not saved your changes."));
        QCOMPARE(ResourceBundle::getBundle(App, QStringLiteral("sk_SK")).getString(QStringLiteral("button.close")),
                 QStringLiteral("Close"));
        // An absent key is shown as itself rather than as nothing.
        QCOMPARE(english.getString(QStringLiteral("no.such.key")), QStringLiteral("no.such.key"));
    }

    void escapesDecodeToExactCharacters()
    {
        const auto german = ResourceBundle::getBundle(App, QStringLiteral("de_DE"));
        QCOMPARE(german.getString(QStringLiteral("button.close")), QStringLiteral("Schlie\u00dfen"));
        const auto table = ResourceBundle::parse("a=x\\u00dfy\r\nb=\\ud83d\\ude00\r\n# c=comment\r\nd=k=v: ?\r\n");
        QCOMPARE(table.value(QStringLiteral("a")), QStringLiteral("x\u00dfy"));
        QCOMPARE(table.value(QStringLiteral("b")), QString::fromUtf8("\xF0\x9F\x98\x80"));
        QVERIFY(!table.contains(QStringLiteral("# c")));
        QCOMPARE(table.value(QStringLiteral("d")), QStringLiteral("k=v: ?"));
    }

    // Every shipped file, both families, in the one format the loader and tools agree on.
    void shippedFilesKeepTheFormat()
    {
        const QSet<QString> appKeys = keysOf(AppDir + QStringLiteral("Lang.properties"));
        const QSet<QString> sharedKeys = keysOf(SharedDir + QStringLiteral("Lang.properties"));
        QCOMPARE(appKeys.size(), 51);
        QCOMPARE(sharedKeys.size(), 15);

        for (const auto &[dir, keys] : {std::pair{AppDir, appKeys}, std::pair{SharedDir, sharedKeys}}) {
            QStringList expected = fileNames(dir);
            expected << dir + QStringLiteral("Lang.properties");
            QStringList present;
            QDirIterator it(dir, {QStringLiteral("*.properties")});
            while (it.hasNext())
                present << it.next();
            expected.sort();
            present.sort();
            QCOMPARE(present, expected);

            for (const QString &path : std::as_const(present)) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QByteArray data = file.readAll();
                const bool english = path.endsWith(u"_en.properties") || path.endsWith(u"_en_US.properties");
                checkFormat(path, data, english);
                if (english)
                    continue;
                QCOMPARE(keysOf(path), keys);
            }
        }
    }

    void translatedTextsDiffer()
    {
        // A translation that is English throughout was never translated.
        for (const QString &suffix : Suffixes) {
            if (suffix == u"_en" || suffix == u"_en_US")
                continue;
            const auto bundle = ResourceBundle::getBundle(App, suffix.mid(1));
            QVERIFY2(bundle.getString(QStringLiteral("menu.settings")) != u"Settings"
                         || bundle.getString(QStringLiteral("button.cancel")) != u"Cancel",
                     qPrintable(suffix));
        }
    }

private:
    static QSet<QString> keysOf(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const auto table = ResourceBundle::parse(file.readAll());
        return QSet<QString>(table.keyBegin(), table.keyEnd());
    }

    static void checkFormat(const QString &path, const QByteArray &data, bool english)
    {
        // Held for the whole check: a failure message must still name the file.
        const QByteArray nameBytes = path.toUtf8();
        const char *name = nameBytes.constData();
        QVERIFY2(!data.isEmpty(), name);
        for (char c : data)
            QVERIFY2(uchar(c) < 128, name);
        if (english) {
            QVERIFY2(data.endsWith("\n") && !data.contains("\r") && data.count('\n') == 1 && data.startsWith("# "),
                     name);
            return;
        }
        QVERIFY2(data.endsWith("\r\n"), name);
        QVERIFY2(data.count('\n') == data.count("\r\n"), name);
        static const QRegularExpression entry(QStringLiteral("^[a-z]+(\\.[a-z]+)+=\\S(.*\\S)?$"));
        static const QRegularExpression badEscape(QStringLiteral("\\\\(?!u[0-9a-f]{4})"));
        QSet<QString> seen;
        const QList<QByteArray> lines = data.left(data.size() - 2).split('\n');
        for (QByteArray line : lines) {
            if (line.endsWith('\r'))
                line.chop(1);
            const QString text = QString::fromLatin1(line);
            QVERIFY2(!text.isEmpty(), name);
            if (text.startsWith(u'#'))
                continue;
            QVERIFY2(entry.match(text).hasMatch(), qPrintable(path + u": " + text));
            QVERIFY2(!badEscape.match(text).hasMatch(), qPrintable(path + u": " + text));
            const QString key = text.left(text.indexOf(u'='));
            QVERIFY2(!seen.contains(key), qPrintable(path + u": duplicate " + key));
            seen.insert(key);
        }
    }
};

QTEST_GUILESS_MAIN(TestResourceBundle)
#include "tst_resourcebundle.moc"
