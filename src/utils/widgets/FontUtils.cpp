#include "FontUtils.h"

#include "Logger.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QWidget>

namespace quillmark::utils {

QSize FontUtils::getDimension(const QString &text, const QWidget *component)
{
    Logger::log(QStringLiteral("FontUtils"), QStringLiteral("getDimension"), QString());
    const QFontMetrics metrics(component->font());
    return {metrics.horizontalAdvance(text), metrics.boundingRect(text).height()};
}

int FontUtils::getStringWidth(const QString &text, const QWidget *component)
{
    return QFontMetrics(component->font()).horizontalAdvance(text);
}

void FontUtils::handleAdjustFontRemoveBold(int size)
{
    Logger::log(QStringLiteral("FontUtils"), QStringLiteral("handleAdjustFontRemoveBold"), QString());
    if (size <= 0)
        return;
    QFont font(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(), size);
    font.setBold(false);
    font.setItalic(false);
    QApplication::setFont(font);
    // Menus and headers pick per-class fonts on some platforms; keep them in line.
    for (const char *className : {"QMenu", "QMenuBar", "QMessageBox", "QLabel", "QPushButton", "QComboBox",
                                  "QHeaderView", "QToolTip", "QGroupBox", "QAbstractItemView"})
        QApplication::setFont(font, className);
}

QStringList FontUtils::getAllMonospaceFonts()
{
    Logger::log(QStringLiteral("FontUtils"), QStringLiteral("getAllMonospaceFonts"), QString());
    QStringList result;
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families) {
        const QFontMetricsF metrics(QFont(family, 12));
        qreal width = -1;
        bool fixed = true;
        for (char32_t c = 0; c < 128 && fixed; ++c) {
            const QChar ch(c);
            if (!ch.isLetterOrNumber())
                continue;
            const qreal advance = metrics.horizontalAdvance(ch);
            if (width < 0)
                width = advance;
            else if (!qFuzzyCompare(width, advance))
                fixed = false;
        }
        if (fixed)
            result << family;
    }
    return result;
}

} // namespace quillmark::utils
