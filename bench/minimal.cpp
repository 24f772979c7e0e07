// The yardstick of the benchmarks: a plain Qt Widgets window with a few labels.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    for (const char *text : {"New York", "12:00:00", "UTC-05:00", "2026-12-08"})
        layout->addWidget(new QLabel(QString::fromLatin1(text)));
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint);
    window.move(50, 50);
    window.show();
    return QApplication::exec();
}
