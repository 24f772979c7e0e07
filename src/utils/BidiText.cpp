#include "BidiText.h"

#include <QGuiApplication>

namespace quillmark::utils {

QString BidiText::isolate(const QString &value)
{
    return isolate(value, QGuiApplication::layoutDirection());
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
