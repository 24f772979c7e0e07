#pragma once

#include "ActionListener.h"
#include "ResourceBundle.h"

#include <QColor>
#include <QDialog>
#include <QPointer>

#include <atomic>
#include <future>
#include <memory>

class QAction;
class QDateTime;
class QListView;
class QMenu;
class QWidget;

namespace quillmark::utils {
class GuiPreferences;
class MyJButtonWithImage;
class MyJComboBox;
} // namespace quillmark::utils

namespace quillmark::hrl {

class PlaceIndex;
class UserPreferences;
class ZoneEntryModel;

// The modal editor of the zone list: add, delete, reorder and save. Built hidden; the caller
// shows it and, once it is hidden again, reads isDataChanged(). The owner takes no input while
// it is open.
class TimeZoneDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimeZoneDialog)

public:
    static constexpr int MIN_WIDTH = 400;
    static constexpr int MIN_HEIGHT = 460;

    TimeZoneDialog(const utils::GuiPreferences &gP, UserPreferences *uP, QWidget *owner, const QString &title,
                   const utils::ResourceBundle &labels);
    ~TimeZoneDialog() override;

    bool isDataChanged() const { return dataChanged; }
    // "AddRow", "DeleteRow", "MoveUp", "MoveDown", "SaveFile" or "CloseCmd"; others do nothing.
    void actionPerformed(const utils::ActionEvent &event);

    // "(UTC+05:30) Asia/Kolkata": the zone's standard offset now, as the clocks show it.
    QString entryText(const QString &zoneId) const;
    static QString entryText(const QString &zoneId, const QString &utc, const QDateTime &instant);
    // The offset text of a standard offset in milliseconds, "+05:30" or "+00:00".
    static QString calculateOffset(int rawOffsetMs);
    // Every identifier of the database, in its order, as entry texts. They are made on a thread
    // of their own from construction on; the first call waits for them if need be.
    QStringList getTimeZoneList();
    // The row the add box preselects for the computer's zone: the entry of exactly that
    // identifier, else the last entry whose identifier contains it; -1 when none does.
    static int preselectedRow(const QStringList &entries, const QString &localZoneId);

    QListView *getTimeZonesList() const { return timeZonesList; }
    ZoneEntryModel *getTimeZonesModel() const { return timeZonesModel; }
    QMenu *getShortPopup() const { return shortPopup; }
    utils::MyJButtonWithImage *getAddButton() const { return addButton; }
    utils::MyJButtonWithImage *getDeleteButton() const { return deleteButton; }
    utils::MyJButtonWithImage *getMoveUpButton() const { return moveUpButton; }
    utils::MyJButtonWithImage *getMoveDownButton() const { return moveDownButton; }
    utils::MyJButtonWithImage *getSaveButton() const { return saveButton; }
    utils::MyJButtonWithImage *getCloseButton() const { return closeButton; }
    QAction *getDeletePopupItem() const { return deletePopupItem; }
    QAction *getMoveUpPopupItem() const { return moveUpPopupItem; }
    QAction *getMoveDownPopupItem() const { return moveDownPopupItem; }
    int getExtraWidth() const { return extraWidth; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTable();
    void buildButtons();
    void addPopup();
    void setButtonsAndItems();
    // -1 up, +1 down; never past either end.
    void moveSelected(int step);
    void handleAdd();
    void handleDelete();
    // False, after an error box, when the store did not take the list.
    bool handleSave();
    void handleClose();
    void dialogCleanUp();
    // Once only: the toolkit defaults back as they were before, the owner free again.
    void releaseOwnerAndDefaults();
    void setDarkMode();
    QString stripUTC(const QString &entry) const;
    int selectedRow() const;
    void selectRow(int row);

    UserPreferences *uP;
    utils::ResourceBundle labels;
    QPointer<QWidget> owner;
    ZoneEntryModel *timeZonesModel = nullptr;
    QListView *timeZonesList = nullptr;
    QWidget *panel1 = nullptr;
    utils::MyJButtonWithImage *addButton = nullptr;
    utils::MyJButtonWithImage *deleteButton = nullptr;
    utils::MyJButtonWithImage *saveButton = nullptr;
    utils::MyJButtonWithImage *closeButton = nullptr;
    utils::MyJButtonWithImage *moveUpButton = nullptr;
    utils::MyJButtonWithImage *moveDownButton = nullptr;
    QAction *deletePopupItem = nullptr;
    QAction *moveUpPopupItem = nullptr;
    QAction *moveDownPopupItem = nullptr;
    QMenu *shortPopup = nullptr;
    // Turned on when the dialog closes: a place index still in the making stops early. Declared
    // before placeIndex, whose end waits for the thread.
    std::atomic_bool placesCancelled{false};
    std::future<QStringList> allEntries;
    QStringList allEntryTexts;
    // The add box's search, made on the entries' thread once they are done; freed on closing.
    std::shared_future<std::shared_ptr<const PlaceIndex>> placeIndex;
    QColor optionPaneColor;
    QColor panelPaneColor;
    bool madeChange = false;
    bool dataChanged = false;
    bool darkMode = false;
    bool cleanedUp = false;
    int extraWidth = 0;
    // Sized and centred again on the first show, once the style has polished the content.
    bool placed = false;
};

} // namespace quillmark::hrl
