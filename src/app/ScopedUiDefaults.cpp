#include "ScopedUiDefaults.h"

#include "UiDefaults.h"

namespace quillmark::hrl {

using utils::UiDefaults;

ScopedUiDefaults::ScopedUiDefaults(bool apply, Values values)
{
    if (!apply)
        return;
    for (const auto &[key, value] : values) {
        saved.emplace_back(key, UiDefaults::get(key));
        UiDefaults::put(key, value);
    }
}

ScopedUiDefaults::~ScopedUiDefaults()
{
    for (const auto &[key, value] : saved)
        UiDefaults::put(key, value);
}

} // namespace quillmark::hrl
