#pragma once

#include "ProgramInfo.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

// As the program's start does (main.cpp): large blocks go back to the system when freed.
inline void returnLargeBlocksAsTheProgramDoes()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

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
    return values.empty() ? 0 : values[values.size() / 2];
}
