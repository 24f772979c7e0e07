#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace quillmark::utils {

// Message boxes coloured from UiDefaults, their buttons labelled in the program's language, and
// standing above every window of ours (the main window may be always on top). Tests queue
// answers with setNextAnswer(): a queued answer is returned at once without showing anything,
// and the box is recorded.
class MessageBox final
{
public:
    enum Answer { Ok, Cancel, Yes, No, Closed };
    enum Kind { Error, Warning, Question, OkCancel };

    struct Record
    {
        Kind kind;
        QString title;
        QString text;
    };

    MessageBox() = delete;

    static void error(QWidget *parent, const QString &text, const QString &title);
    static void warning(QWidget *parent, const QString &text, const QString &title);
    // Yes/No question with the question icon.
    static Answer question(QWidget *parent, const QString &text, const QString &title);
    // A panel of the caller's under OK and Cancel, without an icon.
    static Answer okCancel(QWidget *parent, QWidget *content, const QString &title);

    // The texts of the four buttons, from the program's own texts; an empty text keeps Qt's.
    // The buttons keep the platform's order, default and Escape button.
    static void setButtonTexts(const QString &ok, const QString &yes, const QString &no, const QString &cancel);

    static void setNextAnswer(Answer answer);
    static QList<Record> takeRecords();

private:
    static Answer show(Kind kind, QWidget *parent, const QString &text, const QString &title, QWidget *content);
};

} // namespace quillmark::utils
