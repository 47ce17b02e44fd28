// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "nutrition/referenceintakes.h"
#include "support/languageguard.h"
#include "support/tablecase.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <tuple>

using namespace velmo;

namespace {

const ReferenceIntakes &table()
{
    QString error;
    const ReferenceIntakes *shipped = ReferenceIntakes::shipped(&error);
    EXPECT_NE(shipped, nullptr) << error.toStdString();
    static const ReferenceIntakes empty{};
    return shipped ? *shipped : empty;
}

constexpr auto L = ReferenceSource::Larn;
constexpr auto E = ReferenceSource::Efsa;
constexpr double kNone = -1;

// The expected values are those of the LARN 2014 pages and of the EFSA opinions.
struct ChoiceCase {
    int line;
    ReferenceSource source;
    bool female;
    double age;
    bool pregnant, lactating;
    const char16_t *key;
    const char16_t *kind;  // of the reference; empty when there is none
    double min, max, ar, ul;
};
const ChoiceCase kChoices[] = {
    {__LINE__, L, false, 30, false, false, u"CA", u"PRI", 1000, 1000, 800, 2500},
    {__LINE__, L, true, 30, false, false, u"FE", u"PRI", 18, 18, 10, kNone},
    {__LINE__, L, true, 60, false, false, u"FE", u"PRI", 10, 10, 6, kNone},
    {__LINE__, L, true, 10.99, false, false, u"FE", u"PRI", 13, 13, 5, kNone},
    {__LINE__, L, true, 11, false, false, u"FE", u"PRI", 10, 10, 7, kNone},
    {__LINE__, L, false, 59.99, false, false, u"VITB6A", u"PRI", 1.3, 1.3, 1.1, 25},
    {__LINE__, L, false, 60, false, false, u"VITB6A", u"PRI", 1.7, 1.7, 1.4, 25},
    {__LINE__, L, false, 0.49, false, false, u"CA", u"", kNone, kNone, kNone, kNone},
    {__LINE__, L, false, 0.5, false, false, u"CA", u"AI", 260, 260, kNone, kNone},
    {__LINE__, L, false, 0.5, false, false, u"VITD", u"AI", 10, 10, kNone, 40},
    {__LINE__, L, true, 30, true, false, u"FE", u"PRI", 27, 27, 22, kNone},
    {__LINE__, L, true, 30, false, true, u"FOL", u"PRI", 500, 500, 450, kNone},  // its UL is for folic acid
    {__LINE__, L, true, 80, false, false, u"MG", u"PRI", 240, 240, 170, kNone},  // its UL is for supplements
    {__LINE__, L, true, 30, true, false, u"PROCNT", u"PRI", 54, 54, 43, kNone},
    {__LINE__, L, false, 70, false, false, u"PROCNT", u"SDT", 77, 77, kNone, kNone},
    {__LINE__, L, false, 40, false, false, u"NA", u"AI", 1500, 1500, kNone, kNone},
    {__LINE__, L, false, 40, false, false, u"CHOCDF", u"RI", 45, 60, kNone, kNone},
    {__LINE__, L, false, 40, false, false, u"FIBTG", u"SDT", 25, kNone, kNone, kNone},
    {__LINE__, L, false, 8, false, false, u"FIBTG", u"AI", 8.4, 8.4, kNone, kNone},
    {__LINE__, L, false, 40, false, false, u"FASAT", u"SDT", kNone, 10, kNone, kNone},
    {__LINE__, E, false, 40, false, false, u"FIBTG", u"AI", 25, 25, kNone, kNone},
    {__LINE__, E, true, 60, false, false, u"VITA_RAE", u"PRI", 650, 650, 490, kNone},
    {__LINE__, E, false, 60, false, false, u"VITA_RAE", u"PRI", 750, 750, 570, kNone},  // its UL is for retinol
    {__LINE__, L, true, 30, false, false, u"RETOL", u"", kNone, kNone, kNone, 3000},
    {__LINE__, E, true, 30, false, false, u"CA", u"PRI", 950, 950, 750, 2500},
    {__LINE__, E, false, 40, false, false, u"FE", u"PRI", 11, 11, 6, kNone},
    {__LINE__, E, true, 59.99, false, false, u"FE", u"PRI", 16, 16, 7, kNone},
    {__LINE__, E, true, 60, false, false, u"FE", u"PRI", 11, 11, 6, kNone},  // past the menopause, as LARN's
    {__LINE__, E, false, 10, false, false, u"VITD", u"AI", 15, 15, kNone, 50},
    {__LINE__, E, true, 30, true, false, u"FOLDFE", u"AI", 600, 600, 250, kNone},
    {__LINE__, E, false, 5, false, false, u"ZN", u"PRI", 5.5, 5.5, kNone, kNone},
    {__LINE__, E, true, 7.0 / 12, false, false, u"FE", u"PRI", 11, 11, kNone, kNone},
    {__LINE__, E, false, 0.5, false, false, u"FE", u"", kNone, kNone, kNone, kNone},
};

std::optional<double> expected(double v)
{
    return v == kNone ? std::nullopt : std::optional(v);
}
std::optional<double> valueOf(const std::optional<ReferenceRow> &row, bool upper = false)
{
    if (!row)
        return std::nullopt;
    return upper ? row->value.maximum : row->value.minimum;
}
const char16_t *kindName(IntakeKind kind)
{
    const char16_t *names[] = {u"PRI", u"AI", u"AR", u"UL", u"SDT", u"RI"};
    return names[static_cast<int>(kind)];
}

}  // namespace

