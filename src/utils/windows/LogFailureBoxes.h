#pragma once

namespace quillmark::utils {

// Shows the logger's set-up failures in message boxes: an error box per path that could not be
// opened, and a warning when the program goes on without a log file.
class LogFailureBoxes final
{
public:
    LogFailureBoxes() = delete;

    static void install();
};

} // namespace quillmark::utils
