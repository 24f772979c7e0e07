// What a user reads of the release, the About box the window opens, is what the metainfo, the
// Debian package made from the same build and the README's install step name.
#include "AboutBoxDialog.h"
#include "BidiText.h"
#include "FreshStoreTest.h"
#include "HRL.h"
#include "StartupBox.h"

#include <QFile>
#include <QLabel>
#include <QTest>

using namespace quillmark::hrl;
using namespace quillmark::utils;
using namespace Qt::StringLiterals;

namespace {

// The rest of the About box's row that starts with prefix.
QString rowAfter(const AboutBoxDialog &box, const QString &prefix)
{
    for (const QLabel *label : box.findChildren<QLabel *>()) {
        const QString text = BidiText::strip(label->text());
        if (text.startsWith(prefix))
            return text.mid(prefix.size());
    }
    return {};
}

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestVersion : public FreshStoreTest
{
    Q_OBJECT

private Q_SLOTS:
    void aboutBoxNamesThePackagedRelease()
    {
        HRL hrl;
        settle();
        hrl.actionPerformed(u"About"_s);
        const QList<AboutBoxDialog *> boxes = hrl.findChildren<AboutBoxDialog *>();
        QCOMPARE(boxes.size(), 1);
        const QString version = rowAfter(*boxes.first(), u"Version: "_s);
        const QString released = rowAfter(*boxes.first(), u"Released: "_s);
        boxes.first()->dialogCleanUp();

        const QString release = u"<release version=\"%1\" date=\"%2\"/>"_s.arg(version,
                                                                               QString(released).replace(u'/', u'-'));
        QVERIFY2(fileText(HRL_BINARY_DIR "/com.quillmark.Horalia.metainfo.xml").contains(release), qPrintable(release));
        const QString package = u"set(CPACK_PACKAGE_VERSION \"%1\")"_s.arg(version);
        QVERIFY2(fileText(HRL_BINARY_DIR "/CPackConfig.cmake").contains(package), qPrintable(package));
        const QString install = u"horalia_%1_amd64.deb"_s.arg(version);
        QVERIFY2(fileText(HRL_SOURCE_DIR "/README.md").contains(install), qPrintable(install));
    }
};

QTEST_MAIN(TestVersion)
#include "tst_version.moc"
