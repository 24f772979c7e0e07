#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace quillmark::utils {

// Titled separator rows for panels laid out by MigLayout: a title followed on the same
// row by a horizontal line that fills the rest of it.
class LayoutUtils final
{
public:
    LayoutUtils() = delete;

    static const QColor LABEL_COLOR;

    // The title component in LABEL_COLOR.
    static void addSeparator(QWidget *panel, QWidget *component);
    static void addSeparator(QWidget *panel, const QString &text);
    static void addSeparator(QWidget *panel, const QString &text, const QColor &color);
    // The component keeps its colours, and the row ends with a 2-pixel gap before the next one.
    static void addSeparatorRow(QWidget *panel, QWidget *component);
};

} // namespace quillmark::utils
