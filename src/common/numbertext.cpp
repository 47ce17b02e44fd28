// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/numbertext.h"

#include "common/decimalround.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace velmo {

namespace {

// What reading and writing a number needs of a locale, worked out once per locale in use.
// Through the system locale Qt asks the operating system for every separator of every number it
// reads or writes: thousands of questions for one meal, most of a console run's time. The locale
// of the same language, script and territory answers from Qt's own tables; it stands in for the
// system locale whenever it gives the same answers (always on Linux; elsewhere a user may have
// chosen other separators, and then the system locale is asked as before).
struct NumberSymbols {
    QLocale source = QLocale::c();
    QLocale::Language language = QLocale::AnyLanguage;
    QLocale::Territory territory = QLocale::AnyTerritory;
    QLocale numeric = QLocale::c();  // `source` or its stand-in
    QString decimal;
    QString group;
    QString negative;
    QString zero;
    QChar point;  // the decimal separator when it is one character, else null
};

const NumberSymbols &numberSymbols(const QLocale &locale)
{
    thread_local NumberSymbols cached;
    thread_local bool filled = false;
    if (filled && cached.source == locale && cached.language == locale.language()
        && cached.territory == locale.territory())
        return cached;
    cached.source = locale;
    cached.language = locale.language();
    cached.territory = locale.territory();
    cached.numeric = locale;
    if (locale == QLocale::system()) {
        const QLocale twin(locale.language(), locale.script(), locale.territory());
        if (twin.decimalPoint() == locale.decimalPoint() && twin.groupSeparator() == locale.groupSeparator()
            && twin.zeroDigit() == locale.zeroDigit() && twin.negativeSign() == locale.negativeSign()
            && twin.positiveSign() == locale.positiveSign() && twin.exponential() == locale.exponential())
            cached.numeric = twin;
    }
    cached.decimal = cached.numeric.decimalPoint();
    cached.group = cached.numeric.groupSeparator();
    cached.negative = cached.numeric.negativeSign();
    cached.zero = cached.numeric.zeroDigit();
    cached.point = cached.decimal.size() == 1 ? cached.decimal.front() : QChar();
    filled = true;
    return cached;
}

bool isIgnoredBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Joins sign, digits and separators. The digits are always ASCII, whatever digits the locale
// writes: every text the program writes is read back by the leading-number rule (ASCII only) or
// by the locale rule, and console output must not mix two digit systems. The separators and the
// sign stay the locale's own.
QString compose(const RoundedDecimal &r, const QLocale &locale, bool grouped, bool trimZeros)
{
    const NumberSymbols &symbols = numberSymbols(locale);
    QString integer = QString::fromLatin1(r.integerDigits);
    if (grouped && integer.size() > 3) {
        const QString &group = symbols.group;
        QString withGroups;
        const qsizetype first = integer.size() % 3 == 0 ? 3 : integer.size() % 3;
        withGroups = integer.left(first);
        for (qsizetype i = first; i < integer.size(); i += 3)
            withGroups += group + integer.mid(i, 3);
        integer = withGroups;
    }
    std::string_view fractionDigits = r.fractionDigits;
    if (trimZeros) {
        while (!fractionDigits.empty() && fractionDigits.back() == '0')
            fractionDigits.remove_suffix(1);
    }
    QString fraction = QString::fromLatin1(fractionDigits.data(), static_cast<qsizetype>(fractionDigits.size()));
    QString text = r.negative ? symbols.negative + integer : integer;
    if (!fraction.isEmpty())
        text += symbols.decimal + fraction;
    return text;
}

// The texts the program writes itself, ASCII digits with at most the locale's decimal separator
// and no groups, read without the locale's full parser (which costs many times more and reads
// these the same: both round the decimal correctly). Empty for any other text.
std::optional<double> readPlainDecimal(QStringView text, const NumberSymbols &symbols)
{
    if (text.size() > 40 || symbols.point.isNull())
        return std::nullopt;
    char buffer[40];
    std::size_t size = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            buffer[size++] = static_cast<char>(c.unicode());
            seenDigit = true;
        } else if (c == symbols.point && !seenPoint && seenDigit) {
            buffer[size++] = '.';
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit || buffer[size - 1] == '.')
        return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(buffer, buffer + size, value);
    if (ec != std::errc() || end != buffer + size || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A number too large or too small for fifteen significant digits without an exponent, written
// with ASCII digits and "E" like the other texts: 1,5E+15 / 1.5E+15.
QString exponentText(double value, const QLocale &locale)
{
    QString text = QLocale::c().toString(value, 'g', 15).toUpper();
    text.replace(u'.', numberSymbols(locale).decimal);
    if (text.startsWith(u'-'))
        text.replace(0, 1, numberSymbols(locale).negative);
    return text;
}

// What the program writes (ASCII digits) and what a user of the locale may type (its own digits)
// both read; the direction marks and the typographic minus that some locales put around and in
// their negative sign are no part of the number.
QString normaliseLocaleText(QStringView text, const QLocale &locale)
{
    const char16_t zero = numberSymbols(locale).zero.at(0).unicode();
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0x200E || u == 0x200F || u == 0x061C)
            continue;
        if (u == 0x2212)
            out.append(u'-');
        else if (zero != u'0' && u >= zero && u <= zero + 9)
            out.append(QChar(u'0' + (u - zero)));
        else
            out.append(c);
    }
    return out;
}

