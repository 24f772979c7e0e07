#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace quillmark::hrl {

// One widget per user and display: two would each save their own whole zone list over the
// other's. The first start holds a lock file in the user's runtime folder and listens on a
// local socket beside it; a later start finds the lock taken, asks the first to come to the
// front and steps aside. A lock left by a process that no longer runs is taken over.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    // name: the program's name; the display's name is added, so each display has its own widget.
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the one to run. Otherwise the running one has been asked to come
    // to the front (as far as it answered) and this one should end.
    bool claim();

    // Where the lock and the socket live for a name and a display ("Horalia-0.lock", "...-0.socket").
    static QString lockPath(const QString &name, const QString &display);
    static QString serverName(const QString &name, const QString &display);

Q_SIGNALS:
    // Another start asked for the widget.
    void activationRequested();

private:
    void listen();
    void tellRunning() const;

    QString lockFileName;
    QString socketName;
    std::unique_ptr<QLockFile> lock;
    QLocalServer *server = nullptr;
};

} // namespace quillmark::hrl
