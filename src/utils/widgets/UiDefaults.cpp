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
        values.insert(UiDefaults::PANEL_BACKGROUND, window);
        values.insert(UiDefaults::OPTION_PANE_BACKGROUND, window);
        values.insert(UiDefaults::OPTION_PANE_MESSAGE_FOREGROUND, text);
        values.insert(UiDefaults::LABEL_FOREGROUND, text);
        values.insert(UiDefaults::BOLD_METAL, true);
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
