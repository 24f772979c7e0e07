#include "ClockNameAccessible.h"

#include "ClockNote.h"
#include "ClockNoteTip.h"

#include <QLabel>

namespace quillmark::hrl {

ClockNameAccessible::ClockNameAccessible(QLabel *label, ClockNoteTip *tip)
    : QAccessibleWidget(label, QAccessible::StaticText)
    , tip(tip)
{
}

QString ClockNameAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? static_cast<const QLabel *>(widget())->text() : name;
    }
    case QAccessible::Description: {
        const QString own = widget()->accessibleDescription();
        if (!tip)
            return own;
        if (own.isEmpty())
            return tip->text();
        return own + ClockNote::separator() + tip->text();
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

} // namespace quillmark::hrl
