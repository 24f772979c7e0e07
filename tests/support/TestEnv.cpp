#include "TestEnv.h"

#include <QSettings>
#include <QStandardPaths>

TestEnv::TestEnv()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
}

TestEnv::~TestEnv() = default;
