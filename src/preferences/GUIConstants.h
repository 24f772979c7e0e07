#pragma once

#include <QString>

namespace quillmark::utils {

// Keys and defaults of the GUI preferences that the library's programs share.
class GUIConstants final
{
public:
    GUIConstants() = delete;

    static inline const QString KEY_LARGE_FONT = QStringLiteral("LargeFont");
    static inline const QString KEY_LAST_USER_DIR = QStringLiteral("LastUserDir");
    static inline const QString KEY_LAST_REPORT_DIR = QStringLiteral("LastReportDir");
    static inline const QString KEY_POSITION_TOOLBAR_MAIN = QStringLiteral("MainToolbarPosition");
    static inline const QString KEY_MAIN_WINDOW_HEIGHT = QStringLiteral("MainWindowHeight");
    static inline const QString KEY_MAIN_WINDOW_WIDTH = QStringLiteral("MainWindowWidth");
    static inline const QString KEY_MAIN_WINDOW_POSX = QStringLiteral("MainWindowPosX");
    static inline const QString KEY_MAIN_WINDOW_POSY = QStringLiteral("MainWindowPosY");
    static inline const QString KEY_BACKGROUND_IMAGE_SELECTION = QStringLiteral("BackGroundImageSelection");
    static inline const QString KEY_USER_SELECTED_IMAGE = QStringLiteral("UserSelectedImage");
    static inline const QString KEY_EDIT_WINDOW_HEIGHT = QStringLiteral("EditWindowHeight");
    static inline const QString KEY_EDIT_WINDOW_WIDTH = QStringLiteral("EditWindowWidth");
    static inline const QString KEY_DATE_PATTERN = QStringLiteral("DatePattern");
    static inline const QString KEY_TIME_PATTERN = QStringLiteral("TimePattern");
    static inline const QString KEY_FONT_FIXED_WIDTH_SIZE = QStringLiteral("FontFixedWidthSize");
    static inline const QString KEY_FONT_VARIABLE_WIDTH_SIZE = QStringLiteral("FontVariableWidthSize");
    static inline const QString KEY_RECENT_FILES = QStringLiteral("RecentFiles");
    static inline const QString KEY_RECENT_FILES_COUNT = QStringLiteral("RecentFilesCount");
    static inline const QString KEY_FILE_NAME = QStringLiteral("FileName");
    static inline const QString KEY_LOCALE = QStringLiteral("Locale");

    static constexpr int DEFAULT_TOOLBAR_POSITION = 0;
    static constexpr int DEFAULT_TOOLBAR_POSITION_RTL = 1;
    static constexpr int DEFAULT_FONT_SIZE = 12;
    // Stored font sizes outside this range, in points, read as the default.
    static constexpr int MIN_FONT_SIZE = 7;
    static constexpr int MAX_FONT_SIZE = 72;
    static inline const QString DEFAULT_DATE_PATTERN = QStringLiteral("yyyy/MM/dd");
    static inline const QString DEFAULT_TIME_PATTERN = QStringLiteral("HH:mm:ss.SSS");
};

} // namespace quillmark::utils