// How many ASCII digits the text starts with.
qsizetype leadingDigits(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n] >= u'0' && text[n] <= u'9')
        ++n;
    return n;
}

bool allDigits(QStringView text)
{
    return leadingDigits(text) == text.size();
}

}  // namespace

std::optional<double> readLeadingNumber(QStringView text)
{
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        if (isIgnoredBlank(c))
            continue;
        if (c.unicode() > 127)
            break;
        s.push_back(static_cast<char>(c.unicode()));
    }

    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number.push_back(s[i++]);
    // Copies the run of digits at `at` into `into`; how many there were.
    const auto takeDigits = [&s](std::size_t &at, std::string &into) {
        std::size_t count = 0;
        for (; at < s.size() && isDigit(s[at]); ++at, ++count)
            into.push_back(s[at]);
        return count;
    };
    std::size_t mantissaDigits = takeDigits(i, number);
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        mantissaDigits += takeDigits(i, number);
    }
    if (mantissaDigits == 0)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        if (takeDigits(j, exponent) > 0)
            number += exponent;
    }

    const char *begin = number.data();
    if (*begin == '+')
        ++begin;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(begin, number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large overflows; too small underflows to zero, as arithmetic would.
        const std::size_t firstSignificant = number.find_first_of("123456789");
        const std::size_t point = number.find('.');
        const std::size_t integerEnd = std::min(point, number.find('e'));
        const bool hasIntegerPart = firstSignificant != std::string::npos && firstSignificant < integerEnd;
        const std::size_t ePos = number.find('e');
        const bool negativeExponent = ePos != std::string::npos && number.size() > ePos + 1 && number[ePos + 1] == '-';
        if (hasIntegerPart && !negativeExponent)
            return std::nullopt;
        if (!hasIntegerPart && ePos != std::string::npos && !negativeExponent)
            return std::nullopt;
        return 0.0;
    }
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {

// "1.000" or "1.000,5" under Italian, "1,000" under English: the locale's group separators
// between groups of three digits, then at most its decimal separator and digits; written again as
// plain digits with a decimal point. Empty when `text` has no group separator or one out of place.
std::optional<QString> ungroupedArgument(QStringView text, const NumberSymbols &symbols)
{
    if (symbols.group.isEmpty() || symbols.decimal.isEmpty())
        return std::nullopt;
    const qsizetype point = text.indexOf(symbols.decimal);
    const QList<QStringView> groups = (point < 0 ? text : text.left(point)).split(symbols.group);
    if (groups.size() < 2 || groups.front().isEmpty() || groups.front().size() > 3)
        return std::nullopt;
    QString plain;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        if ((i > 0 && groups[i].size() != 3) || !allDigits(groups[i]))
            return std::nullopt;
        plain += groups[i];
    }
    if (point >= 0) {
        const QStringView decimals = text.mid(point + symbols.decimal.size());
        if (decimals.isEmpty() || !allDigits(decimals))
            return std::nullopt;
        plain += u'.' + decimals.toString();
    }
    return plain;
}

}  // namespace

