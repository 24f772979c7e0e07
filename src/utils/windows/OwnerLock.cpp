#include "OwnerLock.h"

#include <QSet>
#include <QVariant>
#include <QWidget>

namespace quillmark::utils {

namespace {

// The dialogs holding an owner, kept on the owner itself so nothing outlives it.
constexpr char HoldersProperty[] = "quillmark.ownerLockHolders";

QSet<quintptr> holdersOf(const QWidget *owner)
{
    return owner->property(HoldersProperty).value<QSet<quintptr>>();
}

} // namespace

void OwnerLock::lock(QWidget *owner, QWidget *dialog)
{
    if (!owner)
        return;
    QSet<quintptr> holders = holdersOf(owner);
    holders.insert(reinterpret_cast<quintptr>(dialog));
    owner->setProperty(HoldersProperty, QVariant::fromValue(holders));
    owner->setEnabled(false);
    if (dialog)
        dialog->setEnabled(true);
}

void OwnerLock::unlock(QWidget *owner, QWidget *dialog)
{
    if (!owner)
        return;
    QSet<quintptr> holders = holdersOf(owner);
    holders.remove(reinterpret_cast<quintptr>(dialog));
    owner->setProperty(HoldersProperty, QVariant::fromValue(holders));
    if (holders.isEmpty())
        owner->setEnabled(true);
}

int OwnerLock::holders(const QWidget *owner)
{
    return owner ? int(holdersOf(owner).size()) : 0;
}

} // namespace quillmark::utils
