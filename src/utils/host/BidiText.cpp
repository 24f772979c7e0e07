#include "BidiText.h"

#include <QGuiApplication>
#include <QLocale>

namespace quillmark::utils {

QString BidiText::isolate(const QString &value)
{
    // Our windows run in the direction of the desktop's language, which the program also makes
    // the application's.
    const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft
                             || QLocale::system().textDirection() == Qt::RightToLeft;
    return isolate(value, rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

QString BidiText::isolate(const QString &value, Qt::LayoutDirection direction)
{
    if (direction != Qt::RightToLeft || value.isEmpty())
        return value;
    return FirstStrongIsolate + value + PopDirectionalIsolate;
}

QString BidiText::strip(const QString &text)
{
    QString plain = text;
    plain.remove(FirstStrongIsolate);
    plain.remove(PopDirectionalIsolate);
    return plain;
}

} // namespace quillmark::utils
