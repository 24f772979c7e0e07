#pragma once

#include <QString>

#include <functional>

class QObject;

namespace quillmark::utils {

// What a listener learns when a menu item, button or combo box fires: which one, and its command.
struct ActionEvent
{
    QObject *source = nullptr;
    QString actionCommand;
};

// An empty function is a missing listener.
using ActionListener = std::function<void(const ActionEvent &event)>;

} // namespace quillmark::utils
