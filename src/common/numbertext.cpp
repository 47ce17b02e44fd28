#include "common/numbertext.h"

#include "common/decimalround.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace velmo {

namespace {

// Through the system locale Qt asks the operating system for every separator of every number
// it reads or writes: thousands of questions for one meal, most of a console run's time. The
// locale of the same language, script and territory answers from Qt's own tables; it stands in
// for the system locale whenever it gives the same answers (always on Linux; elsewhere a user
// may have chosen other separators, and then the system locale is asked as before).
const QLocale &numericLocale(const QLocale &locale)
{
    struct Twin {
        QLocale::Language language = QLocale::AnyLanguage;
        QLocale::Script script = QLocale::AnyScript;
        QLocale::Territory territory = QLocale::AnyTerritory;
        QLocale locale = QLocale::c();
        bool same = false;
    };
    thread_local Twin twin;
    if (locale != QLocale::system())
        return locale;
    if (!twin.same || twin.language != locale.language() || twin.script != locale.script()
        || twin.territory != locale.territory()) {
        twin.language = locale.language();
        twin.script = locale.script();
        twin.territory = locale.territory();
        twin.locale = QLocale(twin.language, twin.script, twin.territory);
        twin.same = twin.locale.decimalPoint() == locale.decimalPoint()
                    && twin.locale.groupSeparator() == locale.groupSeparator()
                    && twin.locale.zeroDigit() == locale.zeroDigit()
                    && twin.locale.negativeSign() == locale.negativeSign()
                    && twin.locale.positiveSign() == locale.positiveSign()
                    && twin.locale.exponential() == locale.exponential();
    }
    return twin.same ? twin.locale : locale;
}

bool isIgnoredBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Joins sign, digits and separators as the locale writes them.
QString compose(const RoundedDecimal &r, const QLocale &userLocale, bool grouped, bool trimZeros)
{
    const QLocale &locale = numericLocale(userLocale);
    QString integer = QString::fromLatin1(r.integerDigits);
    if (grouped && integer.size() > 3) {
        const QString group = locale.groupSeparator();
        QString withGroups;
        const int first = integer.size() % 3 == 0 ? 3 : integer.size() % 3;
        withGroups = integer.left(first);
        for (int i = first; i < integer.size(); i += 3)
            withGroups += group + integer.mid(i, 3);
        integer = withGroups;
    }
    QString fraction = QString::fromLatin1(r.fractionDigits);
    if (trimZeros) {
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
    }
    // Digits as the locale writes them (all supported locales use ASCII digits, but stay honest).
    const QString zero = locale.zeroDigit();
    if (zero != QStringLiteral("0")) {
        const char16_t base = zero.at(0).unicode();
        for (QChar &c : integer)
            if (c.isDigit()) c = QChar(base + (c.unicode() - u'0'));
        for (QChar &c : fraction)
            if (c.isDigit()) c = QChar(base + (c.unicode() - u'0'));
    }
    QString text = r.negative ? locale.negativeSign() + integer : integer;
    if (!fraction.isEmpty())
        text += locale.decimalPoint() + fraction;
    return text;
}

// The texts the program writes itself, ASCII digits with at most the locale's decimal separator
// and no groups, read without the locale's full parser (which costs many times more and reads
// these the same: both round the decimal correctly). Empty for any other text.
std::optional<double> readPlainDecimal(QStringView text, const QLocale &locale)
{
    if (text.size() > 40)
        return std::nullopt;
    const QString point = locale.decimalPoint();
    if (point.size() != 1 || locale.zeroDigit() != QStringLiteral("0"))
        return std::nullopt;
    char buffer[40];
    std::size_t size = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            buffer[size++] = static_cast<char>(c.unicode());
            seenDigit = true;
        } else if (c == point.front() && !seenPoint && seenDigit) {
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
    std::size_t mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
        number.push_back(s[i++]);
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        while (i < s.size() && isDigit(s[i])) {
            number.push_back(s[i++]);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        std::size_t exponentDigits = 0;
        while (j < s.size() && isDigit(s[j])) {
            exponent.push_back(s[j++]);
            ++exponentDigits;
        }
        if (exponentDigits > 0)
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
        const bool negativeExponent = ePos != std::string::npos && number.size() > ePos + 1
                                      && number[ePos + 1] == '-';
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

std::optional<double> readLocaleNumber(QStringView text, const QLocale &locale)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QLocale &numeric = numericLocale(locale);
    if (const auto plain = readPlainDecimal(trimmed, numeric))
        return plain;
    QLocale reader = numeric;
    reader.setNumberOptions(QLocale::DefaultNumberOptions);
    bool ok = false;
    const double value = reader.toDouble(trimmed, &ok);
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

QString formatPlain(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        value = 0.0;  // no "-0"
    QLocale writer = numericLocale(locale);
    writer.setNumberOptions(QLocale::OmitGroupSeparator);
    const double magnitude = std::fabs(value);
    if (magnitude != 0.0 && (magnitude >= 1e15 || magnitude < 1e-4))
        return writer.toString(value, 'g', 15);
    // Fifteen significant digits, then the shortest text of what is left.
    const int integerDigits = magnitude < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int decimals = std::max(0, 15 - integerDigits);
    return compose(roundHalfEven(value, std::min(decimals, 17)), writer, false, true);
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
    // A text without groups is already what is wanted, exponent notation included.
    if (!text.contains(locale.groupSeparator()))
        return text.toString();
    const auto value = readLocaleNumber(text, locale);
    if (!value)
        return text.toString();
    const QStringView trimmed = text.trimmed();
    const qsizetype point = trimmed.lastIndexOf(locale.decimalPoint());
    const qsizetype decimals = point < 0 ? 0 : trimmed.size() - point - locale.decimalPoint().size();
    return compose(roundHalfEven(*value, static_cast<int>(std::min<qsizetype>(decimals, 17))), locale, false, false);
}

}  // namespace velmo
