#include "LogFailureBoxes.h"

#include "Logger.h"
#include "MessageBox.h"
#include "ResourceBundle.h"

#include <QApplication>

namespace quillmark::utils {

namespace {

void showBox(Logger::Failure failure, const QString &message, const ResourceBundle &bundle)
{
    // Without a widget application there is nothing to show a box on; the trace line must do.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    if (failure == Logger::Failure::Error)
        MessageBox::error(nullptr, message, bundle.getString(QStringLiteral("popup.error")));
    else
        MessageBox::warning(nullptr, bundle.getString(QStringLiteral("popup.continuingwithoutlogfile")),
                            bundle.getString(QStringLiteral("popup.warning")));
}

} // namespace

void LogFailureBoxes::install()
{
    Logger::setFailureReporter(&showBox);
}

} // namespace quillmark::utils
