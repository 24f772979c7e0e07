#include "PlatformLook.h"

#include "FontUtils.h"
#include "PaletteUtils.h"
#include "SystemProperties.h"
#include "UiDefaults.h"

#include <QApplication>
#include <QString>
#include <QStyleFactory>

namespace quillmark::hrl {

void PlatformLook::apply(int variableWidthFontSize, int fixedWidthFontSize, const QString &applicationName)
{
    const QString os = utils::SystemProperties::get(QStringLiteral("os.name")).toLower();
    const bool isMac = os.startsWith(u"mac");
    const bool isWindows = os.startsWith(u"windows");

    if (!(isWindows && variableWidthFontSize == 12 && fixedWidthFontSize == 12))
        utils::FontUtils::handleAdjustFontRemoveBold(variableWidthFontSize);

    if (isMac) {
        utils::SystemProperties::set(QStringLiteral("apple.laf.useScreenMenuBar"), QStringLiteral("true"));
        utils::SystemProperties::set(QStringLiteral("com.apple.mrj.application.apple.menu.about.name"),
                                     applicationName);
    }
    // The platform's own look where there is one; Fusion elsewhere.
    if (isMac || isWindows) {
        if (QStyle *style = QStyleFactory::create(isMac ? QStringLiteral("macOS") : QStringLiteral("windowsvista")))
            QApplication::setStyle(style);
    } else if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(style);
    }
    utils::PaletteUtils::disableStyleCache();
    utils::PaletteUtils::setApplicationColors();
    utils::UiDefaults::put(utils::UiDefaults::BOLD_METAL, false);
}

} // namespace quillmark::hrl