std::optional<double> readLocaleNumber(QStringView text, const QLocale &locale)
{
    QString normalised;
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; })) {
        normalised = normaliseLocaleText(text, locale);
        text = normalised;
    }
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const NumberSymbols &symbols = numberSymbols(locale);
    if (const auto plain = readPlainDecimal(trimmed, symbols))
        return plain;
    QLocale reader = symbols.numeric;
    reader.setNumberOptions(QLocale::DefaultNumberOptions);
    bool ok = false;
    double value = reader.toDouble(trimmed, &ok);
    if (!ok) {
        // Groups of three, as this program writes them, also where the locale groups otherwise
        // (1,00,000 under Indian locales).
        const bool negative = !symbols.negative.isEmpty() && trimmed.startsWith(symbols.negative);
        const auto plain = ungroupedArgument(negative ? trimmed.mid(symbols.negative.size()) : trimmed, symbols);
        value = plain ? QLocale::c().toDouble(*plain, &ok) : 0.0;
        value = negative ? -value : value;
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double readLocaleNumberOrZero(QStringView text, const QLocale &locale)
{
    return readLocaleNumber(text, locale).value_or(0.0);
}

std::optional<qint16> readWholeNumber16(QStringView text, const QLocale &locale)
{
    const auto value = readLocaleNumber(text, locale);
    if (!value)
        return std::nullopt;
    const auto whole = roundHalfEvenToInteger(*value);
    if (!whole || *whole < std::numeric_limits<qint16>::min() || *whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(*whole);
}

bool isUnsignedWholeInput(QStringView text)
{
    return allDigits(text);
}

bool isUnsignedDecimalInput(QStringView text, const QLocale &locale)
{
    const qsizetype whole = leadingDigits(text);
    if (whole == text.size())
        return true;
    const QString &point = numberSymbols(locale).decimal;
    return whole > 0 && text.mid(whole).startsWith(point) && allDigits(text.mid(whole + point.size()));
}

std::optional<qint16> readWholeArgument16(QStringView text, ArgumentFraction fraction, const QLocale &locale)
{
    const NumberSymbols &symbols = numberSymbols(locale);
    QString plain;
    if (const auto ungrouped = ungroupedArgument(text, symbols)) {
        plain = *ungrouped;
    } else {
        const qsizetype whole = leadingDigits(text);
        if (whole == 0)
            return std::nullopt;
        plain = text.left(whole).toString();
        if (whole < text.size()) {
            const QChar separator = text[whole];
            const QStringView decimals = text.mid(whole + 1);
            // Three digits after a comma or a point may be a thousand of another locale ("1,000"
            // from an English script run under Italian), more after the locale's group separator
            // a group out of place ("1,0000" under English): never decimals.
            if ((separator != u',' && separator != u'.') || decimals.isEmpty() || !allDigits(decimals)
                || decimals.size() == 3 || (symbols.group == separator && decimals.size() > 3))
                return std::nullopt;
            plain += u'.' + decimals.toString();
        }
    }
    if (fraction == ArgumentFraction::Refused && plain.contains(u'.'))
        return std::nullopt;
    return readWholeNumber16(plain, QLocale::c());
}

std::optional<double> readPlainDecimal(QStringView text)
{
    text = text.trimmed();
    qsizetype separator = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' || c == u',') {
            if (separator >= 0)
                return std::nullopt;
            separator = i;
        } else if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
    }
    if (text.isEmpty() || separator == 0 || separator == text.size() - 1)
        return std::nullopt;
    QString ascii = text.toString();
    if (separator > 0)
        ascii[separator] = u'.';
    bool ok = false;
    const double value = ascii.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

bool mayBeThousands(QStringView typed, QStringView separators, bool endingInZero)
{
    typed = typed.trimmed();
    return typed.size() > 4 && !typed.startsWith(u'0') && (!endingInZero || typed.endsWith(u'0'))
           && separators.contains(typed[typed.size() - 4]) && typed.count(typed[typed.size() - 4]) == 1;
}

QString formatPlainDecimal(double value)
{
    if (!std::isfinite(value))
        return {};
    // The fewest digits that read back to this very double, never an exponent: what a file
    // exports must come back unchanged, and readPlainDecimal takes no exponent.
    return QString::number(value == 0.0 ? 0.0 : value, 'f', QLocale::FloatingPointShortest);
}

QString formatPlain(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        value = 0.0;  // no "-0"
    const double magnitude = std::fabs(value);
    if (magnitude != 0.0 && (magnitude >= 1e15 || magnitude < 1e-4))
        return exponentText(value, locale);
    // Fifteen significant digits, then the shortest text of what is left.
    const int integerDigits = magnitude < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int decimals = std::max(0, 15 - integerDigits);
    return compose(roundHalfEven(value, std::min(decimals, 17)), locale, false, true);
}

QString formatGrouped2(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    return compose(roundHalfEven(value, 2), locale, true, false);
}

QString formatFixed2(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    return compose(roundHalfEven(value, 2), locale, false, false);
}

QString formatGroupedUpTo2(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    return compose(roundHalfEven(value, 2), locale, true, true);
}

QString ungroupedNumberText(QStringView text, const QLocale &locale)
{
    const NumberSymbols &symbols = numberSymbols(locale);
    // A text without groups is already what is wanted, exponent notation included.
    if (!text.contains(symbols.group))
        return text.toString();
    const auto value = readLocaleNumber(text, locale);
    if (!value)
        return text.toString();
    const QStringView trimmed = text.trimmed();
    const qsizetype point = trimmed.lastIndexOf(symbols.decimal);
    const qsizetype decimals = point < 0 ? 0 : trimmed.size() - point - symbols.decimal.size();
    return compose(roundHalfEven(*value, static_cast<int>(std::min<qsizetype>(decimals, 17))), locale, false, false);
}

QString formatUnits(qint64 units, int decimals, const QLocale &locale)
{
    RoundedDecimal r;
    r.negative = units < 0;
    const std::uint64_t magnitude = r.negative ? 0 - static_cast<std::uint64_t>(units)
                                               : static_cast<std::uint64_t>(units);
    std::string digits = std::to_string(magnitude);
    decimals = std::max(0, decimals);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    r.integerDigits = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    r.fractionDigits = digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    return compose(r, locale, false, false);
}

QString formatDecimals(double value, int decimals, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    return compose(roundHalfEven(value, std::clamp(decimals, 0, 6)), locale, false, false);
}

std::optional<Amount> nutrientAmount(QStringView unit)
{
    if (unit == u"kcal")
        return Amount::Kilocalories;
    if (unit == u"g")
        return Amount::Grams;
    if (unit == u"mg")
        return Amount::Milligrams;
    if (unit == u"\u00b5g" || unit == u"\u03bcg" || unit == u"mcg")
        return Amount::Micrograms;
    return std::nullopt;
}

QString formatAmount(double value, Amount amount, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    RoundedDecimal rounded = roundHalfEven(value, amount == Amount::Grams || amount == Amount::Milligrams ? 1 : 0);
    // Milligrams keep their decimal only while they are a single digit, 9,96 mg included (10 mg).
    if (amount == Amount::Milligrams && rounded.integerDigits.size() > 1)
        rounded = roundHalfEven(value, 0);
    return compose(rounded, locale, false, false);
}

QString dateFormat(const QLocale &locale)
{
    static const QRegularExpression runs(QStringLiteral("d+|M+|y+"));
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    QString format;
    qsizetype done = 0;
    for (auto it = runs.globalMatch(shortFormat); it.hasNext();) {
        const QRegularExpressionMatch run = it.next();
        const QChar letter = run.captured().front();
        format += shortFormat.mid(done, run.capturedStart() - done);
        // Three or more d or M are a day's or month's name: left as they are.
        format += letter == u'y'             ? QStringLiteral("yyyy")
                  : run.capturedLength() > 2 ? run.captured()
                                             : QString(2, letter);
        done = run.capturedEnd();
    }
    format += shortFormat.mid(done);
    const bool numeric = format.count(QStringLiteral("dd")) == 1 && format.count(QStringLiteral("MM")) == 1
                         && format.count(QStringLiteral("yyyy")) == 1 && !format.contains(QStringLiteral("ddd"))
                         && !format.contains(QStringLiteral("MMM"));
    return numeric ? format : QStringLiteral("yyyy-MM-dd");
}

QString dateText(QDate date, const QLocale &locale)
{
    return locale.toString(date, dateFormat(locale));
}

namespace {

// A date format without its year and what joins it to the rest, quoted words included ("de yyyy",
// "yyyy 'г'.").
QString withoutYear(const QString &format)
{
    static const QRegularExpression last(QStringLiteral("(?:[^dM']|'[^']*')*y+(?:[^dM']|'[^']*')*$"));
    static const QRegularExpression first(QStringLiteral("^(?:[^dM']|'[^']*')*y+(?:[^dM']|'[^']*')*"));
    QString shorter = format;
    if (shorter.remove(last) == format)
        shorter.remove(first);
    return shorter;
}

}  // namespace

QString dayMonthText(QDate date, const QLocale &locale)
{
    return locale.toString(date, withoutYear(dateFormat(locale)));
}

QString longDayText(QDate date, const QLocale &locale)
{
    return locale.toString(date, withoutYear(locale.dateFormat(QLocale::LongFormat)));
}

}  // namespace velmo
