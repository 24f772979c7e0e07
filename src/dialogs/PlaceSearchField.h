#pragma once

#include "PlaceIndex.h"

#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>

#include <future>
#include <memory>

class QComboBox;
class QListView;
class QStringListModel;
class QTimer;

namespace quillmark::hrl {

// The add box's search: typing a town, a country, a zone's name or its id lists up to ten
// zones in a list under the field, "Mumbai, India — (UTC+05:30) Asia/Kolkata". Up and Down
// choose, Enter takes the chosen zone into the box's choice of zones (the first when none was
// chosen), Escape closes the list; with the list closed, Enter and Escape reach the box. The
// list never takes the focus, so an input method keeps writing into the field.
class PlaceSearchField final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlaceSearchField)

public:
    using Index = std::shared_future<std::shared_ptr<const PlaceIndex>>;
    static constexpr int MaxSuggestions = 10;

    // choice: the box's combo box of zone entries, "(UTC+05:30) Asia/Kolkata". The index may
    // still be in the making; typing waits for it without holding up the GUI thread.
    PlaceSearchField(Index index, QComboBox *choice, QWidget *parent = nullptr);
    ~PlaceSearchField() override;

    QListView *suggestionList() const { return popup; }
    // "Mumbai, India — (UTC+05:30) Asia/Kolkata": what matched, then the zone's entry.
    static QString suggestionText(const PlaceIndex::Suggestion &suggestion, const QString &entry);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void take(int row);
    void placePopup();
    int choiceRowOf(const QString &zoneId);

    Index index;
    QPointer<QComboBox> choice;
    QHash<QString, int> choiceRows;
    QStringList zoneIds;
    QStringList places;
    QStringListModel *model = nullptr;
    QListView *popup = nullptr;
    QTimer *retry = nullptr;
};

} // namespace quillmark::hrl
