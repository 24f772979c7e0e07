#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

// Sends the process's standard output (fd 1) to a temporary file until finish(), so a test can
// read what was written there, whoever wrote it.
class StdoutCapture final
{
public:
    StdoutCapture()
    {
        file.open();
        std::fflush(stdout);
        saved = dup(STDOUT_FILENO);
        dup2(file.handle(), STDOUT_FILENO);
    }

    ~StdoutCapture() { restore(); }

    // Restores standard output and returns everything written meanwhile.
    QString finish()
    {
        restore();
        QFile reader(file.fileName());
        reader.open(QIODevice::ReadOnly);
        return QString::fromUtf8(reader.readAll());
    }

    QStringList lines()
    {
        QStringList result = finish().split(u'\n');
        if (!result.isEmpty() && result.constLast().isEmpty())
            result.removeLast();
        return result;
    }

private:
    void restore()
    {
        if (saved < 0)
            return;
        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
        saved = -1;
    }

    QTemporaryFile file;
    int saved = -1;
};
