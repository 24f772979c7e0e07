#pragma once

#include <QColor>
#include <QWidget>

namespace quillmark::utils {

// A panel framed by a one-pixel line of a given colour.
class LineBorderPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit LineBorderPanel(const QColor &borderColor, QWidget *parent = nullptr);

    QColor borderColor() const { return color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor color;
};

} // namespace quillmark::utils