TEST(ReferenceIntakesTest, ChoosesBySourceSexAgeAndCondition)
{
    for (const auto &c : kChoices) {
        VELMO_CASE(c);
        const IntakePerson person{c.female, c.age, c.pregnant, c.lactating, c.source};
        const auto found = table().find(person, QString::fromUtf16(c.key));
        const std::optional<ReferenceRow> none;
        const auto &ref = found ? found->reference : none;
        EXPECT_EQ(ref ? QString::fromUtf16(kindName(ref->kind)) : QString(), QString::fromUtf16(c.kind));
        EXPECT_EQ(valueOf(ref), expected(c.min));
        EXPECT_EQ(valueOf(ref, true), expected(c.max));
        EXPECT_EQ(valueOf(found ? found->averageRequirement : none), expected(c.ar));
        EXPECT_EQ(valueOf(found ? found->upperLevel : none, true), expected(c.ul));
    }
}

TEST(ReferenceIntakesTest, SaysWhereUnitsDifferAndWhatTheFoodsLack)
{
    const IntakePerson man{false, 40};
    const auto all = table().forPerson(man);
    std::map<QString, NutrientReference> byKey;
    for (const auto &n : all)
        byKey.emplace(n.key, n);
    for (const char *key : {"VITA_RAE", "NIA", "TOCPHA", "FOL", "NA"})
        EXPECT_FALSE(byKey.at(QString::fromLatin1(key)).unitNote().isEmpty()) << key;
    EXPECT_TRUE(byKey.at(u"CA"_qs).unitNote().isEmpty());
    EXPECT_EQ(byKey.at(u"NA"_qs).unit(), u"mg"_qs);
    for (const char *key : {"ID", "BIOT", "CLD", "FD"})
        EXPECT_TRUE(byKey.at(QString::fromLatin1(key)).missingFromFoods) << key;
    EXPECT_FALSE(byKey.at(u"CA"_qs).missingFromFoods);
    EXPECT_EQ(ReferenceIntakes::missingFromFoodsText(), u"non disponibile nei dati degli alimenti"_qs);
    // Under English every note of the shipped table is shown in English.
    const test::LanguageGuard english(Language::English);
    for (const ReferenceRow &row : table().rows()) {
        if (row.unitNote.isEmpty())
            continue;
        NutrientReference shown;
        shown.reference = row;
        EXPECT_NE(shown.unitNote(), row.unitNote) << row.line;
    }
}

