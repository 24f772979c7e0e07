#pragma once

#include <QStringListModel>

namespace quillmark::hrl {

// Zone entries "(UTC+05:30) Asia/Kolkata" for a list or a combo box. Typing letters in a view
// on it finds the first entry whose identifier starts with them: every entry text starts with
// "(UTC", so a search through the whole text would find nothing.
class ZoneEntryModel final : public QStringListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ZoneEntryModel)

public:
    // Entries longer than this are shown shortened in the middle, whole in their tool tip. No
    // identifier of the time zone database comes near it; a hand-edited store may.
    static constexpr qsizetype MAX_SHOWN = 64;

    explicit ZoneEntryModel(const QStringList &entries, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits = 1,
                          Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap)) const override;

    // The part of an entry after its ") "; the whole text when it has no ")".
    static QString identifierOf(const QString &entry);
    // The entry as a view shows it.
    static QString shown(const QString &entry);
};

} // namespace quillmark::hrl
