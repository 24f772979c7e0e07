#include "UiDefaults.h"

#include <QApplication>
#include <QHash>
#include <QPalette>

namespace quillmark::utils {

namespace {

QHash<QString, QVariant> &table()
{
    static QHash<QString, QVariant> values;
    if (values.isEmpty()) {
        const QPalette palette = QGuiApplication::palette();
        const QColor window = palette.color(QPalette::Window);
        const QColor text = palette.color(QPalette::WindowText);
        values.insert(QStringLiteral("Panel.background"), window);
        values.insert(QStringLiteral("OptionPane.background"), window);
        values.insert(QStringLiteral("OptionPane.messageForeground"), text);
        values.insert(QStringLiteral("Label.foreground"), text);
        values.insert(QStringLiteral("swing.boldMetal"), true);
    }
    return values;
}

} // namespace

QVariant UiDefaults::get(const QString &key)
{
    return table().value(key);
}

QColor UiDefaults::getColor(const QString &key)
{
    return table().value(key).value<QColor>();
}

void UiDefaults::put(const QString &key, const QVariant &value)
{
    table().insert(key, value);
}

void UiDefaults::reset()
{
    table().clear();
}

} // namespace quillmark::utils
