#pragma once

class QString;

namespace quillmark::hrl {

// The application's look on the platform it runs on: the platform's own style where there is
// one, Fusion elsewhere, our readable colours, and plain interface fonts.
class PlatformLook final
{
public:
    PlatformLook() = delete;

    // Once, before the first window is built. The stored font sizes decide the interface fonts;
    // on macOS the application menu bears the name.
    static void apply(int variableWidthFontSize, int fixedWidthFontSize, const QString &applicationName);
};

} // namespace quillmark::hrl
