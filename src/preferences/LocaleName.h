#pragma once

#include <QLocale>
#include <QString>

namespace quillmark::utils {

// A locale as the preferences store names it: language, country and variant texts kept as written
// ("zh_TW_x" is language "zh", country "TW_x"), which QLocale alone cannot hold.
class LocaleName final
{
public:
    LocaleName() = default;
    LocaleName(const QString &language, const QString &country, const QString &variant = QString())
        : language(language)
        , country(country)
        , variant(variant)
    {
    }

    // "lang" or "lang_COUNTRY..." split at the first "_".
    static LocaleName fromText(const QString &text);

    QString getLanguage() const { return language; }
    QString getCountry() const { return country; }
    QString getVariant() const { return variant; }

    // "lang", "lang_COUNTRY" or "lang_COUNTRY_variant".
    QString toString() const;
    // The closest QLocale; QLocale picks a country itself when none is given.
    QLocale toQLocale() const;

    friend bool operator==(const LocaleName &, const LocaleName &) = default;

private:
    QString language;
    QString country;
    QString variant;
};

} // namespace quillmark::utils
