#include "StringUtils.h"

#include <QByteArray>

#include <algorithm>

namespace quillmark::utils {

namespace {
constexpr char16_t hexDigits[] = u"0123456789ABCDEF";
} // namespace

QString StringUtils::replaceAll(const QString &text, const QString &search, const QString &replacement)
{
    if (search.isEmpty())
        return text;
    QString result = text;
    qsizetype pos = result.indexOf(search);
    while (pos >= 0) {
        result.replace(pos, search.size(), replacement);
        pos = result.indexOf(search, pos + replacement.size());
    }
    return result;
}

QString StringUtils::byteToHex(char value)
{
    return byteToHex(int(static_cast<unsigned char>(value)));
}

QString StringUtils::byteToHex(QChar value)
{
    return byteToHex(int(value.unicode()));
}

QString StringUtils::byteToHex(int value)
{
    const QChar digits[2] = {hexDigit(value >> 4), hexDigit(value)};
    return QString(digits, 2);
}

QChar StringUtils::hexDigit(int value)
{
    return QChar(hexDigits[value & 0x0F]);
}

QString StringUtils::intToHex(qint32 value)
{
    const auto bits = quint32(value);
    return byteToHex(int(bits >> 24)) + byteToHex(int(bits >> 16)) + byteToHex(int(bits >> 8)) + byteToHex(int(bits));
}

QString StringUtils::bytesToHex(const QByteArray &bytes)
{
    QString result;
    result.reserve(bytes.size() * 2);
    for (const char b : bytes)
        result += byteToHex(b);
    return result;
}

QString StringUtils::hexDumpRow(const QByteArray &bytes, int count, int offset, int width)
{
    const int groups = width / 4;
    // The byte count is checked against the array as well, so a short array never reads past its end.
    if (bytes.isNull() || count < 1 || count > width || count > bytes.size() || offset < 0 || groups < 4
        || groups % 4 != 0)
        return {};

    QString row;
    row.reserve(16 + 12 * width);
    const QString offsetHex = QString::number(offset, 16).toUpper();
    row += QString(std::max(qsizetype(0), 6 - offsetHex.size()), u'0') + offsetHex + u": ";

    for (int i = 0; i < count; ++i) {
        row += byteToHex(bytes.at(i));
        if ((i + 1) % 4 == 0)
            row += u' ';
    }
    const int hexColumn = 9 * groups;
    const int hexWritten = 2 * count + count / 4;
    if (hexWritten < hexColumn)
        row += QString(hexColumn - hexWritten, u' ');
    row += u' ';

    for (int i = 0; i < count; ++i) {
        const auto value = static_cast<unsigned char>(bytes.at(i));
        const bool printable = (value >= 32 && value <= 126) || value >= 160;
        row += printable ? QChar::fromLatin1(char(value)) : QChar(u'.');
    }
    if (count < width)
        row += QString(width - count, u' ');
    return row;
}

QString StringUtils::cleanFileName(const QString &text)
{
    return replaceAll(replaceAll(text, QStringLiteral("/"), QStringLiteral("_")), QStringLiteral("%"),
                      QStringLiteral("_"));
}

QString StringUtils::wrapLabel(const QString &text, int start)
{
    const qsizetype from = std::max(0, start);
    if (from < text.size() && text.indexOf(u' ', from) >= 0)
        return QStringLiteral("<html>") + text + QStringLiteral("</html>");
    return text;
}

} // namespace quillmark::utils
