#include "CountryCodes.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

using quillmark::hrl::CountryCodes;
using namespace Qt::StringLiterals;

namespace {

const QString Images = u":/com/quillmark/images/"_s;

QSet<QString> words(const QString &text)
{
    const QStringList list = text.split(u' ', Qt::SkipEmptyParts);
    return {list.begin(), list.end()};
}

QSet<QString> tableCodes()
{
    QSet<QString> codes;
    const CountryCodes table;
    for (const CountryCodes::Row &row : table.getByCodes())
        codes.insert(row[1].toLower());
    return codes;
}

QString sorted(const QSet<QString> &set)
{
    QStringList list(set.begin(), set.end());
    list.sort();
    return list.join(u' ');
}

QString atTwoX(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return path.left(dot) + u"@2x"_s + path.mid(dot);
}

enum class Shape { Rectangle, Pennant, Disc };

// Where a flag must be opaque and where transparent: a 4:3 flag fills the full width between
// transparent rows, a round one fills the disc. Pixels cut by the disc's rim may be either, and so
// may any pixel of Nepal's pennant within its rows. Returns the first pixel that breaks this, or
// an empty string.
QString coverFault(const QImage &image, Shape shape)
{
    const int s = image.width();
    const int pad = (s - s * 3 / 4) / 2;
    const double r = s / 2.0;
    for (int y = 0; y < s; ++y) {
        for (int x = 0; x < s; ++x) {
            int want = -1; // either
            if (shape == Shape::Disc) {
                const double dx = std::max(std::abs(x - r), std::abs(x + 1 - r));
                const double dy = std::max(std::abs(y - r), std::abs(y + 1 - r));
                const double nx = std::max(0.0, std::max(x - r, r - (x + 1)));
                const double ny = std::max(0.0, std::max(y - r, r - (y + 1)));
                if (dx * dx + dy * dy <= r * r)
                    want = 255;
                else if (nx * nx + ny * ny >= r * r)
                    want = 0;
            } else if (y < pad || y >= s - pad) {
                want = 0;
            } else if (shape == Shape::Rectangle) {
                want = 255;
            }
            const int alpha = qAlpha(image.pixel(x, y));
            if (want >= 0 && alpha != want)
                return u"pixel (%1, %2) has alpha %3"_s.arg(x).arg(y).arg(alpha);
        }
    }
    return {};
}

// What a HiDPI screen shows: the icon Qt builds from the 1x path, drawn at 16 logical pixels.
QImage hidpiPixmap(const QString &path, int logical)
{
    QImage image = QIcon(path).pixmap(QSize(logical, logical)).toImage();
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A file's pixels; an "@2x" name already gives the image a device pixel ratio of 2.
QImage premultiplied(const QString &path)
{
    QImage image(path);
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class TestFlagImages final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void flagFolders_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("missing"); // codes of the table without an image
        QTest::addColumn<QString>("extra");   // images no table entry uses
        QTest::addColumn<int>("count");

        QTest::newRow("rectangle") << u"flags-rectangle"_s << u"bq cw ss sx yt"_s << u"an bv hm"_s << 245;
        QTest::newRow("round") << u"flags-round"_s
                               << u"aq ax bl bq cc cw eh gf gg gp im io je me mf mp nc ps re sh sj ss sx tf tk um yt"_s
                               << u"an"_s << 221;
    }

    void flagFolders()
    {
        QFETCH(QString, folder);
        QFETCH(QString, missing);
        QFETCH(QString, extra);
        QFETCH(int, count);

        const QString dirPath = Images + folder + u'/';
        const QStringList files = QDir(dirPath).entryList(QDir::Files, QDir::Name);
        const QRegularExpression name(u"^flag-([a-z]{2})(@2x)?\\.png$"_s);
        QSet<QString> oneX;
        QSet<QString> twoX;
        for (const QString &file : files) {
            const QRegularExpressionMatch m = name.match(file);
            QVERIFY2(m.hasMatch(), qPrintable(u"stray file "_s + file));
            (m.hasCaptured(2) ? twoX : oneX).insert(m.captured(1));
        }
        QCOMPARE(oneX.size(), count);
        QCOMPARE(sorted(twoX), sorted(oneX));

        const QSet<QString> table = tableCodes();
        QVERIFY2(table.contains(words(missing)), "a listed gap is not a code of the table");
        QVERIFY2(!table.intersects(words(extra)), "a listed extra is a code of the table");
        const QSet<QString> expected = (table - words(missing)) | words(extra);
        QCOMPARE(sorted(oneX), sorted(expected));

        for (const QString &code : std::as_const(oneX)) {
            const QString path = dirPath + u"flag-"_s + code + u".png"_s;
            for (const int size : {16, 32}) {
                const QString file = size == 16 ? path : atTwoX(path);
                const QImage image(file);
                QVERIFY2(!image.isNull(), qPrintable(file));
                QCOMPARE(image.size(), QSize(size, size));
                QVERIFY2(image.hasAlphaChannel(), qPrintable(file));
                // A seam between two shapes, or a flag drawn on an opaque square, shows here.
                const Shape shape = folder == u"flags-round"_s ? Shape::Disc
                                    : code == u"np"_s          ? Shape::Pennant
                                                               : Shape::Rectangle;
                const QString fault = coverFault(image, shape);
                QVERIFY2(fault.isEmpty(), qPrintable(file + u": "_s + fault));
            }
        }
    }

    void flagFollowsScreen()
    {
        const QString path = Images + u"flags-round/flag-an.png"_s;
        const QImage shown = hidpiPixmap(path, 16);
        QCOMPARE(shown.size(), QSize(32, 32));
        QCOMPARE(shown, premultiplied(atTwoX(path)));
    }

    void icons_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("size");

        const char *const menuIcons[] = {
            "accessories-clock-3.png",
            "preferences.png",
            "exit.gif",
            "user-new.png",
            "dialog-cancel-4.png",
            "up_arrow.gif",
            "down_arrow.gif",
            "media-floppy-3.5-2.png",
            "document-close-3.png",
            "dialog-apply.png",
            "dialog-disable.png",
            "homepage.png",
            "email-go.png",
            "hrl.png",
        };
        for (const char *name : menuIcons)
            QTest::newRow(name) << u"16/"_s + QString::fromLatin1(name) << 16;
        QTest::newRow("window icon") << u"hrl.png"_s << 32;
    }

    // Each icon and its @2x file exist at their sizes, and a HiDPI screen gets the @2x pixels
    // rather than the small file scaled up.
    void icons()
    {
        QFETCH(QString, path);
        QFETCH(int, size);

        const QString file = Images + path;
        const QImage image(file);
        QVERIFY2(!image.isNull(), qPrintable(file));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());

        const QImage large(atTwoX(file));
        QVERIFY2(!large.isNull(), qPrintable(atTwoX(file)));
        QCOMPARE(large.size(), QSize(2 * size, 2 * size));
        QCOMPARE(hidpiPixmap(file, size), premultiplied(atTwoX(file)));
    }
};

int main(int argc, char **argv)
{
    // A screen of device pixel ratio 2, as on a HiDPI display.
    qputenv("QT_SCALE_FACTOR", "2");
    QGuiApplication app(argc, argv);
    TestFlagImages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_flagimages.moc"
