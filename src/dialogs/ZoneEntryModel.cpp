#include "ZoneEntryModel.h"

#include "BidiText.h"

namespace quillmark::hrl {

ZoneEntryModel::ZoneEntryModel(const QStringList &entries, QObject *parent)
    : QStringListModel(entries, parent)
{
}

QString ZoneEntryModel::identifierOf(const QString &entry)
{
    const qsizetype p = entry.indexOf(u')');
    return utils::BidiText::strip(p < 0 ? entry : entry.mid(p + 2));
}

QString ZoneEntryModel::shown(const QString &entry)
{
    if (entry.size() <= MAX_SHOWN)
        return entry;
    // The middle goes: the offset at the start and the end of the name both say something.
    const qsizetype head = (MAX_SHOWN - 1) / 2;
    const qsizetype tail = MAX_SHOWN - 1 - head;
    return entry.left(head) + QChar(0x2026) + entry.right(tail);
}

QVariant ZoneEntryModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::DisplayRole)
        return shown(QStringListModel::data(index, Qt::EditRole).toString());
    if (role == Qt::ToolTipRole) {
        const QString entry = QStringListModel::data(index, Qt::EditRole).toString();
        return entry.size() > MAX_SHOWN ? QVariant(entry) : QVariant();
    }
    return QStringListModel::data(index, role);
}

QModelIndexList ZoneEntryModel::match(const QModelIndex &start, int role, const QVariant &value, int hits,
                                      Qt::MatchFlags flags) const
{
    // Only the views' keyboard search asks for a prefix of the display text; exact look-ups
    // (findText) keep comparing whole entries.
    const bool prefixSearch = (flags & Qt::MatchTypeMask) == Qt::MatchStartsWith;
    if (role != Qt::DisplayRole || !prefixSearch || start.parent().isValid())
        return QStringListModel::match(start, role == Qt::DisplayRole ? int(Qt::EditRole) : role, value, hits, flags);

    const QString prefix = value.toString();
    const Qt::CaseSensitivity cs = flags.testFlag(Qt::MatchCaseSensitive) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QStringList entries = stringList();
    const int rows = int(entries.size());
    const int first = start.isValid() ? start.row() : 0;
    const int count = flags.testFlag(Qt::MatchWrap) ? rows : rows - first;
    QModelIndexList found;
    for (int i = 0; i < count && (hits < 0 || found.size() < hits); ++i) {
        const int row = (first + i) % rows;
        if (identifierOf(entries.at(row)).startsWith(prefix, cs))
            found << index(row, 0);
    }
    return found;
}

} // namespace quillmark::hrl
