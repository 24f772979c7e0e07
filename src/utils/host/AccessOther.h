#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QUrl;

namespace quillmark::utils {

// Hands a web page, a mail link or a file to the user's own programs: the desktop's service
// first, then the system's helper command. Every refusal or failure is a trace line and false;
// nothing here blocks the caller or shows a message box.
class AccessOther final
{
public:
    // Asks the desktop to open a URL; true when it took the request.
    using DesktopService = std::function<bool(const QUrl &url)>;
    // Starts a program detached from us; true once it has started.
    using ProcessStarter = std::function<bool(const QString &program, const QStringList &arguments)>;

    AccessOther() = delete;

    static bool openWebPage(const QString &url);
    // Spaces in the link are sent as "%20".
    static bool createEmail(const QString &emailStr);
    static bool openFile(const QString &fileName);
    // Starts the helper command of the operating system ("os.name") for the target.
    static bool openWithRuntime(const QString &target);

    // Tests replace what would reach the desktop; an empty function puts the real one back.
    static void setDesktopService(DesktopService service);
    static void setProcessStarter(ProcessStarter starter);

private:
    static bool viaDesktop(const QUrl &url);
};

} // namespace quillmark::utils
