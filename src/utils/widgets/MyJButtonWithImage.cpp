#include "MyJButtonWithImage.h"

#include "Anchor.h"
#include "FontUtils.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

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
                                       const QString &actionCommand, bool enabled, const QSize &size, QWidget *parent)
    : QPushButton(text, parent)
{
    init(listener, imagePath, enabled, size);
    setActionCommand(actionCommand);
}

void MyJButtonWithImage::init(const ActionListener &listener, const QString &imagePath, bool enabled, const QSize &size)
{
    setIcon(Anchor::icon(imagePath));
    setToolTip(text());
    setPreferredSize(size);
    if (listener) {
        connect(this, &QPushButton::clicked, this, [this, listener] {
            listener(ActionEvent{this, getActionCommand()});
        });
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

void MyJButtonWithImage::paintEvent(QPaintEvent *event)
{
    if (layoutDirection() == Qt::LeftToRight || icon().isNull() || text().isEmpty()) {
        QPushButton::paintEvent(event);
        return;
    }
    // Right to left, Qt's styles put the icon on the right but push the text to the far left
    // edge; draw the label as they do left to right, mirrored: text, gap, icon, centred together.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (option.state & (QStyle::State_On | QStyle::State_Sunken))
        contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const QIcon::Mode mode = !isEnabled() ? QIcon::Disabled : (hasFocus() ? QIcon::Active : QIcon::Normal);
    const QPixmap pixmap = icon().pixmap(option.iconSize, devicePixelRatio(), mode);
    const QSize iconSize = pixmap.deviceIndependentSize().toSize();
    const int spacing = 4;
    const int textWidth = option.fontMetrics.horizontalAdvance(text());
    const int total = std::min(contents.width(), iconSize.width() + spacing + textWidth);
    const int left = contents.x() + (contents.width() - total) / 2;
    const QRect iconRect(left + total - iconSize.width(), contents.y() + (contents.height() - iconSize.height()) / 2,
                         iconSize.width(), iconSize.height());
    const QRect textRect(left, contents.y(), iconRect.left() - spacing - left, contents.height());
    painter.drawPixmap(iconRect, pixmap);
    style()->drawItemText(&painter, textRect,
                          Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter | Qt::TextShowMnemonic, option.palette,
                          isEnabled(), text(), QPalette::ButtonText);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

QSize MyJButtonWithImage::sizeFor(const QStringList &texts, int minWidth)
{
    QPushButton plain;
    // Fonts set for buttons alone reach a button when it is polished.
    plain.ensurePolished();
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, FontUtils::getStringWidth(text, &plain));
    // 55 px for the icon, the gap beside it and the button's margins.
    return {std::max(widest + 55, minWidth), 25};
}

} // namespace quillmark::utils
