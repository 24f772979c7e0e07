#include "PlaceSearchField.h"

#include "BidiText.h"
#include "ZoneEntryModel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QListView>
#include <QScreen>
#include <QStringListModel>
#include <QTimer>

#include <algorithm>
#include <chrono>

namespace quillmark::hrl {

namespace {

// "Mumbai, India": the name that matched and, for a town or city, its country.
QString placeText(const PlaceIndex::Suggestion &suggestion, bool isolated)
{
    if (suggestion.name.isEmpty())
        return {};
    const auto value = [isolated](const QString &text) { return isolated ? utils::BidiText::isolate(text) : text; };
    QString text = value(suggestion.name);
    if (!suggestion.country.isEmpty() && suggestion.country != suggestion.name)
        text += QStringLiteral(", ") + value(suggestion.country);
    return text;
}

} // namespace

PlaceSearchField::PlaceSearchField(Index places, QComboBox *box, QWidget *parent)
    : QLineEdit(parent)
    , index(std::move(places))
    , choice(box)
{
    setObjectName(QStringLiteral("placeSearch"));
    model = new QStringListModel(this);
    // A window of its own that never takes the focus: keys and the input method stay here.
    popup = new QListView(this);
    popup->setObjectName(QStringLiteral("placeSuggestions"));
    popup->setWindowFlags(Qt::ToolTip);
    popup->setAttribute(Qt::WA_ShowWithoutActivating);
    popup->setFocusPolicy(Qt::NoFocus);
    popup->setModel(model);
    popup->setEditTriggers(QAbstractItemView::NoEditTriggers);
    popup->setSelectionMode(QAbstractItemView::SingleSelection);
    popup->setUniformItemSizes(true);
    popup->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    popup->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    popup->setTextElideMode(Qt::ElideMiddle);
    connect(popup, &QListView::clicked, this, [this](const QModelIndex &row) { take(row.row()); });

    // The index is made while the dialog is open; until it is there, typing looks again shortly.
    retry = new QTimer(this);
    retry->setSingleShot(true);
    retry->setInterval(30);
    connect(retry, &QTimer::timeout, this, &PlaceSearchField::refresh);
    connect(this, &QLineEdit::textEdited, this, &PlaceSearchField::refresh);
}

PlaceSearchField::~PlaceSearchField() = default;

QString PlaceSearchField::suggestionText(const PlaceIndex::Suggestion &suggestion, const QString &entry)
{
    const QString place = placeText(suggestion, true);
    return place.isEmpty() ? entry : place + QStringLiteral(" — ") + entry;
}

int PlaceSearchField::choiceRowOf(const QString &zoneId)
{
    if (!choice)
        return -1;
    if (choiceRows.isEmpty()) {
        for (int row = 0; row < choice->count(); ++row)
            choiceRows.insert(ZoneEntryModel::identifierOf(choice->itemText(row)), row);
    }
    return choiceRows.value(zoneId, -1);
}

void PlaceSearchField::refresh()
{
    const QString query = text();
    if (query.trimmed().isEmpty() || !index.valid() || !choice) {
        popup->hide();
        return;
    }
    if (index.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        retry->start();
        return;
    }
    QStringList texts;
    zoneIds.clear();
    places.clear();
    if (const std::shared_ptr<const PlaceIndex> &found = index.get()) {
        const QList<PlaceIndex::Suggestion> suggestions = found->find(query, MaxSuggestions);
        for (const PlaceIndex::Suggestion &suggestion : suggestions) {
            const int row = choiceRowOf(suggestion.zoneId);
            if (row < 0)
                continue;
            texts << suggestionText(suggestion, choice->itemText(row));
            zoneIds << suggestion.zoneId;
            const QString place = placeText(suggestion, false);
            places << (place.isEmpty() ? suggestion.zoneId : place);
        }
    }
    model->setStringList(texts);
    if (texts.isEmpty()) {
        popup->hide();
        return;
    }
    popup->setCurrentIndex(model->index(0, 0));
    placePopup();
    popup->show();
}

void PlaceSearchField::take(int row)
{
    if (row < 0 || row >= zoneIds.size())
        return;
    const int at = choiceRowOf(zoneIds.at(row));
    if (at >= 0)
        choice->setCurrentIndex(at);
    setText(places.at(row));
    popup->hide();
}

void PlaceSearchField::placePopup()
{
    // Follows the box when it moves, goes when it goes.
    if (QWidget *box = window(); box != this)
        box->installEventFilter(this);
    popup->setPalette(palette());
    popup->setFont(font());
    popup->setLayoutDirection(layoutDirection());

    const int rows = std::min(model->rowCount(), MaxSuggestions);
    const int frame = 2 * popup->frameWidth();
    const QRect screen = this->screen()->availableGeometry();
    const int width = std::min(std::max(this->width(), popup->sizeHintForColumn(0) + frame + 8), screen.width());
    const int height = rows * popup->sizeHintForRow(0) + frame;
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    QPoint at = mapToGlobal(QPoint(rightToLeft ? this->width() - width : 0, this->height()));
    if (at.y() + height > screen.bottom())
        at.setY(mapToGlobal(QPoint(0, 0)).y() - height);
    at.setX(std::clamp(at.x(), screen.left(), screen.right() - width + 1));
    popup->setGeometry(QRect(at, QSize(width, height)));
}

void PlaceSearchField::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (popup->isVisible()) {
        const int last = model->rowCount() - 1;
        const int row = popup->currentIndex().row();
        int next = -1;
        switch (key) {
        case Qt::Key_Down:
            next = std::min(row + 1, last);
            break;
        case Qt::Key_Up:
            next = std::max(row - 1, 0);
            break;
        case Qt::Key_PageDown:
            next = last;
            break;
        case Qt::Key_PageUp:
            next = 0;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Taken, not passed on: the next Enter presses the box's OK.
            take(std::max(row, 0));
            event->accept();
            return;
        case Qt::Key_Escape:
            popup->hide();
            event->accept();
            return;
        default:
            break;
        }
        if (next >= 0) {
            popup->setCurrentIndex(model->index(next, 0));
            event->accept();
            return;
        }
    } else if ((key == Qt::Key_Down || key == Qt::Key_Up) && event->modifiers() == Qt::NoModifier) {
        if (key == Qt::Key_Down && !text().trimmed().isEmpty()) {
            refresh();
            if (popup->isVisible()) {
                event->accept();
                return;
            }
        }
        // With no list open the arrows move the box's choice, as when it had the focus.
        if (choice) {
            QCoreApplication::sendEvent(choice, event);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void PlaceSearchField::focusOutEvent(QFocusEvent *event)
{
    popup->hide();
    QLineEdit::focusOutEvent(event);
}

bool PlaceSearchField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && popup->isVisible()) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            placePopup();
            break;
        case QEvent::Hide:
        case QEvent::WindowDeactivate:
            popup->hide();
            break;
        default:
            break;
        }
    }
    return QLineEdit::eventFilter(watched, event);
}

} // namespace quillmark::hrl
