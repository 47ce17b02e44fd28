// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/portiontext.h"

#include "common/inputecho.h"
#include "common/numbertext.h"
#include "common/translation.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <optional>

namespace velmo {

namespace {

// The words after a count of the standard portion, and of grams of edible part, as files have
// them; shownPortion() says them in the user's language.
const char *const kStandardOneWords = QT_TRANSLATE_NOOP("PortionText", "porzione standard");
const char *const kStandardManyWords = QT_TRANSLATE_NOOP("PortionText", "porzioni standard");
const char *const kEdibleGramsWords = QT_TRANSLATE_NOOP("PortionText", "g di parte edibile");
const QString kStandardOne = QString::fromUtf8(kStandardOneWords);
const QString kStandardMany = QString::fromUtf8(kStandardManyWords);
const QString kEdibleGrams = QString::fromUtf8(kEdibleGramsWords);

// Halves and quarters as people write them, any other count as a plain number.
QString countText(double count, const QLocale &locale)
{
    const double whole = std::floor(count);
    const double part = count - whole;
    const QString sign = part == 0.5    ? QStringLiteral("½")
                         : part == 0.25 ? QStringLiteral("¼")
                         : part == 0.75 ? QStringLiteral("¾")
                                        : QString();
    if (sign.isEmpty())
        return formatPlain(count, locale);
    return (whole > 0 ? formatPlain(whole, locale) : QString()) + sign;
}

// A count of a meal file, which any locale may have written: "2", "1,5", "1.5", "1½".
PortionValue fileCount(QStringView text)
{
    if (const auto plain = readPlainDecimal(text))
        return readPortionCount(formatPlainDecimal(*plain), QLocale::c());
    return readPortionCount(text, QLocale::c());
}

bool hasMeasureNamed(const FoodPortions &portions, QStringView word)
{
    for (const HouseholdMeasure &m : portions.measures)
        if (m.name.compare(word, Qt::CaseInsensitive) == 0 || m.plural.compare(word, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The English measure names and how to read them, once.
struct EnglishMeasureNames {
    std::function<QHash<QString, QString>()> load;
    std::optional<QHash<QString, QString>> names;
};

EnglishMeasureNames &englishMeasureNames()
{
    static EnglishMeasureNames names;
    return names;
}

}  // namespace

void setEnglishMeasureNames(std::function<QHash<QString, QString>()> load)
{
    englishMeasureNames() = {std::move(load), std::nullopt};
}

// The English name of a shipped food's measure; empty when there is none, or none installed.
QString englishMeasureName(const QString &name)
{
    EnglishMeasureNames &english = englishMeasureNames();
    if (!english.load)
        return {};
    if (!english.names)
        english.names = english.load();
    return english.names->value(name);
}

QString shownMeasureName(const QString &name)
{
    if (currentLanguage() != Language::English)
        return name;
    const QString english = englishMeasureName(name);
    return english.isEmpty() ? name : english;
}

std::vector<PortionUnit> portionUnits(const FoodPortions &portions)
{
    std::vector<PortionUnit> units;
    for (int i = 0; i < static_cast<int>(portions.measures.size()); ++i)
        units.push_back({PortionUnit::Kind::Measure, i});
    if (portions.standard)
        units.push_back({PortionUnit::Kind::Standard});
    units.push_back({PortionUnit::Kind::EdibleGrams});
    return units;
}

QString portionUnitCaption(const FoodPortions &portions, PortionUnit unit, const QLocale &locale)
{
    switch (unit.kind) {
    case PortionUnit::Kind::Measure: {
        const HouseholdMeasure &m = portions.measures[static_cast<std::size_t>(unit.measure)];
        return QCoreApplication::translate("PortionText", "1 %1 (%2 g)")
            .arg(shownMeasureName(m.name), formatGroupedUpTo2(m.gramsEach(), locale));
    }
    case PortionUnit::Kind::Standard:
        if (portions.standard->millilitres)
            return QCoreApplication::translate("PortionText", "1 porzione standard (%1 ml, %2 g)")
                .arg(formatGroupedUpTo2(*portions.standard->millilitres, locale),
                     formatGroupedUpTo2(portions.standard->grams, locale));
        return QCoreApplication::translate("PortionText", "1 porzione standard (%1 g)")
            .arg(formatGroupedUpTo2(portions.standard->grams, locale));
    case PortionUnit::Kind::EdibleGrams: break;
    }
    return QCoreApplication::translate("PortionText", "grammi di parte edibile");
}

PortionValue readUnitCount(QStringView text, PortionUnit unit, const QLocale &locale)
{
    if (unit.kind != PortionUnit::Kind::EdibleGrams)
        return readPortionCount(text, locale);
    const auto grams = readLocaleNumber(text.trimmed(), locale);
    if (!grams || !std::isfinite(*grams) || *grams <= 0)
        return {std::nullopt,
                QCoreApplication::translate("PortionText",
                                            "\"%1\" non è un peso: scrivere i grammi di parte edibile, per esempio 80.")
                    .arg(text.toString())};
    return {grams, {}};
}

double portionEdibleGrams(double count, const FoodPortions &portions, PortionUnit unit)
{
    switch (unit.kind) {
    case PortionUnit::Kind::Measure:
        return edibleGrams(count, portions.measures[static_cast<std::size_t>(unit.measure)]);
    case PortionUnit::Kind::Standard: return count * portions.standard->grams;
    case PortionUnit::Kind::EdibleGrams: break;
    }
    return count;
}

QString portionText(double count, const FoodPortions &portions, PortionUnit unit, const QLocale &locale)
{
    switch (unit.kind) {
    // A part of one is said in the singular: "½ fetta".
    case PortionUnit::Kind::Measure: {
        const HouseholdMeasure &m = portions.measures[static_cast<std::size_t>(unit.measure)];
        return countText(count, locale) + u' ' + (count < 1 ? m.name : m.nameFor(count));
    }
    case PortionUnit::Kind::Standard:
        return countText(count, locale) + u' ' + (count <= 1 ? kStandardOne : kStandardMany);
    case PortionUnit::Kind::EdibleGrams: break;
    }
    return formatPlain(count, locale) + u' ' + kEdibleGrams;
}

QString shownPortion(const QString &stored)
{
    QString shown = stored;
    // A count with decimals is written as the user writes numbers: a file saved under another
    // language says "1.5 fette", where "1.125 fette" would read as thousands under Italian.
    if (const qsizetype space = shown.indexOf(u' '); space > 0) {
        const QStringView number = QStringView(shown).left(space);
        const bool grams = shown.endsWith(kEdibleGrams);
        const auto value = grams ? readPlainDecimal(number) : fileCount(number).value;
        if (value && (number.contains(u'.') || number.contains(u',')))
            shown = (grams ? formatPlain(*value, QLocale()) : countText(*value, QLocale())) + shown.mid(space);
    }
    for (const char *words : {kStandardManyWords, kStandardOneWords, kEdibleGramsWords})
        if (shown.endsWith(QLatin1StringView(words)))
            return shown.chopped(static_cast<qsizetype>(qstrlen(words)))
                   + QCoreApplication::translate("PortionText", words);
    // A measure: all after the count.
    if (const qsizetype space = shown.indexOf(u' '); space > 0)
        return shown.left(space + 1) + shownMeasureName(shown.mid(space + 1));
    return shown;
}

namespace {

// A unit's words as a portion may end with them.
struct PortionCandidate {
    QString words;
    PortionUnit unit;
};

// What files say, and what the user reads in their language ("2 standard portions").
std::vector<PortionCandidate> portionCandidates(const FoodPortions &portions)
{
    std::vector<PortionCandidate> candidates;
    for (int i = 0; i < static_cast<int>(portions.measures.size()); ++i) {
        const HouseholdMeasure &m = portions.measures[static_cast<std::size_t>(i)];
        candidates.push_back({m.name, {PortionUnit::Kind::Measure, i}});
        candidates.push_back({m.plural, {PortionUnit::Kind::Measure, i}});
    }
    if (portions.standard) {
        for (const char *words : {kStandardOneWords, kStandardManyWords})
            for (const QString &said : {QString::fromUtf8(words), QCoreApplication::translate("PortionText", words)})
                candidates.push_back({said, {PortionUnit::Kind::Standard}});
        for (const QString &bare : {QStringLiteral("porzione"), QStringLiteral("porzioni")})
            if (!hasMeasureNamed(portions, bare))
                candidates.push_back({bare, {PortionUnit::Kind::Standard}});
    }
    return candidates;
}

// The longest words that end the text after a blank: the unit; what stands before is the count.
const PortionCandidate *longestEnding(QStringView typed, const std::vector<PortionCandidate> &among)
{
    const PortionCandidate *best = nullptr;
    for (const PortionCandidate &c : among) {
        const QStringView before = typed.chopped(std::min(typed.size(), c.words.size()));
        if (typed.size() > c.words.size() && typed.endsWith(c.words, Qt::CaseInsensitive) && before.back().isSpace()
            && (!best || c.words.size() > best->words.size()))
            best = &c;
    }
    return best;
}

}  // namespace

PortionValue readPortionText(QStringView text, const FoodPortions &portions, const QString &food)
{
    const QStringView typed = text.trimmed();
    const auto translated = [](const char *words) { return QCoreApplication::translate("PortionText", words); };
    const std::vector<PortionCandidate> candidates = portionCandidates(portions);
    const PortionCandidate *best = longestEnding(typed, candidates);
    // A measure by its English name, whatever the language: a line typed or a file written under
    // English reads the same under Italian. Looked up only when the Italian names do not match.
    std::vector<PortionCandidate> english;
    if (!best) {
        for (int i = 0; i < static_cast<int>(portions.measures.size()); ++i)
            if (const QString words = englishMeasureName(portions.measures[static_cast<std::size_t>(i)].name);
                !words.isEmpty())
                english.push_back({words, {PortionUnit::Kind::Measure, i}});
        best = longestEnding(typed, english);
    }
    // "1.500 g di parte edibile" may be a kilo and a half: the file must say it without a doubt.
    const auto unclear = [&](QStringView number) {
        QString decimals = number.toString();
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        if (decimals.endsWith(u'.') || decimals.endsWith(u','))
            decimals.chop(1);
        return PortionValue{std::nullopt,
                            QCoreApplication::translate("PortionText",
                                                        "la porzione %1 non è chiara: %2 può essere in migliaia o con "
                                                        "decimali; scrivere le migliaia senza separatore (%3) o i "
                                                        "decimali senza gli zeri finali (%4)")
                                .arg(echoInput(typed.toString()), number.toString(),
                                     number.toString().remove(u'.').remove(u','), decimals)};
    };
    if (best) {
        const QStringView number = typed.chopped(best->words.size()).trimmed();
        if (mayBeThousands(number, u".,", true))
            return unclear(number);
        const PortionValue count = fileCount(number);
        if (!count.value)
            return count;
        return {portionEdibleGrams(*count.value, portions, best->unit), {}};
    }
    for (const QString &words : {kEdibleGrams, translated(kEdibleGramsWords)}) {
        if (!typed.endsWith(words, Qt::CaseInsensitive))
            continue;
        const QStringView number = typed.chopped(words.size()).trimmed();
        if (mayBeThousands(number, u".,", true))
            return unclear(number);
        const auto grams = readPlainDecimal(number);
        if (grams && *grams > 0)
            return {grams, {}};
    }
    QStringList known;
    for (const HouseholdMeasure &m : portions.measures)
        known << shownMeasureName(m.name);
    if (portions.standard)
        known << translated(kStandardOneWords);
    known << translated(kEdibleGramsWords);
    return {std::nullopt,
            QCoreApplication::translate(
                "PortionText", "la porzione %1 non è una misura di %2 (si può scrivere: %3; o i grammi di peso lordo)")
                .arg(echoInput(typed.toString()), echoInput(food), known.join(QStringLiteral(", ")))};
}

}  // namespace velmo
