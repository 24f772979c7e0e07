#include "BidiText.h"

#include <QLocale>

namespace quillmark::utils {

QString BidiText::isolate(const QString &value)
{
    // Every window of ours runs in the direction of the desktop's language.
    return isolate(value, QLocale::system().textDirection());
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
