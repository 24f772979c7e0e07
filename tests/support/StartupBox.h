#pragma once

#include "MessageBox.h"

#include <QCoreApplication>

// Offscreen there is never a tray, and the window's start says so in a box. Answers that box
// ahead, lets the start run, and returns the boxes it showed.
inline QList<quillmark::utils::MessageBox::Record> settle()
{
    using quillmark::utils::MessageBox;
    MessageBox::setNextAnswer(MessageBox::Ok);
    QCoreApplication::processEvents();
    return MessageBox::takeRecords();
}