// A value her age band gives a pregnant or lactating woman tells what her condition adds to it, at
// any age the table gives it for.
TEST(ReferenceIntakesTest, TellsWhatAConditionAddsToTheAgeBandsValue)
{
    // clang-format off
    const struct { int line; ReferenceSource source; double age; bool pregnant, lactating; const char16_t *key, *note; } cases[] = {
        {__LINE__, L, 30, true, false, u"PROCNT", u"in gravidanza +1, +8, +26 g (I, II, III trimestre)"},
        {__LINE__, L, 16, true, false, u"PROCNT", u"in gravidanza +1, +8, +26 g (I, II, III trimestre)"},
        {__LINE__, L, 12, false, true, u"PROCNT", u"in allattamento +21, +14 g (I, II semestre)"},
        {__LINE__, L, 45, false, true, u"PROCNT", u"in allattamento +21, +14 g (I, II semestre)"},
        {__LINE__, L, 30, false, false, u"PROCNT", u""},
        {__LINE__, L, 30, true, false, u"FE", u""},  // her condition's own row
        {__LINE__, E, 30, false, true, u"SE", u"in allattamento EFSA indica un valore più alto, non verificato: qui vale quello degli adulti"},
        {__LINE__, E, 30, true, false, u"SE", u""},
    };
    // clang-format on
    const auto row = [](const char *key, const char *unit) {
        return NutrientDefinition{QString::fromLatin1(key), 0, {}, {}, QString::fromUtf8(unit), 0,
                                  NutrientGroup::Other};
    };
    const Nutrients nutrients({row("PROCNT", "g"), row("FE", "mg"), row("SE", "µg")});
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const IntakePerson woman{true, c.age, c.pregnant, c.lactating, c.source};
        const auto found = referenceLookup(table(), woman, nutrients)(QString::fromUtf16(c.key));
        ASSERT_TRUE(found);
        EXPECT_EQ(found->conditionNote, QString::fromUtf16(c.note));
        const test::LanguageGuard english(Language::English);
        const auto shown = referenceLookup(table(), woman, nutrients)(QString::fromUtf16(c.key));
        EXPECT_EQ(shown->conditionNote.isEmpty(), found->conditionNote.isEmpty());
        EXPECT_TRUE(shown->conditionNote.isEmpty() || shown->conditionNote != found->conditionNote);
    }
}

TEST(ReferenceIntakesTest, RefusesAMalformedTableNamingTheLine)
{
    const QString header = u"riferimento,chiave,tipo,sesso,eta_da,eta_a,condizione,valore,unita,"
                           "nota_unita,nota,fonte\n"_qs;
    const QString good = u"LARN,CA,PRI,M,18,30,,1000,mg,,,x\n"_qs;
    struct Broken {
        int line;
        const char16_t *text;
        const char16_t *wrong;
    };
    const Broken kBroken[] = {
        {__LINE__, u"LARN,CA,XYZ,M,18,30,,1000,mg,,,x", u"\"tipo\""},
        {__LINE__, u"LARN,CA,PRI,X,18,30,,1000,mg,,,x", u"\"sesso\""},
        {__LINE__, u"LARN,CA,PRI,M,30,18,,1000,mg,,,x", u"\"eta_a\""},
        {__LINE__, u"LARN,CA,PRI,M,18,30,,mille,mg,,,x", u"\"valore\""},
        {__LINE__, u"LARN,CA,PRI,M,18,30,,60-45,mg,,,x", u"\"valore\""},
        {__LINE__, u"INRAN,CA,PRI,M,18,30,,1000,mg,,,x", u"\"riferimento\""},
        {__LINE__, u"LARN,CA,PRI,M,18,30,,1000,,,,x", u"\"unita\""},
        {__LINE__, u"LARN,CA,PRI,M,18,30,,1000,mg", u"9 campi"},
    };
    QString error;
    ASSERT_TRUE(ReferenceIntakes::parse(header + good, &error)) << error.toStdString();
    for (const auto &c : kBroken) {
        VELMO_CASE(c);
        error.clear();
        EXPECT_FALSE(ReferenceIntakes::parse(header + good + QString::fromUtf16(c.text), &error));
        EXPECT_TRUE(error.startsWith(u"Riga 3 "_qs)) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf16(c.wrong))) << error.toStdString();
    }
    EXPECT_FALSE(ReferenceIntakes::parse(good, &error));
    EXPECT_TRUE(error.contains(u"colonne"_qs)) << error.toStdString();
}

