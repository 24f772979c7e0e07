#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace quillmark::utils {

// Message boxes coloured from UiDefaults. Tests queue answers with setNextAnswer():
// a queued answer is returned at once without showing anything, and the box is recorded.
class MessageBox final
{
public:
    enum Answer { Ok, Cancel, Yes, No, Closed };
    enum Kind { Error, Warning, Question, OkCancel };

    struct Record {
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

    static void setNextAnswer(Answer answer);
    static QList<Record> takeRecords();

private:
    static Answer show(Kind kind, QWidget *parent, const QString &text, const QString &title, QWidget *content);
};

} // namespace quillmark::utils
