#pragma once

#include "ActionListener.h"

#include <QPushButton>
#include <QSize>

namespace quillmark::utils {

// A push button with an icon from the program's images, its text repeated as the tool tip.
// Without an action command of its own, the listener receives the button's text.
class MyJButtonWithImage final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MyJButtonWithImage)

public:
    MyJButtonWithImage(const QString &text, const ActionListener &listener, const QString &imagePath,
                       QWidget *parent = nullptr);
    MyJButtonWithImage(const QString &text, const ActionListener &listener, const QString &imagePath, const QSize &size,
                       QWidget *parent = nullptr);
    MyJButtonWithImage(const QString &text, const ActionListener &listener, const QString &imagePath, bool enabled,
                       QWidget *parent = nullptr);
    MyJButtonWithImage(const QString &text, const ActionListener &listener, const QString &imagePath,
                       const QString &actionCommand, bool enabled, QWidget *parent = nullptr);
    MyJButtonWithImage(const QString &text, const ActionListener &listener, const QString &imagePath,
                       const QString &actionCommand, bool enabled, const QSize &size, QWidget *parent = nullptr);

    QString getActionCommand() const { return actionCommand.isNull() ? text() : actionCommand; }
    void setActionCommand(const QString &command) { actionCommand = command; }

    // The size the layout is asked for; it never undercuts what the content needs (minimumSizeHint).
    void setPreferredSize(const QSize &size);
    QSize getPreferredSize() const { return preferredSize; }
    QSize sizeHint() const override;

    static constexpr QSize DEFAULT_SIZE{110, 25};

    // One size for a row or column of buttons: room for the widest of the texts beside an icon,
    // never narrower than minWidth.
    static QSize sizeFor(const QStringList &texts, int minWidth);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void init(const ActionListener &listener, const QString &imagePath, bool enabled, const QSize &size);

    QString actionCommand;
    QSize preferredSize = DEFAULT_SIZE;
};

} // namespace quillmark::utils
