#include "DisplayPlatform.h"

#include <QProcessEnvironment>
#include <QTest>

using quillmark::hrl::DisplayPlatform;

namespace {
QProcessEnvironment environment(const QStringList &assignments)
{
    QProcessEnvironment env;
    for (const QString &assignment : assignments) {
        const qsizetype eq = assignment.indexOf(u'=');
        env.insert(assignment.left(eq), assignment.mid(eq + 1));
    }
    return env;
}
} // namespace

class TestDisplayPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choice_data()
    {
        QTest::addColumn<QStringList>("env");
        QTest::addColumn<QByteArray>("platform");

        QTest::newRow("Wayland with XWayland")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"} << QByteArray("xcb");
        QTest::newRow("X11 session") << QStringList{"DISPLAY=:0"} << QByteArray();
        QTest::newRow("Wayland without XWayland") << QStringList{"WAYLAND_DISPLAY=wayland-0"} << QByteArray();
        QTest::newRow("user chose wayland")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM=wayland"} << QByteArray();
        QTest::newRow("user chose offscreen")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM=offscreen"} << QByteArray();
        // Qt itself reads an empty QT_QPA_PLATFORM as no choice.
        QTest::newRow("empty platform is no choice")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM="} << QByteArray("xcb");
        QTest::newRow("empty DISPLAY") << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY="} << QByteArray();
        QTest::newRow("empty WAYLAND_DISPLAY") << QStringList{"WAYLAND_DISPLAY=", "DISPLAY=:0"} << QByteArray();
        QTest::newRow("nothing") << QStringList{} << QByteArray();
    }

    void choice()
    {
        QFETCH(QStringList, env);
        QFETCH(QByteArray, platform);
        QCOMPARE(DisplayPlatform::forEnvironment(environment(env)), platform);
    }
};

QTEST_GUILESS_MAIN(TestDisplayPlatform)
#include "tst_displayplatform.moc"
