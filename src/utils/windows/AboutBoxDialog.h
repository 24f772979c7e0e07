#pragma once

#include "ResourceBundle.h"

#include <QColor>
#include <QDialog>
#include <QPointer>

class QLabel;

namespace quillmark::utils {

class IconLabel;
class MyJButtonWithImage;

// The library's About window: the program's icon, name, version, release and copyright, the
// maker with a home-page and a support-mail link, and what the program runs on. Not modal, but
// its owner takes no input while it is open; built hidden, the caller shows it.
class AboutBoxDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutBoxDialog)

public:
    static const QString MAKER;
    static const QString ADDRESS_LINE_1;
    static const QString ADDRESS_LINE_2;
    static const QString HOME_PAGE;
    static const QString SUPPORT_EMAIL;
    // Links on a dark background.
    static const QColor DARK_LINK_COLOR;

    // An empty settings directory leaves its row out.
    AboutBoxDialog(QWidget *owner, const QString &programName, const QString &version, const QString &releaseDate,
                   const QString &copyrightYears, const QString &iconPath,
                   const QString &settingsDirectory = QString());

    QString getProgramName() const { return programName; }
    // Gives the owner back and hides the box; the Close button, the close box and Escape end here.
    void dialogCleanUp();

    // The toolkit and the libraries the clocks run on: "Qt 6.4.2 · ICU 72.1 · tz 2025b".
    // The tz part is left out where the system's database cannot be read.
    static QString runtimeVersion();
    static QString runtimeVendor();

    IconLabel *getHomePageLink() const { return homePageLink; }
    IconLabel *getSupportLink() const { return supportLink; }
    MyJButtonWithImage *getCloseButton() const { return closeButton; }

public Q_SLOTS:
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addText(const QString &text, bool bold, const QString &constraints);
    IconLabel *addLink(const QString &text, const QString &imagePath, const QString &toolTip, const QColor &color,
                       const QString &constraints);
    QWidget *createIconPanel(const QString &iconPath);

    QPointer<QWidget> owner;
    QString programName;
    ResourceBundle texts;
    IconLabel *homePageLink = nullptr;
    IconLabel *supportLink = nullptr;
    MyJButtonWithImage *closeButton = nullptr;
};

} // namespace quillmark::utils
