#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <array>

namespace quillmark::hrl {

// Fixed table from time zone identifier to the ISO 3166-1 alpha-2 code of the country or
// territory the zone belongs to; the code names the zone's flag image. An identifier the table
// does not list (Asia/Calcutta, UTC, anything under Etc/) has no code, even when the zone it
// stands for has one.
class CountryCodes final
{
public:
    // Zone identifier, upper-case country code.
    using Row = std::array<QString, 2>;

    CountryCodes();

    // The code stored for exactly id (no case folding, no alias resolution), or a null string.
    QString findCountryCode(const QString &id) const;

    // Every row, one per identifier; callers must not rely on their order.
    const QList<Row> &getByCodes() const { return byCodes; }

private:
    // Shared by every instance; each constructor puts the same pairs again.
    static QHash<QString, QString> ccHT;

    QList<Row> byCodes;
};

} // namespace quillmark::hrl
