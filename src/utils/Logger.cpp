#include "Logger.h"

#include <QDateTime>

#include <cstdio>

namespace quillmark::utils {

namespace {
bool enabled = true;
} // namespace

bool Logger::isEnabled()
{
    return enabled;
}

void Logger::log(const QString &className, const QString &methodName, const QString &message)
{
    if (!enabled)
        return;
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"))
        + u' ' + className + QStringLiteral(": ") + methodName + QStringLiteral(": ") + message + u'\n';
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace quillmark::utils
