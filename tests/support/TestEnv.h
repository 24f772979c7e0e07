#pragma once

#include <QString>
#include <QTemporaryDir>

// A throwaway preferences store for one test: every QSettings in user scope
// writes below a temporary directory that disappears with this object.
class TestEnv final
{
public:
    TestEnv();
    ~TestEnv();

    QString path() const { return dir.path(); }
    // The file the program's preferences go to.
    QString storeFile() const { return dir.path() + QStringLiteral("/Quillmark/Horalia.ini"); }

private:
    QTemporaryDir dir;
};
