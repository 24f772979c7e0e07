#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <utility>
#include <vector>

namespace quillmark::hrl {

// Puts values into the look defaults for as long as it lives and the former values back when it
// goes, for a window that takes its colours from the defaults while it is built.
class ScopedUiDefaults final
{
    Q_DISABLE_COPY_MOVE(ScopedUiDefaults)

public:
    using Values = std::initializer_list<std::pair<QString, QVariant>>;

    // Nothing is put or put back when `apply` is false.
    ScopedUiDefaults(bool apply, Values values);
    ~ScopedUiDefaults();

private:
    std::vector<std::pair<QString, QVariant>> saved;
};

} // namespace quillmark::hrl
