#include "GuiPreferences.h"

#include "GUIConstants.h"
#include "Logger.h"
#include "ProgramInfo.h"
#include "SystemProperties.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <algorithm>

namespace quillmark::utils {

namespace {

QString recentFileNode(int index)
{
    return GUIConstants::KEY_RECENT_FILES + u'/' + QString::number(index);
}

// Without a GUI application or a screen there is no resolution to speak of.
qreal screenDotsPerInch()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return 0;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 0;
}

} // namespace

// The entry trace is written before the node is opened.
GuiPreferences::GuiPreferences(const QString &className)
    : PreferencesBase((Logger::log(MY_NAME, QStringLiteral("<init>"), QString()), className))
{
}

int GuiPreferences::getBackGroundImageSelection() const
{
    return prefs.getInt(GUIConstants::KEY_BACKGROUND_IMAGE_SELECTION, 0);
}

void GuiPreferences::setBackGroundImageSelection(int selection)
{
    prefs.putInt(GUIConstants::KEY_BACKGROUND_IMAGE_SELECTION, selection);
}

QString GuiPreferences::getDatePattern() const
{
    return prefs.get(GUIConstants::KEY_DATE_PATTERN, GUIConstants::DEFAULT_DATE_PATTERN);
}

void GuiPreferences::setDatePattern(const QString &pattern)
{
    prefs.put(GUIConstants::KEY_DATE_PATTERN, pattern);
}

QString GuiPreferences::getTimePattern() const
{
    return prefs.get(GUIConstants::KEY_TIME_PATTERN, GUIConstants::DEFAULT_TIME_PATTERN);
}

void GuiPreferences::setTimePattern(const QString &pattern)
{
    prefs.put(GUIConstants::KEY_TIME_PATTERN, pattern);
}

QSize GuiPreferences::getEditWindowSize(int defaultWidth, int defaultHeight) const
{
    return QSize(prefs.getInt(GUIConstants::KEY_EDIT_WINDOW_WIDTH, defaultWidth),
                 prefs.getInt(GUIConstants::KEY_EDIT_WINDOW_HEIGHT, defaultHeight));
}

void GuiPreferences::setEditWindowSize(int width, int height)
{
    prefs.putInt(GUIConstants::KEY_EDIT_WINDOW_HEIGHT, height);
    prefs.putInt(GUIConstants::KEY_EDIT_WINDOW_WIDTH, width);
}

int GuiPreferences::getFontFixedWidthSize() const
{
    return prefs.getInt(GUIConstants::KEY_FONT_FIXED_WIDTH_SIZE, GUIConstants::DEFAULT_FONT_SIZE);
}

void GuiPreferences::setFontFixedWidthSize(int size)
{
    prefs.putInt(GUIConstants::KEY_FONT_FIXED_WIDTH_SIZE, size);
}

int GuiPreferences::getFontVariableWidthSize() const
{
    return getFontVariableWidthSize(GUIConstants::DEFAULT_FONT_SIZE);
}

int GuiPreferences::getFontVariableWidthSize(int defaultSize) const
{
    const int size = prefs.getInt(GUIConstants::KEY_FONT_VARIABLE_WIDTH_SIZE, defaultSize);
    // The default fonts of every menu and label come from this size; at 1000 points no menu
    // can be shown, and Reset View keeps the key, so no way back.
    return size < GUIConstants::MIN_FONT_SIZE || size > GUIConstants::MAX_FONT_SIZE ? defaultSize : size;
}

void GuiPreferences::setFontVariableWidthSize(int size)
{
    prefs.putInt(GUIConstants::KEY_FONT_VARIABLE_WIDTH_SIZE, size);
}

bool GuiPreferences::isLargeFont() const
{
    // A stored choice wins; only its absence consults the font size and the screen.
    const bool defaultValue = !prefs.contains(GUIConstants::KEY_LARGE_FONT)
                              && (getFontVariableWidthSize() > 15 || screenDotsPerInch() >= 105);
    return prefs.getBool(GUIConstants::KEY_LARGE_FONT, defaultValue);
}

QString GuiPreferences::getLastReportDir() const
{
    const QString separator = SystemProperties::get(QStringLiteral("file.separator"));
    // The maker's folder, which all its programs share.
    return prefs.get(GUIConstants::KEY_LAST_REPORT_DIR, SystemProperties::get(QStringLiteral("user.home")) + separator
                                                            + hrl::ProgramInfo::ORGANIZATION + separator
                                                            + QStringLiteral("reports"));
}

void GuiPreferences::setLastReportDir(const QString &dir)
{
    prefs.put(GUIConstants::KEY_LAST_REPORT_DIR, dir);
}

QString GuiPreferences::getLastUserDir() const
{
    return prefs.get(GUIConstants::KEY_LAST_USER_DIR, SystemProperties::get(QStringLiteral("user.home")));
}

void GuiPreferences::setLastUserDir(const QString &dir)
{
    prefs.put(GUIConstants::KEY_LAST_USER_DIR, dir);
}

