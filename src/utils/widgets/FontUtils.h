#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

namespace quillmark::utils {

class FontUtils final
{
public:
    FontUtils() = delete;

    // Width = advance of the text, height = height of its bounding box, in the widget's font.
    static QSize getDimension(const QString &text, const QWidget *component);
    static int getStringWidth(const QString &text, const QWidget *component);
    // Makes every interface font plain, of the platform's general family, at the given size.
    static void handleAdjustFontRemoveBold(int size);
    static QStringList getAllMonospaceFonts();
};

} // namespace quillmark::utils
