#include "DateFormatter.h"
#include "DisplayPlatform.h"
#include "HRL.h"
#include "LogFailureBoxes.h"
#include "Logger.h"
#include "ProgramInfo.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QLocale>
#include <QProcessEnvironment>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

int main(int argc, char **argv)
{
    using quillmark::hrl::DisplayPlatform;

#if defined(__GLIBC__)
    // glibc raises this threshold after the first large block is freed, and later large blocks
    // then stay with the process: the time zone dialog's place index (6 MB, freed when the
    // dialog closes) would be kept by the idle widget. Fixed at glibc's own starting value.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif

    const QByteArray platform = DisplayPlatform::forEnvironment(QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform);
        quillmark::utils::Logger::log(QStringLiteral("HRL"), QStringLiteral("main"),
                                      QStringLiteral("Wayland desktop: starting on XWayland (%1) so the window "
                                                     "keeps its position and can stay on top")
                                          .arg(QString::fromLatin1(platform)));
    }
    // ICU's locale data loads on another core while Qt sets up the display.
    quillmark::hrl::DateFormatter::warmUp(QLocale::system().name());
    QApplication app(argc, argv);
    quillmark::utils::LogFailureBoxes::install();
    // Programs started from here (a browser for a link) choose their own platform.
    if (!platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");

    using quillmark::hrl::ProgramInfo;
    QApplication::setOrganizationName(ProgramInfo::ORGANIZATION);
    QApplication::setApplicationName(ProgramInfo::APPLICATION);
    // Lets the desktop match the window with the installed entry and its icon.
    QGuiApplication::setDesktopFileName(ProgramInfo::DESKTOP_FILE_NAME);
    // The window is often a tool window, and dialogs come and go: only Exit ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Every window, message box included, reads in the direction of the desktop's language.
    QApplication::setLayoutDirection(QLocale::system().textDirection());
    // A second start brings the running widget to the front instead.
    quillmark::hrl::SingleInstance instance(ProgramInfo::APPLICATION);
    if (!instance.claim())
        return 0;
    quillmark::hrl::HRL hrl;
    QObject::connect(&instance, &quillmark::hrl::SingleInstance::activationRequested, &hrl,
                     &quillmark::hrl::HRL::bringToFront);
    return QApplication::exec();
}