int GuiPreferences::getMainToolbarPosition() const
{
    const int defaultPosition = QLocale().textDirection() == Qt::RightToLeft
                                    ? GUIConstants::DEFAULT_TOOLBAR_POSITION_RTL
                                    : GUIConstants::DEFAULT_TOOLBAR_POSITION;
    return prefs.getInt(GUIConstants::KEY_POSITION_TOOLBAR_MAIN, defaultPosition);
}

void GuiPreferences::setMainToolbarPosition(int position)
{
    prefs.putInt(GUIConstants::KEY_POSITION_TOOLBAR_MAIN, position);
}

QPoint GuiPreferences::getMainWindowLocation(int defaultX, int defaultY) const
{
    return QPoint(prefs.getInt(GUIConstants::KEY_MAIN_WINDOW_POSX, defaultX),
                  prefs.getInt(GUIConstants::KEY_MAIN_WINDOW_POSY, defaultY));
}

bool GuiPreferences::setMainWindowLocation(int x, int y)
{
    const bool xStored = prefs.putInt(GUIConstants::KEY_MAIN_WINDOW_POSX, x);
    const bool yStored = prefs.putInt(GUIConstants::KEY_MAIN_WINDOW_POSY, y);
    return xStored && yStored;
}

QSize GuiPreferences::getMainWindowSize(int defaultWidth, int defaultHeight) const
{
    return QSize(prefs.getInt(GUIConstants::KEY_MAIN_WINDOW_WIDTH, defaultWidth),
                 prefs.getInt(GUIConstants::KEY_MAIN_WINDOW_HEIGHT, defaultHeight));
}

void GuiPreferences::setMainWindowSize(int width, int height)
{
    prefs.putInt(GUIConstants::KEY_MAIN_WINDOW_HEIGHT, height);
    prefs.putInt(GUIConstants::KEY_MAIN_WINDOW_WIDTH, width);
}

LocaleName GuiPreferences::getMyLocale() const
{
    return LocaleName::fromText(prefs.get(GUIConstants::KEY_LOCALE, QLocale().name()));
}

void GuiPreferences::setMyLocale(const QString &locale)
{
    prefs.put(GUIConstants::KEY_LOCALE, locale);
}

QString GuiPreferences::getUserSelectedImage() const
{
    return prefs.get(GUIConstants::KEY_USER_SELECTED_IMAGE, QString());
}

void GuiPreferences::setUserSelectedImage(const QString &image)
{
    prefs.put(GUIConstants::KEY_USER_SELECTED_IMAGE, image);
}

QStringList GuiPreferences::getRecentFiles() const
{
    // A negative count is as good as none.
    const int stored = prefs.child(GUIConstants::KEY_RECENT_FILES).getInt(GUIConstants::KEY_RECENT_FILES_COUNT, 0);
    const int count = std::clamp(stored, 0, MAX_RECENT_FILES);
    QStringList files(count);
    int next = 0;
    for (int n = 0; n < count; ++n) {
        const QString name = prefs.child(recentFileNode(n)).get(GUIConstants::KEY_FILE_NAME, QString());
        if (!name.isEmpty())
            files[next++] = name;
    }
    return files;
}

void GuiPreferences::setRecentFiles(const QStringList &files)
{
    const qsizetype considered = std::min<qsizetype>(files.size(), MAX_RECENT_FILES);
    int written = 0;
    for (qsizetype i = 0; i < considered; ++i) {
        if (files.at(i).isEmpty())
            continue;
        prefs.child(recentFileNode(written)).put(GUIConstants::KEY_FILE_NAME, files.at(i));
        ++written;
    }
    // Nodes at or above the new count stay in the store; the count hides them.
    prefs.child(GUIConstants::KEY_RECENT_FILES).putInt(GUIConstants::KEY_RECENT_FILES_COUNT, written);
}

void GuiPreferences::removeLayoutKeys()
{
    prefs.remove(GUIConstants::KEY_EDIT_WINDOW_WIDTH);
    prefs.remove(GUIConstants::KEY_EDIT_WINDOW_HEIGHT);
    prefs.remove(GUIConstants::KEY_LARGE_FONT);
    prefs.remove(GUIConstants::KEY_FONT_FIXED_WIDTH_SIZE);
    prefs.remove(GUIConstants::KEY_POSITION_TOOLBAR_MAIN);
    prefs.remove(GUIConstants::KEY_MAIN_WINDOW_HEIGHT);
    prefs.remove(GUIConstants::KEY_MAIN_WINDOW_WIDTH);
    prefs.remove(GUIConstants::KEY_MAIN_WINDOW_POSX);
    prefs.remove(GUIConstants::KEY_MAIN_WINDOW_POSY);
}

void GuiPreferences::removePreferences()
{
    Logger::log(MY_NAME, QStringLiteral("removePreferences"), QString());
    removeLayoutKeys();
    prefs.remove(GUIConstants::KEY_LOCALE);
}

void GuiPreferences::removePreferences2()
{
    Logger::log(MY_NAME, QStringLiteral("removePreferences2"), QString());
    removeLayoutKeys();
}

} // namespace quillmark::utils
