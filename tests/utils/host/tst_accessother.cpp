// Links and files handed to the desktop or to the system's helper command. Nothing real is
// started: the desktop and the process starter are replaced, except where a stand-in helper
// on PATH shows that a helper runs detached.
#include "AccessOther.h"
#include "ScopedEnv.h"
#include "StdoutCapture.h"
#include "SystemProperties.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <optional>

using namespace quillmark::utils;
using namespace Qt::StringLiterals;

namespace {

struct Launch
{
    QString program;
    QStringList arguments;
};

// What reached the desktop and the starter, and what they answer.
struct Fakes
{
    QList<QUrl> desktop;
    QList<Launch> started;
    bool desktopAnswer = false;
    bool starterAnswer = true;

    Fakes()
    {
        AccessOther::setDesktopService([this](const QUrl &url) {
            desktop << url;
            return desktopAnswer;
        });
        AccessOther::setProcessStarter([this](const QString &program, const QStringList &arguments) {
            started << Launch{program, arguments};
            return starterAnswer;
        });
    }
    ~Fakes()
    {
        AccessOther::setDesktopService({});
        AccessOther::setProcessStarter({});
    }
};

// The message of the one trace line written, or the whole output when it is not one line.
QString traceMessage(StdoutCapture &capture)
{
    const QStringList lines = capture.lines();
    if (lines.size() != 1)
        return lines.join(u'\n');
    // "yyyy/MM/dd HH:mm:ss " comes first.
    return lines.constFirst().mid(20);
}

} // namespace

