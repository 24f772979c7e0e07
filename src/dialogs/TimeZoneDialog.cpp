#include "TimeZoneDialog.h"

#include "BidiText.h"
#include "Clock.h"
#include "ClockColorRoles.h"
#include "ColorRoles.h"
#include "CountryCodes.h"
#include "GuiPreferences.h"
#include "MessageBox.h"
#include "MigLayout.h"
#include "MyCellRenderer.h"
#include "MyJButtonWithImage.h"
#include "MyJComboBox.h"
#include "MyMenuItem.h"
#include "OwnerLock.h"
#include "PaletteUtils.h"
#include "PlaceIndex.h"
#include "PlaceSearchField.h"
#include "TimeZoneObject.h"
#include "UiDefaults.h"
#include "UserPreferences.h"
#include "WindowStacking.h"
#include "ZoneDatabase.h"
#include "ZoneEntryModel.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <initializer_list>
#include <memory>

namespace quillmark::hrl {

using utils::ColorRoles;
using utils::MessageBox;
using utils::MyJButtonWithImage;
using utils::PaletteUtils;
using utils::UiDefaults;

namespace {

const QString AddRow = QStringLiteral("AddRow");
const QString DeleteRow = QStringLiteral("DeleteRow");
const QString MoveUp = QStringLiteral("MoveUp");
const QString MoveDown = QStringLiteral("MoveDown");
const QString SaveFile = QStringLiteral("SaveFile");
const QString CloseCmd = QStringLiteral("CloseCmd");

const QString AddIcon = QStringLiteral("images/16/user-new.png");
const QString DeleteIcon = QStringLiteral("images/16/dialog-cancel-4.png");
const QString MoveUpIcon = QStringLiteral("images/16/up_arrow.gif");
const QString MoveDownIcon = QStringLiteral("images/16/down_arrow.gif");

// White on black: the add box's panel, label and choice box.
void setWhiteOnBlack(QWidget *widget)
{
    PaletteUtils::setTextAndBackground(widget, ColorRoles::darkModeMenuText(), ColorRoles::darkModeBackground());
    widget->setAutoFillBackground(true);
}

} // namespace

TimeZoneDialog::TimeZoneDialog(const utils::GuiPreferences &gP, UserPreferences *prefs, QWidget *ownerWindow,
                               const QString &title, const utils::ResourceBundle &bundle)
    : QDialog(ownerWindow)
    , uP(prefs)
    , labels(bundle)
    , owner(ownerWindow)
{
    setModal(true);
    setWindowTitle(title);
    extraWidth = gP.isLargeFont() ? 100 : 0;

    optionPaneColor = UiDefaults::getColor(UiDefaults::OPTION_PANE_BACKGROUND);
    panelPaneColor = UiDefaults::getColor(UiDefaults::PANEL_BACKGROUND);

    // Row 10 takes what height is left over.
    auto *content = new utils::MigLayout(QString(), QString(), QStringLiteral("[][][][][][][][][][][grow 100]"), this);

    panel1 = new QWidget(this);
    new utils::MigLayout(QStringLiteral("insets 1"), QString(), QString(), panel1);

    timeZonesModel = new ZoneEntryModel({}, this);
    timeZonesList = new QListView(this);
    timeZonesList->setModel(timeZonesModel);
    timeZonesList->setSelectionMode(QAbstractItemView::SingleSelection);
    timeZonesList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    timeZonesList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    timeZonesList->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // As wide as its longest entry asks, as far as the dialog allows.
    timeZonesList->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    content->addWidget(timeZonesList, QStringLiteral("skip 2, span 4 5, growy 100, wmin 240, hmin 400"));

    buildTable();
    buildButtons();
    content->addWidget(panel1, QStringLiteral("span 10, wrap para"));

    addPopup();
    setButtonsAndItems();
    // 400 (500 with the large font) by 460, or as wide as the longest entry asks.
    resize(std::max(MIN_WIDTH + extraWidth, sizeHint().width()), MIN_HEIGHT);
    // Never wider than the screen, so every button can be reached.
    if (const QScreen *screen = owner ? owner->screen() : this->screen())
        setMaximumWidth(std::max(screen->availableGeometry().width(), MIN_WIDTH + extraWidth));

    // Escape typed on the list or on Save does nothing; Enter on Close closes.
    for (QObject *watched : {static_cast<QObject *>(timeZonesList), static_cast<QObject *>(saveButton),
                             static_cast<QObject *>(closeButton), static_cast<QObject *>(timeZonesList->viewport())})
        watched->installEventFilter(this);
    setButtonsAndItems();

    utils::OwnerLock::lock(owner, this);
    utils::WindowStacking::centreOver(this, owner);

    darkMode = uP->isDarkMode();
    if (darkMode) {
        setDarkMode();
        UiDefaults::put(UiDefaults::OPTION_PANE_MESSAGE_FOREGROUND, ColorRoles::darkModeDialogText());
        UiDefaults::put(UiDefaults::OPTION_PANE_BACKGROUND, ColorRoles::darkModeMenu());
        UiDefaults::put(UiDefaults::PANEL_BACKGROUND, ColorRoles::darkModeMenu());
    }

    setLayoutDirection(QLocale::system().textDirection());

    // Qt keeps about a hundred zones parsed; looking up all of them takes tens of milliseconds,
    // so the add box's entries are made on a thread of their own while the user looks at the list.
    // The same thread then makes the add box's place index.
    auto entriesMade = std::make_shared<std::promise<QStringList>>();
    allEntries = entriesMade->get_future();
    const QLocale desktop = QLocale::system();
    placeIndex = std::async(std::launch::async, [utc = labels.getString(QStringLiteral("lbl.utc")),
                                                 instant = Clock::now(), entriesMade,
                                                 countries = CountryCodes().getByCodes(), language = desktop.name(),
                                                 home = QLocale::territoryToCode(desktop.territory()),
                                                 cancelled = &placesCancelled] {
                     const QStringList ids = ZoneDatabase::allZoneIds();
                     QStringList entries;
                     entries.reserve(ids.size());
                     for (const QString &id : ids)
                         entries << entryText(id, utc, instant);
                     entriesMade->set_value(std::move(entries));
                     return std::make_shared<const PlaceIndex>(
                         PlaceIndex::systemSources(countries, language, home, instant.toMSecsSinceEpoch()), cancelled);
                 }).share();
}

TimeZoneDialog::~TimeZoneDialog()
{
    // A dialog destroyed while still open must not leave the owner locked or the defaults dark,
    // nor wait for a whole place index.
    placesCancelled = true;
    releaseOwnerAndDefaults();
}

QString TimeZoneDialog::calculateOffset(int rawOffsetMs)
{
    // The clocks' own rule, so a zone reads the same here and on the widget.
    return TimeZoneObject::calculateOffset(rawOffsetMs);
}

QString TimeZoneDialog::entryText(const QString &zoneId, const QString &utc, const QDateTime &instant)
{
    const int raw = ZoneDatabase::standardOffsetMs(ZoneDatabase::zone(zoneId), instant);
    // "UTC+05:30" is one value, as on the clocks.
    return QStringLiteral("(%1) %2").arg(utils::BidiText::isolate(utc + calculateOffset(raw)),
                                         utils::BidiText::isolate(zoneId));
}

QString TimeZoneDialog::entryText(const QString &zoneId) const
{
    return entryText(zoneId, labels.getString(QStringLiteral("lbl.utc")), Clock::now());
}

QStringList TimeZoneDialog::getTimeZoneList()
{
    if (allEntries.valid())
        allEntryTexts = allEntries.get();
    return allEntryTexts;
}

int TimeZoneDialog::preselectedRow(const QStringList &entries, const QString &localZoneId)
{
    if (localZoneId.isEmpty())
        return -1;
    int containing = -1;
    for (int row = 0; row < int(entries.size()); ++row) {
        const QString id = ZoneEntryModel::identifierOf(entries.at(row));
        if (id == localZoneId)
            return row;
        if (id.contains(localZoneId))
            containing = row;
    }
    return containing;
}

void TimeZoneDialog::buildTable()
{
    QStringList entries;
    const QStringList zones = uP->getTimeZones();
    for (const QString &zone : zones)
        entries << entryText(zone);
    timeZonesModel->setStringList(entries);
    if (!entries.isEmpty())
        selectRow(0);
}

void TimeZoneDialog::buildButtons()
{
    struct ButtonRow
    {
        const char *key;
        QString icon;
        QString command;
        bool enabled;
        const char *constraint;
        MyJButtonWithImage **field;
    };
    const ButtonRow rows[] = {
        {"button.add", AddIcon, AddRow, true, "gaptop 40, gapright 10, alignx center, wrap", &addButton},
        {"button.delete", DeleteIcon, DeleteRow, false, "gapright 10, alignx center, wrap", &deleteButton},
        {"button.moveup", MoveUpIcon, MoveUp, false, "gaptop 20, gapright 10, alignx center, wrap", &moveUpButton},
        {"button.movedown", MoveDownIcon, MoveDown, false, "gapright 10, alignx center, wrap", &moveDownButton},
        {"button.save", QStringLiteral("images/16/media-floppy-3.5-2.png"), SaveFile, false,
         "gaptop 20, gapright 10, alignx center, wrap", &saveButton},
        {"button.close", QStringLiteral("images/16/document-close-3.png"), CloseCmd, true,
         "gapright 10, alignx center, wrap", &closeButton},
    };

    QStringList texts;
    for (const ButtonRow &row : rows)
        texts << labels.getString(QLatin1String(row.key));
    const QSize size = MyJButtonWithImage::sizeFor(texts, 110);

    const utils::ActionListener listener = [this](const utils::ActionEvent &event) { actionPerformed(event); };
    auto *layout = static_cast<utils::MigLayout *>(panel1->layout());
    for (const ButtonRow &row : rows) {
        auto *button = new MyJButtonWithImage(labels.getString(QLatin1String(row.key)), listener, row.icon, row.command,
                                              row.enabled, size, panel1);
        // Enter presses no button but Close; a focused button is pressed with the space bar.
        button->setAutoDefault(false);
        layout->addWidget(button, QLatin1String(row.constraint));
        *row.field = button;
    }
}

void TimeZoneDialog::addPopup()
{
    shortPopup = new QMenu(this);
    const utils::ActionListener listener = [this](const utils::ActionEvent &event) { actionPerformed(event); };
    const auto item = [&](const char *key, const QString &icon, const QString &command) {
        QAction *action = utils::MyMenuItem::createMenuItemWithIcon(labels.getString(QLatin1String(key)), icon,
                                                                    listener, command, true, 0, 0, shortPopup);
        shortPopup->addAction(action);
        return action;
    };
    item("button.add", AddIcon, AddRow);
    deletePopupItem = item("button.delete", DeleteIcon, DeleteRow);
    shortPopup->addSeparator();
    moveUpPopupItem = item("button.moveup", MoveUpIcon, MoveUp);
    moveDownPopupItem = item("button.movedown", MoveDownIcon, MoveDown);
    if (uP->isDarkMode())
        PaletteUtils::setDarkMenuColors(shortPopup);
    shortPopup->setLayoutDirection(QLocale::system().textDirection());
}

void TimeZoneDialog::setButtonsAndItems()
{
    const int rows = timeZonesModel->rowCount();
    const int row = selectedRow();
    const bool any = rows > 0 && row >= 0;
    const bool up = any && row > 0;
    const bool down = any && row < rows - 1;
    deleteButton->setEnabled(any);
    deletePopupItem->setEnabled(any);
    moveUpButton->setEnabled(up);
    moveUpPopupItem->setEnabled(up);
    moveDownButton->setEnabled(down);
    moveDownPopupItem->setEnabled(down);
}

void TimeZoneDialog::actionPerformed(const utils::ActionEvent &event)
{
    const QString &command = event.actionCommand;
    if (command == AddRow)
        handleAdd();
    else if (command == DeleteRow)
        handleDelete();
    else if (command == MoveUp)
        moveSelected(-1);
    else if (command == MoveDown)
        moveSelected(+1);
    else if (command == SaveFile)
        handleSave();
    else if (command == CloseCmd)
        handleClose();
}

int TimeZoneDialog::selectedRow() const
{
    const QModelIndexList selected = timeZonesList->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TimeZoneDialog::selectRow(int row)
{
    const QModelIndex index = timeZonesModel->index(row, 0);
    timeZonesList->setCurrentIndex(index);
    timeZonesList->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    timeZonesList->scrollTo(index);
}

void TimeZoneDialog::moveSelected(int step)
{
    const int row = selectedRow();
    const int target = row + step;
    // The enabled states are refreshed only now and then, so the ends are guarded here too.
    if (row < 0 || target < 0 || target >= timeZonesModel->rowCount())
        return;
    const QString entry = timeZonesModel->index(row, 0).data().toString();
    timeZonesModel->removeRows(row, 1);
    timeZonesModel->insertRows(target, 1);
    timeZonesModel->setData(timeZonesModel->index(target, 0), entry);
    selectRow(target);
    madeChange = true;
    saveButton->setEnabled(true);
    setButtonsAndItems();
}

void TimeZoneDialog::handleAdd()
{
    // Owned here: the message box hands the panel back when it closes.
    auto panel = std::make_unique<QWidget>();
    auto *layout = new utils::MigLayout(QString(), QString(), QString(), panel.get());
    auto *label = new QLabel(labels.getString(QStringLiteral("cb.timezone")) + QStringLiteral(": "), panel.get());
    label->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    layout->addWidget(label, QStringLiteral("span 2, wrap"));

    const utils::ActionListener listener = [this](const utils::ActionEvent &event) { actionPerformed(event); };
    auto *choice = new utils::MyJComboBox(QStringList(), listener, QSize(230, 25), panel.get());
    const QStringList entries = getTimeZoneList();
    choice->setModel(new ZoneEntryModel(entries, choice));
    const int preselected = preselectedRow(entries, ZoneDatabase::localZoneId());
    choice->setCurrentIndex(preselected >= 0 ? preselected : 0);
    // Typing a town, country or zone name above the list picks its zone in it.
    auto *search = new PlaceSearchField(placeIndex, choice, panel.get());
    search->setPlaceholderText(labels.getString(QStringLiteral("popup.search.hint")));
    layout->addWidget(search, QStringLiteral("span 4, growx, wrap"));
    layout->addWidget(choice, QStringLiteral("span 4, wrap para"));

    if (darkMode) {
        setWhiteOnBlack(panel.get());
        setWhiteOnBlack(label);
        choice->setItemDelegate(new MyCellRenderer(choice));
        setWhiteOnBlack(choice);
        setWhiteOnBlack(search);
    }
    panel->setLayoutDirection(layoutDirection());

    // Once the box shows, typing goes straight to the search.
    QTimer::singleShot(0, search, [search] { search->setFocus(Qt::OtherFocusReason); });
    const MessageBox::Answer answer = MessageBox::okCancel(
        this, panel.get(), labels.getString(QStringLiteral("popup.title.selecttimezone")));
    if (answer == MessageBox::Ok && choice->currentIndex() >= 0) {
        const int row = timeZonesModel->rowCount();
        timeZonesModel->insertRows(row, 1);
        timeZonesModel->setData(timeZonesModel->index(row, 0), choice->currentText());
        selectRow(row);
        madeChange = true;
        saveButton->setEnabled(true);
    }
    setButtonsAndItems();
}

void TimeZoneDialog::handleDelete()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString deleteText = labels.getString(QStringLiteral("button.delete"));
    const QString entry = timeZonesModel->index(row, 0).data().toString();
    const MessageBox::Answer answer = MessageBox::question(
        this, deleteText + QStringLiteral(" : ") + entry + QStringLiteral(" ?"), deleteText);
    if (answer != MessageBox::Yes)
        return;
    timeZonesModel->removeRows(row, 1);
    madeChange = true;
    saveButton->setEnabled(true);
    setButtonsAndItems();
}

QString TimeZoneDialog::stripUTC(const QString &entry) const
{
    return entry.contains(u')') ? ZoneEntryModel::identifierOf(entry) : ZoneDatabase::localZoneId();
}

bool TimeZoneDialog::handleSave()
{
    if (!madeChange)
        return true;
    const QStringList entries = timeZonesModel->stringList();
    QStringList ids;
    for (const QString &entry : entries)
        ids << stripUTC(entry);
    if (ids.isEmpty())
        ids << ZoneDatabase::localZoneId();
    if (!uP->setTimeZones(ids.join(u';'))) {
        // The edit stays, and Save with it, to be tried again.
        MessageBox::error(this, labels.getString(QStringLiteral("popup.error.couldnotsave"), {uP->fileName()}),
                          labels.getString(QStringLiteral("popup.error")));
        return false;
    }
    madeChange = false;
    dataChanged = true;
    saveButton->setEnabled(false);
    return true;
}

void TimeZoneDialog::handleClose()
{
    if (!madeChange) {
        dialogCleanUp();
        return;
    }
    const MessageBox::Answer answer = MessageBox::question(
        this,
        labels.getString(QStringLiteral("popup.warningnotsavedyourchanges")) + u'\n'
            + labels.getString(QStringLiteral("popup.saveyourchanges")),
        labels.getString(QStringLiteral("popup.warning")));
    if (answer == MessageBox::Yes)
        handleSave();
    else
        dialogCleanUp();
}

void TimeZoneDialog::dialogCleanUp()
{
    // The place index serves the add box alone: the idle widget does not keep it.
    placesCancelled = true;
    placeIndex = {};
    releaseOwnerAndDefaults();
    hide();
}

void TimeZoneDialog::releaseOwnerAndDefaults()
{
    if (cleanedUp)
        return;
    cleanedUp = true;
    if (darkMode) {
        UiDefaults::put(UiDefaults::OPTION_PANE_MESSAGE_FOREGROUND, ColorRoles::darkModeMenu());
        UiDefaults::put(UiDefaults::OPTION_PANE_BACKGROUND, optionPaneColor);
        UiDefaults::put(UiDefaults::PANEL_BACKGROUND, panelPaneColor);
    }
    utils::OwnerLock::unlock(owner, this);
}

void TimeZoneDialog::setDarkMode()
{
    // The background is filled, as an opaque panel's.
    PaletteUtils::setBackground(this, ColorRoles::darkModeBackground());
    PaletteUtils::setBackground(panel1, ColorRoles::darkModeBackground());
    PaletteUtils::setOpaqueColors(timeZonesList, {{QPalette::Base, ColorRoles::darkModeBackground()},
                                                  {QPalette::Text, ColorRoles::darkModeMenuText()},
                                                  {QPalette::Highlight, ColorRoles::darkModeDialogText()},
                                                  {QPalette::HighlightedText, ClockColorRoles::clockBorder()}});
}

void TimeZoneDialog::keyPressEvent(QKeyEvent *event)
{
    // Keys reach here from the dialog itself and from the buttons that let them pass; the list
    // and Save keep Escape to themselves (eventFilter).
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        handleClose();
        return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        // No default button: Enter means something only on Close.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TimeZoneDialog::closeEvent(QCloseEvent *event)
{
    // The close box asks about unsaved edits like Close does; only dialogCleanUp hides.
    event->ignore();
    if (isVisible())
        handleClose();
}

void TimeZoneDialog::showEvent(QShowEvent *event)
{
    // Before the first show the list's wish for width comes from an unpolished font, so the
    // size first set can change once the window is shown, off the owner's centre. This runs
    // before the window is mapped.
    if (!placed && !event->spontaneous()) {
        placed = true;
        if (layout())
            layout()->activate();
        resize(std::max(MIN_WIDTH + extraWidth, sizeHint().width()), std::max(MIN_HEIGHT, height()));
        utils::WindowStacking::centreOver(this, owner);
    }
    QDialog::showEvent(event);
}

void TimeZoneDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int minWidth = MIN_WIDTH + extraWidth;
    if (width() < minWidth || height() < MIN_HEIGHT)
        resize(std::max(width(), minWidth), std::max(height(), MIN_HEIGHT));
}

bool TimeZoneDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape && (watched == timeZonesList || watched == saveButton))
            return true;
        if ((key == Qt::Key_Enter || key == Qt::Key_Return) && watched == closeButton) {
            handleClose();
            return true;
        }
    } else if (watched == timeZonesList->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            // The list moves its selection after this filter has run.
            QMetaObject::invokeMethod(
                this, [this] { setButtonsAndItems(); }, Qt::QueuedConnection);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::RightButton) {
                setButtonsAndItems();
                shortPopup->popup(mouse->globalPosition().toPoint());
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quillmark::hrl
