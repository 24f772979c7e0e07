#pragma once

#include <QString>

namespace quillmark::utils {

// Values joined to a label ("Copyright: 2019-2022", "(UTC+05:30) Asia/Kolkata") must keep their
// own order in a right-to-left window, where the bidi algorithm would otherwise reorder a number
// range or a path against the label around it. Each value is wrapped in a first-strong isolate,
// in right-to-left layouts only: left-to-right texts stay exactly as they were.
class BidiText final
{
public:
    BidiText() = delete;

    static constexpr QChar FirstStrongIsolate = QChar(0x2068);
    static constexpr QChar PopDirectionalIsolate = QChar(0x2069);

    // The value isolated when the application or the desktop's language runs right to left,
    // else unchanged.
    static QString isolate(const QString &value);
    static QString isolate(const QString &value, Qt::LayoutDirection direction);
    // The value without the isolate marks that isolate() put around it.
    static QString strip(const QString &text);
};

} // namespace quillmark::utils
