// The yardstick of the benchmarks: a plain Qt Widgets window doing the clock's daily work the
// simplest way, 12 labels set to the time of their zone once a second from a plain QTimer
// (Qt's own formatting, no ICU, no alignment to the second).
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimeZone>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <vector>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    const char *ids[] = {"America/New_York", "Europe/London",     "Asia/Tokyo",          "Australia/Sydney",
                         "Asia/Kolkata",     "Europe/Berlin",     "America/Los_Angeles", "Asia/Kathmandu",
                         "Africa/Cairo",     "America/Sao_Paulo", "Pacific/Auckland",    "Asia/Shanghai"};
    struct Clock
    {
        QTimeZone zone;
        QLabel *label;
    };
    std::vector<Clock> clocks;
    for (const char *id : ids) {
        auto *label = new QLabel;
        layout->addWidget(label);
        clocks.push_back({QTimeZone(id), label});
    }
    const auto update = [&clocks] {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (const Clock &clock : clocks)
            clock.label->setText(now.toTimeZone(clock.zone).toString(QStringLiteral("HH:mm:ss")));
    };
    update();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, update);
    timer.start(1000);
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint);
    window.move(50, 50);
    window.show();
    return QApplication::exec();
}
