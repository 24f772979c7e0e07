#include "HRL.h"

#include <QTest>

using quillmark::hrl::HRL;

// The About box and the installed package (metainfo, Debian version) name one release.
class TestVersion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aboutBoxNamesThePackagedRelease()
    {
        QCOMPARE(HRL::VERSION, QStringLiteral(HRL_PROJECT_VERSION));
        QCOMPARE(QString(HRL::RELEASE_DATE).replace(u'/', u'-'), QStringLiteral(HRL_PACKAGE_RELEASE_DATE));
    }
};

QTEST_GUILESS_MAIN(TestVersion)
#include "tst_version.moc"
