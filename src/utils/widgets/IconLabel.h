#pragma once

#include <QIcon>
#include <QLabel>

namespace quillmark::utils {

// A text label that can show an icon before its text, on the leading side, 4 pixels apart.
class IconLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit IconLabel(const QString &text = QString(), QWidget *parent = nullptr);

    void setIcon(const QIcon &icon, const QSize &size = QSize(16, 16));
    QIcon icon() const { return labelIcon; }
    bool hasIcon() const { return !labelIcon.isNull(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int IconTextGap = 4;
    QIcon labelIcon;
    QSize iconSize;
};

} // namespace quillmark::utils
