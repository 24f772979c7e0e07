// The add box's place search: the time to build its index with every source (on the worker
// thread, as the time zone dialog does), its size, the resident memory it adds while it lives
// and what is left once it is freed, and the time of one keystroke's look-up while a name is
// typed letter by letter. "--show QUERY..." prints what the queries find instead.
#include "BenchSupport.h"
#include "CountryCodes.h"
#include "PlaceIndex.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <future>
#include <memory>
#include <vector>

namespace {

using quillmark::hrl::PlaceIndex;

// Resident memory in kB from /proc (Linux): VmRSS, or one of its parts (RssAnon, the heap and
// other private memory; RssFile, pages of mapped files such as ICU's data).
long residentKb(const char *field = "VmRSS:")
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// CPU time of this thread in ms: a look-up's own cost, without the time other programs took the
// core away (the project's machine is shared).
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

std::shared_ptr<const PlaceIndex> build(double *ms)
{
    const QList<std::array<QString, 2>> countries = quillmark::hrl::CountryCodes().getByCodes();
    const QLocale locale = QLocale::system();
    const QString language = locale.name();
    const QString home = QLocale::territoryToCode(locale.territory());
    QElapsedTimer timer;
    timer.start();
    auto index = std::async(std::launch::async, [&] {
                     return std::make_shared<const PlaceIndex>(
                         PlaceIndex::systemSources(countries, language, home, QDateTime::currentMSecsSinceEpoch()));
                 }).get();
    *ms = double(timer.nsecsElapsed()) / 1e6;
    return index;
}

} // namespace

int main(int argc, char **argv)
{
    returnLargeBlocksAsTheProgramDoes();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--show")) {
        double ms = 0;
        const auto index = build(&ms);
        for (const QString &query : args.mid(1)) {
            std::printf("%s\n", qPrintable(query));
            for (const PlaceIndex::Suggestion &s : index->find(query))
                std::printf("    %s | %s | %s | %d\n", qPrintable(s.name), qPrintable(s.country), qPrintable(s.zoneId),
                            int(s.kind));
        }
        return 0;
    }

    // The first build also loads ICU's data and the tz database's list: measured apart.
    const long start = residentKb();
    const long startAnon = residentKb("RssAnon:");
    double firstBuild = 0;
    build(&firstBuild);
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    const long before = residentKb();
    const long beforeAnon = residentKb("RssAnon:");
    std::vector<double> builds;
    std::shared_ptr<const PlaceIndex> index;
    for (int i = 0; i < 5; ++i) {
        index.reset();
        double ms = 0;
        index = build(&ms);
        builds.push_back(ms);
    }
    const long held = residentKb();
    const long heldAnon = residentKb("RssAnon:");

    const QStringList typed{
        QStringLiteral("Mumbai"),       QStringLiteral("San Francisco"), QStringLiteral("München"),
        QStringLiteral("sao paulo"),    QStringLiteral("Москва"),        QStringLiteral("東京"),
        QStringLiteral("Pacific Time"), QStringLiteral("Asia/Tok"),      QStringLiteral("ho chi minh"),
        QStringLiteral("Allemagne"),    QStringLiteral("xqzv"),          QStringLiteral("an")};
    std::vector<double> keystrokes;
    std::vector<double> cpu;
    double worst = 0;
    QString worstQuery;
    for (const QString &word : typed) {
        for (qsizetype n = 1; n <= word.size(); ++n) {
            const QString query = word.left(n);
            QElapsedTimer timer;
            timer.start();
            const double cpuStart = threadCpuMs();
            const auto found = index->find(query);
            cpu.push_back(threadCpuMs() - cpuStart);
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            keystrokes.push_back(ms);
            if (ms > worst) {
                worst = ms;
                worstQuery = query;
            }
        }
    }
    const qsizetype bytes = index->byteSize();
    const int towns = index->townCount();
    const qsizetype names = index->nameCount();
    const int mapped = index->mappedTownCount();
    const int dropped = index->droppedTownCount();
    index.reset();
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    const long after = residentKb();
    const long afterAnon = residentKb("RssAnon:");

    std::printf("place index (%s): %d towns (%d renamed to the system's zone ids, %d dropped), %lld names\n",
                qPrintable(QLocale::system().name()), towns, mapped, dropped, static_cast<long long>(names));
    std::printf("index build on a worker thread: median %.1f ms of %zu (first %.1f ms)\n", median(builds),
                builds.size(), firstBuild);
    std::printf("index size %.2f MB; resident memory while held %+.2f MB (private %+.2f MB), after freeing %+.2f MB "
                "(private %+.2f MB)\n",
                double(bytes) / 1048576.0, double(held - before) / 1024.0, double(heldAnon - beforeAnon) / 1024.0,
                double(after - before) / 1024.0, double(afterAnon - beforeAnon) / 1024.0);
    std::printf("kept from the first build (ICU's names and data, the zone list): %+.2f MB (private %+.2f MB)\n",
                double(before - start) / 1024.0, double(beforeAnon - startAnon) / 1024.0);
    std::printf("one keystroke's look-up: median %.3f ms, worst %.3f ms (\"%s\") of %zu; its CPU time: median %.3f ms, "
                "worst %.3f ms\n",
                median(keystrokes), worst, qPrintable(worstQuery), keystrokes.size(), median(cpu),
                *std::max_element(cpu.begin(), cpu.end()));
    return 0;
}
