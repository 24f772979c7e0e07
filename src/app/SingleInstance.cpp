#include "SingleInstance.h"

#include "Logger.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace quillmark::hrl {

namespace {

const QString ClassName = QStringLiteral("SingleInstance");
const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");
constexpr int AnswerTimeoutMs = 2000;

// The display as a file-name part: ":0.0" gives "0.0"; without one, the platform's name.
QString currentDisplay()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (const QString x11 = qEnvironmentVariable("DISPLAY"); !x11.isEmpty())
        display = x11;
    if (display.isEmpty())
        display = QGuiApplication::platformName();
    return display;
}

QString safePart(const QString &text)
{
    QString part;
    for (const QChar c : text)
        part += c.isLetterOrNumber() || c == u'.' || c == u'-' ? c : QChar(u'_');
    while (part.startsWith(u'_'))
        part.remove(0, 1);
    return part;
}

QString runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , lockFileName(lockPath(name, currentDisplay()))
    , socketName(serverName(name, currentDisplay()))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath(const QString &name, const QString &display)
{
    return runtimeFolder() + u'/' + name + u'-' + safePart(display) + QStringLiteral(".lock");
}

QString SingleInstance::serverName(const QString &name, const QString &display)
{
    // A full path: the runtime folder belongs to the user alone.
    return runtimeFolder() + u'/' + name + u'-' + safePart(display) + QStringLiteral(".socket");
}

bool SingleInstance::claim()
{
    lock = std::make_unique<QLockFile>(lockFileName);
    // The widget runs for days: its lock grows old but never stale. One whose process is gone
    // is still taken over, as QLockFile checks the process.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        listen();
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        // No runtime folder to lock in: better two widgets than none.
        utils::Logger::log(ClassName, QStringLiteral("claim"), QStringLiteral("cannot lock ") + lockFileName);
        lock.reset();
        return true;
    }
    lock.reset();
    tellRunning();
    return false;
}

void SingleInstance::listen()
{
    // A socket left by a process that was killed would refuse the name.
    QLocalServer::removeServer(socketName);
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketName)) {
        utils::Logger::log(ClassName, QStringLiteral("listen"),
                           QStringLiteral("cannot listen on ") + socketName + QStringLiteral(": ")
                               + server->errorString());
        return;
    }
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(RaiseRequest.trimmed()))
                    Q_EMIT activationRequested();
                socket->disconnectFromServer();
            });
        }
    });
}

void SingleInstance::tellRunning() const
{
    // Runs before any window exists, so waiting here blocks nothing the user sees.
    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (socket.waitForConnected(AnswerTimeoutMs)) {
        socket.write(RaiseRequest);
        if (socket.waitForBytesWritten(AnswerTimeoutMs)) {
            socket.waitForDisconnected(AnswerTimeoutMs);
            return;
        }
    }
    utils::Logger::log(ClassName, QStringLiteral("tellRunning"),
                       QStringLiteral("the running widget did not answer on ") + socketName);
}

} // namespace quillmark::hrl
