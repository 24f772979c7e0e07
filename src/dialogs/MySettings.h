#pragma once

#include "ActionListener.h"
#include "ResourceBundle.h"
#include "UserPreferences.h"

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace quillmark::utils {
class MyJButtonWithImage;
class MyJComboBox;
} // namespace quillmark::utils

namespace quillmark::hrl {

// The modal dialog for how the clocks look and how the window behaves: date and time patterns
// with a sample of now, time font size, arrangement, flag shape, task bar, on top, dark mode.
// Nothing is stored before Save; Save stores all eight settings.
class MySettings final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MySettings)

public:
    static const QStringList DATE_PATTERNS;
    static const QStringList TIME_PATTERNS;
    static const QStringList FONT_SIZES;

    MySettings(const utils::ResourceBundle &labels, QWidget *owner);
    ~MySettings() override;

    bool isDataChanged() const { return dataChanged; }
    // Colours the dialog dark (true) or light (false); a preview only, nothing is stored.
    void setDarkMode(bool flag);
    void actionPerformed(const utils::ActionEvent &event);
    // Every way out (Save, Cancel, the close box, Escape) ends here and lets the owner go.
    void done(int result) override;

private:
    void myInit();
    void loadPref();
    // False, after telling the user, when the store did not take every setting.
    bool saveIt();
    // Selects an item as a user would: the listener hears of it even when it was already selected.
    void select(utils::MyJComboBox *box, int index);
    // Selects the value, first adding it as the list's first entry where the list lacks it;
    // true when it was added.
    bool offerEntry(utils::MyJComboBox *box, const QString &value);
    QString sample(const QString &pattern, const QString &defaultPattern, const QDateTime &instant) const;
    // Wide enough for the given columns and for the widest sample of any offered pattern now.
    void sizeSampleField(QLineEdit *field, int columns, const QStringList &patterns, const QString &defaultPattern);
    void makeTitledBorder(QGroupBox *panel, const QString &key, const QColor &titleColor);
    QList<utils::MyJComboBox *> lists() const;

    utils::ResourceBundle labels;
    QLabel *dateFormatLbl = nullptr;
    utils::MyJComboBox *dateFormat_CB = nullptr;
    QLineEdit *displayDate = nullptr;
    QLabel *timeFormatLbl = nullptr;
    utils::MyJComboBox *timeFormat_CB = nullptr;
    QLineEdit *displayTime = nullptr;
    QGroupBox *layoutPanel = nullptr;
    QRadioButton *vertical_RB = nullptr;
    QRadioButton *horizontal_RB = nullptr;
    QGroupBox *flagsPanel = nullptr;
    QRadioButton *round_RB = nullptr;
    QRadioButton *rectangle_RB = nullptr;
    QLabel *timeFontSizeLbl = nullptr;
    utils::MyJComboBox *timeFontSize_CB = nullptr;
    QLabel *taskBarLbl = nullptr;
    utils::MyJComboBox *taskBar_CB = nullptr;
    QLabel *alwaysOnTopLbl = nullptr;
    utils::MyJComboBox *alwaysOnTop_CB = nullptr;
    QLabel *darkModeLbl = nullptr;
    utils::MyJComboBox *darkMode_CB = nullptr;
    QWidget *buttonPanel = nullptr;
    utils::MyJButtonWithImage *saveButton = nullptr;
    utils::MyJButtonWithImage *cancelButton = nullptr;
    UserPreferences uP;
    bool dataChanged = false;
};

} // namespace quillmark::hrl
