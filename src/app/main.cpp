#include "HRL.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationName(QStringLiteral("Horalia"));
    // The window is often a tool window, and dialogs come and go: only Exit ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    quillmark::hrl::HRL hrl;
    return QApplication::exec();
}
