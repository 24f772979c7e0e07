#include "MyJButtonWithImage.h"

#include "Anchor.h"

namespace quillmark::utils {

MyJButtonWithImage::MyJButtonWithImage(const QString &text, const ActionListener &listener, const QString &imagePath,
                                       QWidget *parent)
    : QPushButton(text, parent)
{
    init(listener, imagePath, true, DEFAULT_SIZE);
}

MyJButtonWithImage::MyJButtonWithImage(const QString &text, const ActionListener &listener, const QString &imagePath,
                                       const QSize &size, QWidget *parent)
    : QPushButton(text, parent)
{
    init(listener, imagePath, true, size);
}

MyJButtonWithImage::MyJButtonWithImage(const QString &text, const ActionListener &listener, const QString &imagePath,
                                       bool enabled, QWidget *parent)
    : QPushButton(text, parent)
{
    init(listener, imagePath, enabled, DEFAULT_SIZE);
}

MyJButtonWithImage::MyJButtonWithImage(const QString &text, const ActionListener &listener, const QString &imagePath,
                                       const QString &actionCommand, bool enabled, QWidget *parent)
    : QPushButton(text, parent)
{
    init(listener, imagePath, enabled, DEFAULT_SIZE);
    setActionCommand(actionCommand);
}

MyJButtonWithImage::MyJButtonWithImage(const QString &text, const ActionListener &listener, const QString &imagePath,
                                       const QString &actionCommand, bool enabled, const QSize &size,
                                       QWidget *parent)
    : QPushButton(text, parent)
{
    init(listener, imagePath, enabled, size);
    setActionCommand(actionCommand);
}

void MyJButtonWithImage::init(const ActionListener &listener, const QString &imagePath, bool enabled,
                              const QSize &size)
{
    setIcon(Anchor::icon(imagePath));
    setToolTip(text());
    setPreferredSize(size);
    if (listener) {
        connect(this, &QPushButton::clicked, this,
                [this, listener] { listener(ActionEvent{this, getActionCommand()}); });
    }
    setEnabled(enabled);
}

void MyJButtonWithImage::setPreferredSize(const QSize &size)
{
    preferredSize = size;
    updateGeometry();
}

QSize MyJButtonWithImage::sizeHint() const
{
    return preferredSize;
}

} // namespace quillmark::utils
