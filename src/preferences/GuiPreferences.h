#pragma once

#include "LocaleName.h"
#include "PreferencesBase.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

namespace quillmark::utils {

// Typed access to the window and editor settings that the library's desktop programs share.
// Like the program's own preferences it caches nothing.
class GuiPreferences final : public PreferencesBase
{
public:
    // className is the fully qualified name of the program's main class; its node is shared with
    // the program's own preferences.
    explicit GuiPreferences(const QString &className);
    Q_DISABLE_COPY_MOVE(GuiPreferences)

    int getBackGroundImageSelection() const;
    void setBackGroundImageSelection(int selection);
    QString getDatePattern() const;
    void setDatePattern(const QString &pattern);
    QString getTimePattern() const;
    void setTimePattern(const QString &pattern);

    QSize getEditWindowSize(int defaultWidth, int defaultHeight) const;
    void setEditWindowSize(int width, int height);
    int getFontFixedWidthSize() const;
    void setFontFixedWidthSize(int size);
    // A stored size below 7 or above 72 points reads as the default.
    int getFontVariableWidthSize() const;
    int getFontVariableWidthSize(int defaultSize) const;
    void setFontVariableWidthSize(int size);
    // Stored choice, else large when the variable font is above 15 points or the screen has 105 dpi or more.
    bool isLargeFont() const;

    QString getLastReportDir() const;
    void setLastReportDir(const QString &dir);
    QString getLastUserDir() const;
    void setLastUserDir(const QString &dir);
    // Default 0, or 1 when the default locale is written right to left.
    int getMainToolbarPosition() const;
    void setMainToolbarPosition(int position);

    QPoint getMainWindowLocation(int defaultX, int defaultY) const;
    // False when the store did not take both coordinates.
    bool setMainWindowLocation(int x, int y);
    QSize getMainWindowSize(int defaultWidth, int defaultHeight) const;
    void setMainWindowSize(int width, int height);

    LocaleName getMyLocale() const;
    void setMyLocale(const QString &locale);
    QString getUserSelectedImage() const;
    void setUserSelectedImage(const QString &image);

    // At most 10 names; names stored empty leave their slots empty at the end.
    QStringList getRecentFiles() const;
    // The first 10 entries are looked at; empty ones are skipped and the rest stored densely.
    void setRecentFiles(const QStringList &files);

    // Resets window geometry, font choices, toolbar position and locale.
    void removePreferences();
    // The same, but keeps the locale.
    void removePreferences2();

    static constexpr int MAX_RECENT_FILES = 10;

private:
    void removeLayoutKeys();

    static inline const QString MY_NAME = QStringLiteral("GuiPreferences");
};

} // namespace quillmark::utils
