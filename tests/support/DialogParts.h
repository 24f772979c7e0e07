#pragma once

#include <QComboBox>
#include <QString>
#include <QWidget>

// A named part of a dialog; a test cannot go on without it.
template <typename T = QWidget> T *part(const QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no %s in the dialog", name);
    return widget;
}

// Selects the item with this text, as a user would.
inline void choose(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    if (index < 0)
        qFatal("no item %s in %s", qPrintable(text), qPrintable(box->objectName()));
    box->setCurrentIndex(index);
}
