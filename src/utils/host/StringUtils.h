#pragma once

#include <QString>

class QByteArray;

namespace quillmark::utils {

// Text helpers shared by the library: literal replacement and hex formatting.
class StringUtils final
{
public:
    StringUtils() = delete;

    // Literal replacement of every occurrence; replaced text is never searched again.
    // An empty search string returns the text unchanged.
    static QString replaceAll(const QString &text, const QString &search, const QString &replacement);

    // Two upper-case hex digits of the value's lowest byte.
    static QString byteToHex(char value);
    static QString byteToHex(QChar value);
    static QString byteToHex(int value);
    // Hex digit of the value's lowest four bits.
    static QChar hexDigit(int value);
    // Eight hex digits, most significant byte first.
    static QString intToHex(qint32 value);
    static QString bytesToHex(const QByteArray &bytes);

    // One row of a hex dump: the first count bytes of the row, which starts at offset in the
    // whole dump; width bytes make a full row. Empty text for arguments outside the limits.
    static QString hexDumpRow(const QByteArray &bytes, int count, int offset, int width);

    // Makes a text usable as a file name: "/" and "%" become "_".
    static QString cleanFileName(const QString &text);
    // Wraps the text in <html> so that a label may break it, when it has a blank at or after start.
    static QString wrapLabel(const QString &text, int start);
};

} // namespace quillmark::utils
