#include "MySettings.h"

#include "BidiText.h"
#include "Clock.h"
#include "ClockColorRoles.h"
#include "ColorRoles.h"
#include "DateFormatter.h"
#include "MessageBox.h"
#include "MigLayout.h"
#include "MyCellRenderer.h"
#include "MyConstants.h"
#include "MyJButtonWithImage.h"
#include "MyJComboBox.h"
#include "OwnerLock.h"
#include "PaletteUtils.h"
#include "TimeZoneObject.h"
#include "UiDefaults.h"
#include "WindowStacking.h"
#include "ZoneDatabase.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

#include <algorithm>

namespace quillmark::hrl {

using utils::ColorRoles;
using utils::MyJButtonWithImage;
using utils::MyJComboBox;
using utils::PaletteUtils;

const QStringList MySettings::DATE_PATTERNS = {
    QStringLiteral("yyyy-MM-dd"),
    QStringLiteral("yy-MM-dd"),
    QStringLiteral("yy-M-d"),
    QStringLiteral("MM-dd"),
    QStringLiteral("yyyy/MM/dd"),
    QStringLiteral("yy/MM/dd"),
    QStringLiteral("yy/M/d"),
    QStringLiteral("M/d"),
    QStringLiteral("MMMM d, yyyy"),
    QStringLiteral("MMMM d, yy"),
    QStringLiteral("MMMM d"),
    QStringLiteral("MMM d, yyyy"),
    QStringLiteral("MMM d"),
    QStringLiteral("d. MMM. yyyy"),
    QStringLiteral("d. MMM."),
    QStringLiteral("d. MMMM yyyy"),
    QStringLiteral("d. MMMM"),
    QStringLiteral("EE, MMM d"),
    QStringLiteral("EE, MMM d, yy"),
    QStringLiteral("EE, MMM d, yyyy"),
    QStringLiteral("EE dd-MMM"),
    QStringLiteral("EE dd-MMM yy"),
    QStringLiteral("EE, MMMM d"),
    QStringLiteral("EE, MMMM d, yyyy"),
    QStringLiteral("EEEE MMMM d, yyyy"),
};

const QStringList MySettings::TIME_PATTERNS = {
    QStringLiteral("hh:mm a"),  QStringLiteral("h:mm a"),  QStringLiteral("h:m a"),      QStringLiteral("HH:mm"),
    QStringLiteral("H:mm"),     QStringLiteral("H:m"),     QStringLiteral("hh:mm:ss a"), QStringLiteral("h:mm:ss a"),
    QStringLiteral("h:m:ss a"), QStringLiteral("h:m:s a"), QStringLiteral("HH:mm:ss"),   QStringLiteral("H:mm:ss"),
    QStringLiteral("H:m:ss"),   QStringLiteral("H:m:s"),
};

const QStringList MySettings::FONT_SIZES = {
    QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"),
    QStringLiteral("18"), QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"),
};

namespace {

const QString SaveCmd = QStringLiteral("SaveFile");
const QString CancelCmd = QStringLiteral("Cancel");

// Text and background of a label, list, sample field or radio button. A radio button keeps the
// colours of its indicator, which must stand out on any background.
void colourControl(QWidget *control, const QColor &text, const QColor &background)
{
    const bool radio = qobject_cast<QRadioButton *>(control);
    if (radio) {
        // A button fills its background from the button role.
        PaletteUtils::setColors(
            control, {{QPalette::WindowText, text}, {QPalette::Window, background}, {QPalette::Button, background}});
    } else {
        PaletteUtils::setTextAndBackground(control, text, background);
    }
    // A radio button shows its panel through it: some styles tint the inside of a titled frame.
    control->setAutoFillBackground(!radio);
}

void colourListBackground(MyJComboBox *list, const QColor &background)
{
    PaletteUtils::setColors(
        list, {{QPalette::Window, background}, {QPalette::Base, background}, {QPalette::Button, background}});
}

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// The buttons look the same in both modes: every role is set, so none follows the dialog's.
void keepOwnLook(QWidget *widget)
{
    QPalette palette = QApplication::palette(widget);
    palette.setResolveMask(~QPalette::ResolveMask(0));
    widget->setPalette(palette);
}

} // namespace

MySettings::MySettings(const utils::ResourceBundle &bundle, QWidget *owner)
    : QDialog(owner)
    , labels(bundle)
    , uP(MyConstants::MAIN_CLASS)
{
    setModal(true);
    // A dialog of fixed size: no maximize or minimize box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(labels.getString(QStringLiteral("dialog.title.settings")));
    new utils::MigLayout(QStringLiteral("insets 12"), QString(), QString(), this);
    myInit();
    setLayoutDirection(QLocale::system().textDirection());
    // Not resizable: the size its content asks for.
    setFixedSize(sizeHint());
    utils::WindowStacking::centreOver(this, parentWidget());
    utils::OwnerLock::lock(owner, this);
}

MySettings::~MySettings()
{
    // A dialog destroyed while still open must not leave the owner locked.
    utils::OwnerLock::unlock(parentWidget(), this);
}

void MySettings::done(int result)
{
    utils::OwnerLock::unlock(parentWidget(), this);
    QDialog::done(result);
}

void MySettings::myInit()
{
    auto *layout = static_cast<utils::MigLayout *>(this->layout());
    const utils::ActionListener listener = [this](const utils::ActionEvent &event) { actionPerformed(event); };
    const QStringList yesNo = {labels.getString(QStringLiteral("button.yes")),
                               labels.getString(QStringLiteral("button.no"))};
    const auto text = [this](const char *key) { return labels.getString(QString::fromLatin1(key)); };

    buttonPanel = new QWidget(this);
    buttonPanel->setObjectName(QStringLiteral("buttonPanel"));
    auto *buttonLayout = new utils::MigLayout(QString(), QString(), QString(), buttonPanel);

    const QString saveText = text("button.save");
    const QString cancelText = text("button.cancel");
    const QSize buttonSize = utils::MyJButtonWithImage::sizeFor({saveText, cancelText}, 100);

    const auto caption = [this](const QString &captionText, const char *name) {
        auto *label = new QLabel(captionText, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
        return label;
    };
    const auto list = [&](const QStringList &items, int selected, const QSize &size, const char *name) {
        auto *box = new MyJComboBox(items, listener, selected, size, this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    const auto sampleField = [this](const char *name) {
        auto *field = new QLineEdit(QStringLiteral("?"), this);
        field->setObjectName(QString::fromLatin1(name));
        field->setReadOnly(true);
        // On the leading side of the dialog, whichever way the sample itself reads.
        const bool ltr = QLocale::system().textDirection() == Qt::LeftToRight;
        field->setAlignment((ltr ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignAbsolute | Qt::AlignVCenter);
        return field;
    };
    const auto titledPanel = [this](const char *key, const QSize &preferred, const char *name) {
        auto *panel = new QGroupBox(this);
        panel->setObjectName(QString::fromLatin1(name));
        new utils::MigLayout(QStringLiteral("insets 2"), QString(), QString(), panel);
        makeTitledBorder(panel, QString::fromLatin1(key), QApplication::palette(panel).color(QPalette::WindowText));
        // At least the preferred size; more where a translation needs it.
        panel->setMinimumSize(preferred);
        panel->setLayoutDirection(QLocale::system().textDirection());
        return panel;
    };
    const auto radio = [](QGroupBox *panel, QButtonGroup *group, const QString &radioText, const char *name) {
        auto *button = new QRadioButton(radioText, panel);
        button->setObjectName(QString::fromLatin1(name));
        group->addButton(button);
        static_cast<utils::MigLayout *>(panel->layout())->addWidget(button, QStringLiteral("wrap"));
        return button;
    };

    dateFormatLbl = caption(text("format.date") + QStringLiteral(": "), "dateFormatLbl");
    layout->addWidget(dateFormatLbl, QStringLiteral("span 2, wrap"));
    dateFormat_CB = list(DATE_PATTERNS, 0, QSize(80, 25), "dateFormat_CB");
    layout->addWidget(dateFormat_CB, QStringLiteral("span 2"));
    displayDate = sampleField("displayDate");
    sizeSampleField(displayDate, 16, DATE_PATTERNS, MyConstants::DATE_PATTERN.defaultValue);
    layout->addWidget(displayDate, QStringLiteral("span 2, wrap para"));

    timeFormatLbl = caption(text("format.time") + QStringLiteral(": "), "timeFormatLbl");
    layout->addWidget(timeFormatLbl, QStringLiteral("span 2, wrap"));
    timeFormat_CB = list(TIME_PATTERNS, 0, QSize(80, 25), "timeFormat_CB");
    layout->addWidget(timeFormat_CB, QStringLiteral("span 2"));
    displayTime = sampleField("displayTime");
    sizeSampleField(displayTime, 8, TIME_PATTERNS, MyConstants::TIME_PATTERN.defaultValue);
    layout->addWidget(displayTime, QStringLiteral("span 2, wrap para"));

    layoutPanel = titledPanel("lbl.layout", QSize(125, 60), "layoutPanel");
    auto *layoutGroup = new QButtonGroup(layoutPanel);
    vertical_RB = radio(layoutPanel, layoutGroup, text("radio.vertical"), "vertical_RB");
    horizontal_RB = radio(layoutPanel, layoutGroup, text("radio.horizontal"), "horizontal_RB");
    layout->addWidget(layoutPanel, QStringLiteral("span 2"));

    flagsPanel = titledPanel("lbl.countryflag", QSize(130, 60), "flagsPanel");
    auto *flagsGroup = new QButtonGroup(flagsPanel);
    round_RB = radio(flagsPanel, flagsGroup, text("radio.round"), "round_RB");
    rectangle_RB = radio(flagsPanel, flagsGroup, text("radio.rectangle"), "rectangle_RB");
    layout->addWidget(flagsPanel, QStringLiteral("span 2, wrap para"));

    // A caption across the dialog, and below it a small list.
    const auto choice = [&](QLabel *&label, MyJComboBox *&box, const QString &captionText, const QStringList &items,
                            int selected, const char *labelName, const char *boxName) {
        label = caption(captionText, labelName);
        layout->addWidget(label, QStringLiteral("span 4, wrap"));
        box = list(items, selected, QSize(50, 25), boxName);
        layout->addWidget(box, QStringLiteral("span 4, wrap para"));
    };
    choice(timeFontSizeLbl, timeFontSize_CB, text("lbl.font.size.time") + QStringLiteral(":"), FONT_SIZES, 0,
           "timeFontSizeLbl", "timeFontSize_CB");
    choice(taskBarLbl, taskBar_CB, text("lbl.makeapplicationvisibleontaskbar"), yesNo, 1, "taskBarLbl", "taskBar_CB");
    choice(alwaysOnTopLbl, alwaysOnTop_CB, text("lbl.applicationisalwaysontop"), yesNo, 0, "alwaysOnTopLbl",
           "alwaysOnTop_CB");
    choice(darkModeLbl, darkMode_CB, text("lbl.usedarkmode"), yesNo, 1, "darkModeLbl", "darkMode_CB");

    // A screen reader names each list by its caption.
    dateFormatLbl->setBuddy(dateFormat_CB);
    timeFormatLbl->setBuddy(timeFormat_CB);
    timeFontSizeLbl->setBuddy(timeFontSize_CB);
    taskBarLbl->setBuddy(taskBar_CB);
    alwaysOnTopLbl->setBuddy(alwaysOnTop_CB);
    darkModeLbl->setBuddy(darkMode_CB);

    saveButton = new MyJButtonWithImage(saveText, listener, QStringLiteral("images/16/dialog-apply.png"), SaveCmd, true,
                                        buttonSize, buttonPanel);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    cancelButton = new MyJButtonWithImage(cancelText, listener, QStringLiteral("images/16/dialog-disable.png"),
                                          CancelCmd, true, buttonSize, buttonPanel);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    keepOwnLook(saveButton);
    keepOwnLook(cancelButton);
    // Nothing is stored but by a press on Save: Enter must not press it.
    for (MyJButtonWithImage *button : {saveButton, cancelButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    buttonLayout->addWidget(saveButton);
    buttonLayout->addWidget(cancelButton);
    const bool ltr = QLocale::system().textDirection() == Qt::LeftToRight;
    layout->addWidget(buttonPanel, ltr ? QStringLiteral("span 4, align right") : QStringLiteral("span 4, align left"));

    loadPref();

    const QDateTime now = Clock::now();
    displayDate->setText(sample(dateFormat_CB->currentText(), MyConstants::DATE_PATTERN.defaultValue, now));
    displayTime->setText(sample(timeFormat_CB->currentText(), MyConstants::TIME_PATTERN.defaultValue, now));
}

void MySettings::loadPref()
{
    // Each list shows what the clocks really use, so that Save keeps a value set by hand.
    const QDateTime now = Clock::now();
    const auto inEffect = [&now](const QString &pattern, const QString &defaultPattern) {
        bool usable = false;
        DateFormatter::format(pattern, now, ZoneDatabase::localZone(), &usable);
        return usable ? pattern : defaultPattern;
    };
    if (offerEntry(dateFormat_CB, inEffect(uP.getDatePattern(MyConstants::DATE_PATTERN.defaultValue),
                                           MyConstants::DATE_PATTERN.defaultValue)))
        sizeSampleField(displayDate, 16, itemsOf(dateFormat_CB), MyConstants::DATE_PATTERN.defaultValue);
    if (offerEntry(timeFormat_CB, inEffect(uP.getTimePattern(MyConstants::TIME_PATTERN.defaultValue),
                                           MyConstants::TIME_PATTERN.defaultValue)))
        sizeSampleField(displayTime, 8, itemsOf(timeFormat_CB), MyConstants::TIME_PATTERN.defaultValue);
    (uP.isVerticalLayout() ? vertical_RB : horizontal_RB)->setChecked(true);
    (uP.isRoundFlags() ? round_RB : rectangle_RB)->setChecked(true);
    offerEntry(timeFontSize_CB, QString::number(TimeZoneObject::usableTimeFontSize(uP.getTimeFontSize())));
    select(taskBar_CB, uP.isOnTaskBar() ? 0 : 1);
    select(alwaysOnTop_CB, uP.isAlwaysOnTop() ? 0 : 1);
    select(darkMode_CB, uP.isDarkMode() ? 0 : 1);
}

bool MySettings::offerEntry(MyJComboBox *box, const QString &value)
{
    int index = box->findText(value, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    const bool added = index < 0;
    if (added) {
        box->insertItem(0, value);
        index = 0;
    }
    select(box, index);
    return added;
}

void MySettings::select(MyJComboBox *box, int index)
{
    if (box->currentIndex() == index)
        actionPerformed(utils::ActionEvent{box, MyJComboBox::ActionCommand});
    else
        box->setCurrentIndex(index);
}

void MySettings::actionPerformed(const utils::ActionEvent &event)
{
    const QObject *source = event.source;
    if (source == saveButton) {
        // A save that did not reach the file leaves the dialog open with the user's choices.
        if (saveIt())
            accept();
    } else if (source == cancelButton) {
        reject();
    } else if (source == dateFormat_CB) {
        displayDate->setText(
            sample(dateFormat_CB->currentText(), MyConstants::DATE_PATTERN.defaultValue, Clock::now()));
    } else if (source == timeFormat_CB) {
        displayTime->setText(
            sample(timeFormat_CB->currentText(), MyConstants::TIME_PATTERN.defaultValue, Clock::now()));
    } else if (source == darkMode_CB) {
        setDarkMode(darkMode_CB->currentIndex() == 0);
    }
}

bool MySettings::saveIt()
{
    // Every setter runs even after one failed: each key holds either the old or the new value.
    bool stored = uP.setDatePattern(dateFormat_CB->currentText());
    stored &= uP.setTimePattern(timeFormat_CB->currentText());
    stored &= uP.setVerticalLayout(vertical_RB->isChecked());
    stored &= uP.setRoundFlags(round_RB->isChecked());
    stored &= uP.setTimeFontSize(timeFontSize_CB->currentText().toInt());
    stored &= uP.setOnTaskBar(taskBar_CB->currentIndex() == 0);
    stored &= uP.setAlwaysOnTop(alwaysOnTop_CB->currentIndex() == 0);
    stored &= uP.setDarkMode(darkMode_CB->currentIndex() == 0);
    if (!stored) {
        utils::MessageBox::error(this, labels.getString(QStringLiteral("popup.error.couldnotsave"), {uP.fileName()}),
                                 labels.getString(QStringLiteral("popup.error")));
        return false;
    }
    dataChanged = true;
    return true;
}

QString MySettings::sample(const QString &pattern, const QString &defaultPattern, const QDateTime &instant) const
{
    // Exactly what a clock of the computer's zone shows with this pattern.
    return utils::BidiText::isolate(
        DateFormatter::formatOr(pattern, defaultPattern, instant, ZoneDatabase::localZone()));
}

void MySettings::sizeSampleField(QLineEdit *field, int columns, const QStringList &patterns,
                                 const QString &defaultPattern)
{
    const QFontMetrics metrics = field->fontMetrics();
    const QDateTime now = Clock::now();
    int widest = columns * metrics.horizontalAdvance(u'm');
    for (const QString &pattern : patterns)
        widest = std::max(widest, metrics.horizontalAdvance(sample(pattern, defaultPattern, now)) + 4);
    // The frame and margins around the text, as the field itself reckons them.
    const int chrome = field->minimumSizeHint().width() - metrics.maxWidth();
    field->setFixedWidth(widest + std::max(chrome, 0));
}

void MySettings::makeTitledBorder(QGroupBox *panel, const QString &key, const QColor &titleColor)
{
    panel->setTitle(QStringLiteral(" ") + labels.getString(key) + QStringLiteral(" "));
    PaletteUtils::setForeground(panel, titleColor);
}

QList<MyJComboBox *> MySettings::lists() const
{
    return {dateFormat_CB, timeFormat_CB, timeFontSize_CB, taskBar_CB, alwaysOnTop_CB, darkMode_CB};
}

void MySettings::setDarkMode(bool flag)
{
    const QList<QWidget *> controls = {dateFormatLbl,   dateFormat_CB,   displayDate,   timeFormatLbl, timeFormat_CB,
                                       displayTime,     vertical_RB,     horizontal_RB, round_RB,      rectangle_RB,
                                       timeFontSizeLbl, timeFontSize_CB, taskBarLbl,    taskBar_CB,    alwaysOnTopLbl,
                                       alwaysOnTop_CB,  darkModeLbl,     darkMode_CB};
    const QColor background = flag ? ColorRoles::darkModeBackground()
                                   : utils::UiDefaults::getColor(utils::UiDefaults::PANEL_BACKGROUND);
    const QColor text = flag ? ColorRoles::darkModeMenuText() : ColorRoles::darkModeBackground();
    const QColor titleColor = flag ? text : QApplication::palette(layoutPanel).color(QPalette::WindowText);
    for (QWidget *panel : std::initializer_list<QWidget *>{this, layoutPanel, flagsPanel, buttonPanel})
        PaletteUtils::setBackground(panel, background);
    for (QWidget *control : controls)
        colourControl(control, text, background);
    makeTitledBorder(layoutPanel, QStringLiteral("lbl.layout"), titleColor);
    makeTitledBorder(flagsPanel, QStringLiteral("lbl.countryflag"), titleColor);
    for (MyJComboBox *box : lists()) {
        colourListBackground(box, flag ? ClockColorRoles::clockBorder() : background);
        // Back in light mode the lists keep whatever renderer they have.
        if (!flag)
            continue;
        QAbstractItemDelegate *previous = box->itemDelegate();
        box->setItemDelegate(new MyCellRenderer(box));
        // The box does not delete a delegate it lets go of.
        if (previous && previous->parent() == box)
            previous->deleteLater();
    }
}

} // namespace quillmark::hrl
