#pragma once

#include <QAccessibleWidget>
#include <QPointer>

class QLabel;

namespace quillmark::hrl {

class ClockNoteTip;

// What a screen reader learns of a clock's name label: its text as the name, as for any label,
// and the clock's note after the label's own description, put together when asked for.
class ClockNameAccessible final : public QAccessibleWidget
{
public:
    ClockNameAccessible(QLabel *label, ClockNoteTip *tip);

    QString text(QAccessible::Text t) const override;

private:
    QPointer<ClockNoteTip> tip;
};

} // namespace quillmark::hrl
