#include "HRL.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationName(QStringLiteral("Horalia"));
    // The window is often a tool window, and dialogs come and go: only Exit ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Every window, message box included, reads in the direction of the desktop's language.
    QApplication::setLayoutDirection(QLocale::system().textDirection());
    quillmark::hrl::HRL hrl;
    return QApplication::exec();
}