class TestAccessOther : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { SystemProperties::set(u"os.name"_s, u"Linux"_s); }

    void desktopFirst()
    {
        Fakes fakes;
        fakes.desktopAnswer = true;
        QVERIFY(AccessOther::openWebPage(u"https://quillmark.example/"_s));
        QCOMPARE(fakes.desktop, QList<QUrl>{QUrl(u"https://quillmark.example/"_s)});
        QVERIFY(fakes.started.isEmpty());
    }

    // Both roads carry the same link, its spaces as %20.
    void mailSpacesBecomePercent20()
    {
        const QString link = u"mailto:support@quillmark.example?subject=Question regarding Horalia"_s;
        const QString sent = u"mailto:support@quillmark.example?subject=Question%20regarding%20Horalia"_s;
        Fakes fakes;
        fakes.desktopAnswer = true;
        QVERIFY(AccessOther::createEmail(link));
        QCOMPARE(fakes.desktop.size(), 1);
        QCOMPARE(fakes.desktop.constFirst().toString(QUrl::FullyEncoded), sent);

        fakes.desktopAnswer = false;
        QVERIFY(AccessOther::createEmail(link));
        QCOMPARE(fakes.started.size(), 1);
        QCOMPARE(fakes.started.constFirst().program, u"xdg-open"_s);
        QCOMPARE(fakes.started.constFirst().arguments, QStringList{sent});
    }

    // An address that is no absolute URL never reaches the desktop, but the helper still gets it.
    void helperWhenTheDesktopCannot()
    {
        Fakes fakes;
        QVERIFY(AccessOther::openWebPage(u"https://quillmark.example/"_s));
        QCOMPARE(fakes.desktop.size(), 1);
        QCOMPARE(fakes.started.size(), 1);

        QVERIFY(AccessOther::openWebPage(u"quillmark.example/a b"_s));
        QCOMPARE(fakes.desktop.size(), 1);
        QCOMPARE(fakes.started.constLast().arguments, QStringList{u"quillmark.example/a b"_s});
    }

    void nullArgumentsStartNothing_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("trace");
        QTest::newRow("openWebPage") << 0 << u"AccessOther: openWebPage: Error: The url cannot be null."_s;
        QTest::newRow("createEmail") << 1 << u"AccessOther: createEmail: Error: The emailStr cannot be null."_s;
        QTest::newRow("openFile") << 2 << u"AccessOther: openFile: Error: The fileName cannot be null."_s;
    }

    void nullArgumentsStartNothing()
    {
        QFETCH(int, operation);
        QFETCH(QString, trace);
        Fakes fakes;
        fakes.desktopAnswer = true;
        for (const QString &argument : {QString(), u""_s}) {
            StdoutCapture capture;
            const bool result = operation == 0   ? AccessOther::openWebPage(argument)
                                : operation == 1 ? AccessOther::createEmail(argument)
                                                 : AccessOther::openFile(argument);
            QVERIFY(!result);
            QCOMPARE(traceMessage(capture), trace);
        }
        QVERIFY(fakes.desktop.isEmpty());
        QVERIFY(fakes.started.isEmpty());
    }

    void openFile()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(u"missing.txt"_s);
        Fakes fakes;
        fakes.desktopAnswer = true;
        {
            StdoutCapture capture;
            QVERIFY(!AccessOther::openFile(missing));
            QCOMPARE(traceMessage(capture), u"AccessOther: openFile: Error: The file does not exist - "_s + missing);
        }
        QVERIFY(fakes.desktop.isEmpty());
        QVERIFY(fakes.started.isEmpty());

        const QString present = dir.filePath(u"notes with blanks.txt"_s);
        QFile file(present);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(AccessOther::openFile(present));
        QCOMPARE(fakes.desktop, QList<QUrl>{QUrl::fromLocalFile(present)});

        fakes.desktopAnswer = false;
        QVERIFY(AccessOther::openFile(present));
        QCOMPARE(fakes.started.constFirst().arguments, QStringList{present});
    }

    void helperCommandOfEachSystem_data()
    {
        QTest::addColumn<QString>("osName");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        const QString target = u"https://quillmark.example/a b"_s;
        // Windows gets one command line, cut at blanks; the others get the target whole.
        QTest::newRow("Windows") << u"Windows 11"_s << u"rundll32"_s
                                 << QStringList{u"url.dll,FileProtocolHandler"_s, u"https://quillmark.example/a"_s,
                                                u"b"_s};
        QTest::newRow("macOS") << u"Mac OS X"_s << u"open"_s << QStringList{target};
        QTest::newRow("Linux") << u"Linux"_s << u"xdg-open"_s << QStringList{target};
        QTest::newRow("Unix") << u"UNIX"_s << u"xdg-open"_s << QStringList{target};
        QTest::newRow("unknown") << u"FreeBSD"_s << QString() << QStringList();
    }

    void helperCommandOfEachSystem()
    {
        QFETCH(QString, osName);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        SystemProperties::set(u"os.name"_s, osName);
        Fakes fakes;
        StdoutCapture capture;
        const bool result = AccessOther::openWithRuntime(u"https://quillmark.example/a b"_s);
        const QString output = capture.finish();
        if (program.isEmpty()) {
            QVERIFY(!result);
            QVERIFY(fakes.started.isEmpty());
            QVERIFY2(
                output.endsWith(
                    u" AccessOther: openWithRuntime: Unknown operating system: freebsd : cannot open web page.\n"_s),
                qPrintable(output));
            return;
        }
        QVERIFY(result);
        QVERIFY(output.isEmpty());
        QCOMPARE(fakes.started.size(), 1);
        QCOMPARE(fakes.started.constFirst().program, program);
        QCOMPARE(fakes.started.constFirst().arguments, arguments);
    }

    void helperThatCannotStart()
    {
        Fakes fakes;
        fakes.starterAnswer = false;
        StdoutCapture capture;
        QVERIFY(!AccessOther::openWebPage(u"https://quillmark.example/"_s));
        QVERIFY(traceMessage(capture).startsWith(u"AccessOther: openWithRuntime: "_s));
    }

    // The real starter: a helper missing from PATH is refused; a present one runs on by itself,
    // so a helper that stays open (as xdg-open may while the browser runs) never holds us up.
    void realHelperRunsDetached()
    {
        AccessOther::setDesktopService([](const QUrl &) { return false; });
        QTemporaryDir bin;
        // The helper's own commands (sleep) come from the usual PATH: without them its wait
        // would spin through at once and end before we look.
        const QByteArray usualPath = qgetenv("PATH");
        // Given back right after the start below, or on any early return before it.
        std::optional<ScopedEnv> path(std::in_place, "PATH", bin.path().toLocal8Bit());
        {
            StdoutCapture capture;
            QVERIFY(!AccessOther::openWebPage(u"https://quillmark.example/"_s));
            QVERIFY(traceMessage(capture).startsWith(u"AccessOther: openWithRuntime: "_s));
        }

        const QString seen = bin.filePath(u"seen"_s);
        const QString release = bin.filePath(u"release"_s);
        const QString ended = bin.filePath(u"ended"_s);
        QFile helper(bin.filePath(u"xdg-open"_s));
        QVERIFY(helper.open(QIODevice::WriteOnly));
        helper.write("#!/bin/sh\nPATH='" + usualPath
                     + "'\n"
                       "printf '%s' \"$1\" > \""
                     + seen.toLocal8Bit()
                     + "\"\n"
                       "i=0; while [ ! -e \""
                     + release.toLocal8Bit()
                     + "\" ] && [ $i -lt 300 ]; do sleep 0.1; i=$((i+1)); done\n"
                       ": > \""
                     + ended.toLocal8Bit() + "\"\n");
        helper.close();
        helper.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        const bool started = AccessOther::openWebPage(u"https://quillmark.example/"_s);
        // The helper cannot end before we let it, so a caller that waited would not be here yet.
        const bool endedBeforeReturn = QFile::exists(ended);
        QFile(release).open(QIODevice::WriteOnly);
        path.reset();
        AccessOther::setDesktopService({});
        QVERIFY(started);
        QVERIFY(!endedBeforeReturn);
        QTRY_VERIFY(QFile::exists(ended));
        QFile seenFile(seen);
        QVERIFY(seenFile.open(QIODevice::ReadOnly));
        QCOMPARE(seenFile.readAll(), QByteArray("https://quillmark.example/"));
    }
};

QTEST_MAIN(TestAccessOther)
#include "tst_accessother.moc"