// The shipped table: every key is a nutrient of the food data or one they lack, and for every
// group AR <= PRI <= UL where they exist in the same unit.
TEST(ReferenceIntakesTest, ShippedTableIsConsistent)
{
    const QStringList foodTags = u"PROCNT FAT CHOCDF ENERC_KCAL STARCH LACS ALC WATER CAFFN "
                                 "ENERC_KJ SUGAR FIBTG CA FE MG P K NA ZN CU MN SE RETOL VITA_RAE "
                                 "CARTB TOCPHA VITD VITC THIA RIBF NIA PANTAC VITB6A FOL VITB12 "
                                 "CHOLN VITK1 FOLDFE CHOLE FATRN FASAT F18D2 F18D3 F22D6 F20D5 "
                                 "FAMS FAPU"_qs.split(u' ');
    ASSERT_EQ(foodTags.size(), 47);
    ASSERT_GT(table().rows().size(), 1000U);
    using Group = std::tuple<ReferenceSource, QString, std::optional<bool>, std::optional<double>,
                             std::optional<double>, QString, QString>;
    std::map<Group, std::map<IntakeKind, double>> groups;
    for (const ReferenceRow &row : table().rows()) {
        EXPECT_TRUE(foodTags.contains(row.key) || ReferenceIntakes::missingFromFoods(row.key))
            << "line " << row.line << ": " << row.key.toStdString();
        const Group group{row.source, row.key, row.female, row.ageFrom, row.ageTo, row.condition, row.unit};
        EXPECT_TRUE(groups[group].emplace(row.kind, row.value.maximum.value_or(0)).second)
            << "line " << row.line << ": two rows of one kind for one group";
    }
    for (const auto &[group, kinds] : groups) {
        const auto at = [&](IntakeKind k) { return kinds.count(k) ? kinds.at(k) : -1.0; };
        const double need = std::max(at(IntakeKind::Pri), at(IntakeKind::Ai));
        const double upper = at(IntakeKind::Ul) >= 0 ? at(IntakeKind::Ul) : 1e9;
        EXPECT_LE(at(IntakeKind::Ar), std::max(need, 0.0)) << std::get<1>(group).toStdString();
        EXPECT_LE(need, upper) << std::get<1>(group).toStdString();
    }
}

// Each profile row finds its reference in its own unit; a share of energy and the fibre per 1000
// kcal by the nutrient they are made from (LARN 2014, a woman of 30).
TEST(ReferenceIntakesTest, EachProfileRowFindsItsReferenceInItsOwnUnit)
{
    const auto row = [](const char *key, const char *unit) {
        return NutrientDefinition{QString::fromLatin1(key), 0, {}, {}, QString::fromUtf8(unit), 0,
                                  NutrientGroup::Other};
    };
    const Nutrients nutrients({row("FE", "mg"), row("FIBTG", "g"), row("FIB_1000KCAL", "g/1000 kcal"),
                               row("EN_CHO", "%En"), row("EN_FASAT", "%En"), row("EN_FAPU", "%En"),
                               row("EN_F18D2", "%En"), row("VITA_RAE", "µg"), row("RETOL", "µg"), row("WATER", "g")});
    const ReferenceFor lookup = referenceLookup(table(), IntakePerson{true, 30}, nutrients);
    constexpr std::optional<double> kNone;
    // clang-format off
    const struct { int line; const char *key; std::optional<double> minimum, maximum; const char *kind; std::optional<double> upper; bool noted; } cases[] = {
        {__LINE__, "FE", 18, 18, "PRI", kNone, false},
        {__LINE__, "FIBTG", 25, kNone, "SDT", kNone, false},
        {__LINE__, "FIB_1000KCAL", 12.6, 16.7, "RI", kNone, false},
        {__LINE__, "EN_CHO", 45, 60, "RI", kNone, false},
        {__LINE__, "EN_FASAT", kNone, 10, "SDT", kNone, false},
        {__LINE__, "EN_FAPU", 5, 10, "RI", kNone, false},
        {__LINE__, "EN_F18D2", 4, 8, "RI", kNone, true},  // all n-6 against the foods' linoleic acid
        {__LINE__, "VITA_RAE", 600, 600, "PRI", kNone, true},
        {__LINE__, "RETOL", kNone, kNone, "", 3000, true},  // the carotenoids are not bounded
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const auto found = lookup(QString::fromLatin1(c.key));
        ASSERT_TRUE(found);
        EXPECT_EQ(found->minimum, c.minimum);
        EXPECT_EQ(found->maximum, c.maximum);
        EXPECT_EQ(found->kind, QString::fromLatin1(c.kind));
        EXPECT_EQ(found->upper, c.upper);
        EXPECT_EQ(!found->unitNote.isEmpty(), c.noted);
    }
    EXPECT_FALSE(lookup(u"WATER"_qs));
    EXPECT_FALSE(lookup(u"ZZ"_qs));
}
