#include "AccessOther.h"

#include "Logger.h"
#include "SystemProperties.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

namespace quillmark::utils {

namespace {

const QString ClassName = QStringLiteral("AccessOther");

AccessOther::DesktopService &desktopService()
{
    static AccessOther::DesktopService service;
    return service;
}

AccessOther::ProcessStarter &processStarter()
{
    static AccessOther::ProcessStarter starter;
    return starter;
}

// A target the desktop can take: a URL with a scheme, as written.
QUrl absoluteUrl(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.isRelative() ? url : QUrl();
}

} // namespace

void AccessOther::setDesktopService(DesktopService service)
{
    desktopService() = std::move(service);
}

void AccessOther::setProcessStarter(ProcessStarter starter)
{
    processStarter() = std::move(starter);
}

bool AccessOther::viaDesktop(const QUrl &url)
{
    if (url.isEmpty())
        return false;
    if (const DesktopService &service = desktopService())
        return service(url);
    return QDesktopServices::openUrl(url);
}

bool AccessOther::openWebPage(const QString &url)
{
    if (url.isEmpty()) {
        Logger::log(ClassName, QStringLiteral("openWebPage"), QStringLiteral("Error: The url cannot be null."));
        return false;
    }
    if (viaDesktop(absoluteUrl(url)))
        return true;
    return openWithRuntime(url);
}

bool AccessOther::createEmail(const QString &emailStr)
{
    if (emailStr.isEmpty()) {
        Logger::log(ClassName, QStringLiteral("createEmail"), QStringLiteral("Error: The emailStr cannot be null."));
        return false;
    }
    QString link = emailStr;
    link.replace(u' ', QStringLiteral("%20"));
    if (viaDesktop(absoluteUrl(link)))
        return true;
    return openWithRuntime(link);
}

bool AccessOther::openFile(const QString &fileName)
{
    if (fileName.isEmpty()) {
        Logger::log(ClassName, QStringLiteral("openFile"), QStringLiteral("Error: The fileName cannot be null."));
        return false;
    }
    if (!QFileInfo::exists(fileName)) {
        Logger::log(ClassName, QStringLiteral("openFile"),
                    QStringLiteral("Error: The file does not exist - ") + fileName);
        return false;
    }
    if (viaDesktop(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath())))
        return true;
    return openWithRuntime(fileName);
}

bool AccessOther::openWithRuntime(const QString &target)
{
    const QString os = SystemProperties::get(QStringLiteral("os.name")).toLower();
    QString program;
    QStringList arguments;
    if (os.contains(u"win")) {
        // One command line, cut into words at blanks as the system's launcher expects.
        static const QRegularExpression blanks(QStringLiteral("[ \\t\\n\\r\\f]+"));
        const QString commandLine = QStringLiteral("rundll32 url.dll,FileProtocolHandler ") + target;
        arguments = commandLine.split(blanks, Qt::SkipEmptyParts);
        program = arguments.takeFirst();
    } else if (os.contains(u"mac")) {
        program = QStringLiteral("open");
        arguments = {target};
    } else if (os.contains(u"nix") || os.contains(u"nux")) {
        program = QStringLiteral("xdg-open");
        arguments = {target};
    } else {
        Logger::log(ClassName, QStringLiteral("openWithRuntime"),
                    QStringLiteral("Unknown operating system: ") + os + QStringLiteral(" : cannot open web page."));
        return false;
    }

    // Detached: a helper may stay in the foreground as long as the program it started runs
    // (xdg-open with some browsers), and waiting for it would freeze the window.
    const ProcessStarter &starter = processStarter();
    const bool started = starter ? starter(program, arguments) : QProcess::startDetached(program, arguments);
    if (!started) {
        Logger::log(ClassName, QStringLiteral("openWithRuntime"),
                    QStringLiteral("Error: could not start ") + program + u' ' + arguments.join(u' '));
    }
    return started;
}

} // namespace quillmark::utils
