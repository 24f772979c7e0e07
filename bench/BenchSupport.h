#pragma once

#include "ProgramInfo.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

// A throwaway preferences store under the program's names, so a run measures the program as it
// stores its settings and never touches the user's.
class BenchStore final
{
public:
    BenchStore()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        QCoreApplication::setOrganizationName(quillmark::hrl::ProgramInfo::ORGANIZATION);
        QCoreApplication::setApplicationName(quillmark::hrl::ProgramInfo::APPLICATION);
    }
    Q_DISABLE_COPY_MOVE(BenchStore)

private:
    QTemporaryDir dir;
};

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
