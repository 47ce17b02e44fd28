// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/balancemodel.h"
#include "support/languageguard.h"
#include "shell/balancerowsmodel.h"
#include "shell/balancetargetsmodel.h"
#include "shellfixture.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <cmath>
#include <functional>
#include <tuple>

namespace velmo::test {
namespace {

using Scope = BalanceModel::Scope;

int targetIndex(const BalanceModel &balance, const QString &key)
{
    const auto &targets = balance.targets();
    for (std::size_t t = 0; t < targets.size(); ++t)
        if (targets[t].key == key && targets[t].perEnergy == 0)
            return static_cast<int>(t);
    return -1;
}

// 100 g of apple (90 % edible, 52 kcal per 100 g, a standard portion of 150 g: 167 g gross) and
// 100 g of apricots (93 %, 48 kcal, no standard portion) in the table; dinner holds 100 g of pear.
class BalanceModelTest : public ShellModelTest {
protected:
    void SetUp() override
    {
        ShellModelTest::SetUp();
        addShellProfile(database);
        addShellMeasures(database);
        addDerivedRow();
        add(*model, "Frutta", 1, "100");
        add(*model, "Frutta", 0, "100");
        balance = std::make_unique<BalanceModel>(*model);
    }
    // Fibre per 1000 kcal, a row the profile works out and no food holds, with the adult's reference.
    void addDerivedRow() const
    {
        {
            auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"derived"_s);
            db.setDatabaseName(database);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(u"INSERT INTO nutrienti VALUES ('FIB_1000KCAL', NULL, 'Fibra per 1000 kcal', "
                               "'Fibre per 1000 kcal', 'g/1000 kcal', 1, 'Carboidrati', 5)"_s));
        }
        QSqlDatabase::removeDatabase(u"derived"_s);
    }
    // The table's meal as breakfast of a day whose dinner is 100 g of pear.
    void makeDay()
    {
        MealDocument::DayState day = model->document().dayState();
        day.day.meals = {{u"Colazione"_s, {}}, {u"Cena"_s, {{0, category("Frutta"), u"Pera, cruda"_s, u"100"_s}}}};
        model->document().setDayState(day);
    }
    const BalanceTarget &target(const QString &key) const
    {
        return balance->targets()[static_cast<std::size_t>(targetIndex(*balance, key))];
    }
    std::unique_ptr<BalanceModel> balance;
};

// clang-format off
// A change of the user's, then where the plan stands: whether it meets every target, and the words
// that say which target conflicts. Whatever the change, fixed rows keep their weight, the others
// stay within their bounds on their steps, and a plan said to be balanced meets every target by
// the profile's arithmetic. Without a change: the apple free from 0 to three portions by half
// portions (83,3 g: a proposed weight is their multiple rounded, halves up, as the portion chooser rounds it), the apricots from 0 to 300 g by grams; 500 kcal a day, a meal of no usual name
// 40 %; calcium, out of the fruits' reach, switched off.
const struct PlanCase {
    int line; std::function<void(BalanceModel &)> change; BalanceResult::Status status; const char *conflict;
} kPlanCases[] = {
    {__LINE__, [](BalanceModel &) {}, BalanceResult::Status::Balanced, ""},
    {__LINE__, [](BalanceModel &b) { b.setFixed(0, true); b.waitForResult(); EXPECT_EQ(b.proposedPortion(0), u""_s); }, BalanceResult::Status::Closest, "Con questi alimenti l'energia arriva al massimo a 181 kcal."},
    {__LINE__, [](BalanceModel &b) { b.setHalfPortionSteps(0, false); b.setFixed(1, true); b.waitForResult(); EXPECT_EQ(b.proposedPortion(0), u""_s); }, BalanceResult::Status::Balanced, ""},
    {__LINE__, [](BalanceModel &b) { b.setRowBounds(0, 167, 167); b.waitForResult(); EXPECT_EQ(b.proposedPortion(0), u"1 porzione standard"_s); }, BalanceResult::Status::Balanced, ""},
    {__LINE__, [](BalanceModel &b) { EXPECT_FALSE(b.setRowBounds(1, 50, 20)); b.setRowBounds(1, 180, 200); }, BalanceResult::Status::Balanced, ""},
    {__LINE__, [](BalanceModel &b) { b.setRowBounds(0, 0, 0); }, BalanceResult::Status::Closest, "l'energia arriva al massimo a 134 kcal"},
    {__LINE__, [](BalanceModel &b) { b.setTargetEnabled(targetIndex(b, u"CA"_s), true); }, BalanceResult::Status::Closest, "la quantità di calcio arriva al massimo a"},
    {__LINE__, [](BalanceModel &b) { const std::size_t count = b.targets().size(); b.addNutrient(u"FIB_1000KCAL"_s); EXPECT_EQ(b.targets().size(), count); }, BalanceResult::Status::Balanced, ""},
    {__LINE__, [](BalanceModel &b) { b.setTargetEnabled(0, false); EXPECT_EQ(b.addableNutrients(), (std::vector<std::pair<QString, QString>>{{u"VITC"_s, u"Vitamina C"_s}})); b.addNutrient(u"VITC"_s); }, BalanceResult::Status::Closest, "la quantità di vitamina C arriva al massimo a 27,9 mg"},
};
// clang-format on

TEST_F(BalanceModelTest, FixedRowsNeverMoveAndFreeOnesKeepTheirBoundsAndSteps)
{
    model->setRequirement(500, u"Anna"_s);
    for (const PlanCase &c : kPlanCases) {
        VELMO_CASE(c);
        ASSERT_TRUE(balance->begin(Scope::Meal)) << dialogs.messageTexts().join(u'\n').toStdString();
        balance->setTargetEnabled(targetIndex(*balance, u"CA"_s), false);
        const std::vector<BalanceRow> &rows = balance->rows();
        ASSERT_EQ(rows.size(), 2U);
        EXPECT_EQ(std::tuple(rows[0].minimumGross, std::round(rows[0].maximumGross), rows[0].stepGross),
                  std::tuple(0.0, 500.0, 150 * 100.0 / 90 / 2));
        EXPECT_EQ(std::tuple(rows[1].minimumGross, rows[1].maximumGross, rows[1].stepGross), std::tuple(0.0, 300.0, 1));
        EXPECT_EQ(BalanceRowsModel(*balance).index(0, BalanceRowsModel::StepColumn).data().toString(),
                  u"½ porzione (83,3 g)"_s);
        EXPECT_EQ(std::tuple(target(u"ENERC_KCAL"_s).minimum, target(u"ENERC_KCAL"_s).maximum),
                  std::tuple(std::optional(194.0), std::optional(206.0)));
        c.change(*balance);
        balance->waitForResult();
        const BalanceResult &result = balance->result();
        EXPECT_EQ(result.status, c.status) << balance->preview().join(u'\n').toStdString();
        EXPECT_TRUE(result.conflicts.join(u' ').contains(QString::fromUtf8(c.conflict)))
            << result.conflicts.join(u' ').toStdString();
        EXPECT_EQ(balance->preview().join(u'\n').contains(u"Nessun piano rispetta"_s),
                  c.status == BalanceResult::Status::Closest);
        for (std::size_t r = 0; r < rows.size() && r < result.grossGrams.size(); ++r) {
            const double grams = result.grossGrams[r];
            if (rows[r].fixed)
                EXPECT_EQ(grams, rows[r].grossGrams);
            else
                EXPECT_TRUE(grams >= rows[r].minimumGross && grams <= rows[r].maximumGross
                            && grams == std::round(std::round(grams / rows[r].stepGross) * rows[r].stepGross))
                    << r << ": " << grams;
        }
        const auto outcomes = checkTargets(*model->nutrientStore()->nutrients(nullptr), rows, result.grossGrams,
                                           balance->targets());
        for (std::size_t t = 0; t < outcomes.size(); ++t)
            EXPECT_TRUE(outcomes[t].met || !balance->targets()[t].enabled
                        || c.status != BalanceResult::Status::Balanced)
                << t;
    }
}

// Each change stops the calculation still running: only the proposal for the plan as it stands
// after the last change is taken, and none can be applied before it comes.
TEST_F(BalanceModelTest, OnlyTheProposalOfTheLastChangeIsTaken)
{
    model->setRequirement(500, {});
    ASSERT_TRUE(balance->begin(Scope::Meal));
    balance->setTargetEnabled(targetIndex(*balance, u"CA"_s), false);
    balance->waitForResult();
    ASSERT_TRUE(balance->canApply());
    QSignalSpy calculated(balance.get(), &BalanceModel::calculated);
    balance->setFixed(0, true);  // no plan would meet the energy
    EXPECT_TRUE(balance->calculating());
    EXPECT_FALSE(balance->canApply());
    balance->setFixed(0, false);
    balance->setRowBounds(0, 167, 167);
    balance->waitForResult();
    EXPECT_EQ(calculated.count(), 1);
    EXPECT_FALSE(balance->calculating());
    EXPECT_EQ(balance->result().status, BalanceResult::Status::Balanced);
    EXPECT_EQ(balance->proposedGross(0), 167);
    // Three portions weigh what the portion chooser gives for three: 450 g edible at 90 %, 500 g.
    balance->setRowBounds(0, 500, 500);
    balance->waitForResult();
    EXPECT_EQ(balance->proposedGross(0), 500);
    EXPECT_EQ(balance->proposedPortion(0), u"3 porzioni standard"_s);
}

// A day whose dinner names a food the catalogue does not have cannot be balanced as a whole: the
// meal's rows, targets and proposal stay as they were, and so does the scope the window shows.
TEST_F(BalanceModelTest, ADayThatCannotBeReadLeavesTheMealAsItWas)
{
    model->setRequirement(500, {});
    ASSERT_TRUE(balance->begin(Scope::Meal));
    balance->setTargetEnabled(targetIndex(*balance, u"CA"_s), false);
    balance->waitForResult();
    const std::vector<double> proposed = balance->result().grossGrams;
    ASSERT_EQ(proposed.size(), 2U);
    MealDocument::DayState day = model->document().dayState();
    day.day.meals = {{u"Cena"_s, {{0, category("Frutta"), u"Frutto che non c'è"_s, u"100"_s}}}, {u"Colazione"_s, {}}};
    day.current = 1;
    model->document().setDayState(day);
    EXPECT_FALSE(balance->begin(Scope::Day));
    EXPECT_EQ(dialogs.messageTexts().size(), 1);
    EXPECT_EQ(balance->scope(), Scope::Meal);
    EXPECT_EQ(balance->rows().size(), 2U);
    EXPECT_EQ(balance->lines().size(), 2U);
    EXPECT_EQ(balance->result().grossGrams, proposed);
    EXPECT_FALSE(balance->calculating());
    EXPECT_TRUE(balance->canApply());
}

// clang-format off
// Where the energy comes from (none, the energy window, the current person) for the meal or the
// day: the energy target's middle (0: the energy the plan has now, 91 kcal), and calcium's least,
// which a woman of 46 needs 1000 mg of a day (none without a person: the adult man's is the same).
const struct TargetCase {
    int line; const char *source; Scope scope; double kcalShare; double calcium; const char *sourceText;
} kTargetCases[] = {
    {__LINE__, "", Scope::Meal, 0, 400, "Nessun fabbisogno calcolato"},
    {__LINE__, "finestra", Scope::Meal, 0.4, 400, "Fabbisogno dell'ultimo calcolo: 900 kcal al giorno; un pasto senza nome abituale"},
    {__LINE__, "persona", Scope::Meal, 0.2, 200, "Fabbisogno di Anna: "},
    {__LINE__, "persona", Scope::Day, 1, 1000, "Fabbisogno di Anna: "},
};
// clang-format on

TEST_F(BalanceModelTest, TargetsArePrefilledFromThePersonOrTheLastCalculation)
{
    model->persons().setPath(dir.filePath(u"persone.db"_s));
    model->persons().setToday(QDate(2026, 3, 4));
    ASSERT_TRUE(model->persons().store()->addPerson(shellPerson()).ok());
    for (const TargetCase &c : kTargetCases) {
        VELMO_CASE(c);
        const QString source = QString::fromLatin1(c.source);
        model->setRequirement(source == u"finestra" ? std::optional(900.0) : std::nullopt, {});
        model->persons().setCurrentName(source == u"persona" ? u"Anna"_s : QString());
        if (source == u"persona")
            makeDay();  // breakfast, 20 % of the day
        ASSERT_TRUE(balance->begin(c.scope)) << dialogs.messageTexts().join(u'\n').toStdString();
        EXPECT_TRUE(balance->targetSource().startsWith(QString::fromUtf8(c.sourceText)))
            << balance->targetSource().toStdString();
        // A man's references, where no person is known, are said to be his.
        EXPECT_EQ(balance->targetSource().contains(u"uomo adulto di 30 anni"_s), source != u"persona")
            << balance->targetSource().toStdString();
        const auto person = model->persons().currentRequirement();
        const double kcal = person ? *person->kcal : model->requirementKcal().value_or(0);
        const BalanceTarget &energy = target(u"ENERC_KCAL"_s);
        EXPECT_NEAR((*energy.minimum + *energy.maximum) / 2, c.kcalShare ? kcal * c.kcalShare : 91, 0.5);
        EXPECT_NEAR(*energy.maximum / *energy.minimum, 1.03 / 0.97, 1e-9);
        EXPECT_EQ(target(u"CA"_s).minimum, c.calcium);
        EXPECT_EQ(balance->rows().size(), c.scope == Scope::Day ? 3U : 2U);
    }
    // A current person without a requirement keeps the plan's energy, with her own references: the
    // calcium of a woman of 66, not of a man of 30.
    Person bea = shellPerson();
    bea.name = u"Bea"_s;
    bea.birthDate = QDate(1960, 1, 1);
    bea.activity = ActivityLevel::NotChosen;
    bea.recommended = RecommendedActivities::NotChosen;
    ASSERT_TRUE(model->persons().store()->addPerson(bea).ok());
    model->setRequirement(std::nullopt, {});
    model->persons().setCurrentName(u"Bea"_s);
    ASSERT_TRUE(balance->begin(Scope::Day));
    EXPECT_TRUE(balance->targetSource().startsWith(u"Bea non ha un fabbisogno calcolato"_s))
        << balance->targetSource().toStdString();
    EXPECT_EQ(target(u"CA"_s).minimum, 1200);
    // Past the energy tables nothing is missing: the message says why there is no requirement.
    bea.name = u"Ida"_s;
    bea.birthDate = QDate(1900, 1, 1);
    ASSERT_TRUE(model->persons().store()->addPerson(bea).ok());
    model->persons().setCurrentName(u"Ida"_s);
    ASSERT_TRUE(balance->begin(Scope::Day));
    EXPECT_TRUE(balance->targetSource().startsWith(u"Per Ida il fabbisogno non si calcola oltre i 120 anni"_s))
        << balance->targetSource().toStdString();
}

// Without a requirement the energy stays the plan's own, as every window shows it, halves to even:
// 166,5 kcal is 166, not 167.
TEST_F(BalanceModelTest, TheEnergyKeptIsThePlansUnrounded)
{
    add(*model, "Frutta", 1, "3");
    add(*model, "Frutta", 0, "165");
    ASSERT_TRUE(balance->begin(Scope::Meal));
    EXPECT_TRUE(balance->targetSource().contains(u"l'energia resta quella di ora, 166 kcal."_s))
        << balance->targetSource().toStdString();
    const BalanceTarget &energy = target(u"ENERC_KCAL"_s);
    EXPECT_NEAR((*energy.minimum + *energy.maximum) / 2, 166.5, 1e-9);
}

// "Applica" writes the proposal into each meal of the day, the table's rows as if typed, as one
// step that "Annulla" takes back; a window closed without it writes nothing.
// The rows name the foods and their portions as the table does, in the interface's language,
// whatever the file holds.
TEST_F(BalanceModelTest, TheRowsNameTheFoodsInTheInterfacesLanguage)
{
    for (const auto &[language, apple, portion] :
         {std::tuple{Language::Italian, "Mela, con buccia, cruda", "1 porzione standard"},
          std::tuple{Language::English, "Apples, raw, with skin", "1 standard portion"}}) {
        const LanguageGuard speaking(language);
        BalanceModel named(*model);
        ASSERT_TRUE(named.begin(Scope::Meal));
        ASSERT_EQ(named.rows().size(), 2u);
        EXPECT_EQ(named.rows()[0].name, QString::fromUtf8(apple));
        named.setRowBounds(0, 167, 167);
        named.waitForResult();
        EXPECT_EQ(BalanceRowsModel(named).index(0, BalanceRowsModel::ProposedPortionColumn).data().toString(),
                  QString::fromUtf8(portion));
    }
}

// Applying keeps the food being entered in the open row, its weight and where the grid stands;
// undone, the open row holds that food again.
TEST_F(BalanceModelTest, ApplyKeepsTheFoodBeingEnteredAndWhereTheGridStands)
{
    model->setRequirement(2000, {});
    model->gridRowChosen(2);
    const std::optional<int> open = model->meal().openRow();
    ASSERT_TRUE(open);
    model->meal().setGrossText(*open, u"120"_s);
    const QString food = model->meal().row(*open).name();
    ASSERT_TRUE(balance->begin(Scope::Meal));
    balance->waitForResult();
    ASSERT_TRUE(balance->apply());
    EXPECT_EQ(model->meal().row(*open).name(), food);
    EXPECT_EQ(model->meal().row(*open).cell(MealColumn::Gross).text, u"120"_s);
    EXPECT_EQ(model->dataControl().currentRow(), 2);
    model->undoStack().undo();
    EXPECT_EQ(model->meal().row(*open).name(), food);
}

// An open row left empty stays empty: the food the grid stands on is not placed in it unasked.
TEST_F(BalanceModelTest, ApplyLeavesAnEmptyOpenRowEmpty)
{
    model->setRequirement(2000, {});
    add(*model, "Frutta", 2, "100");  // the grid stands on the last food locked, past the first
    const std::optional<int> open = model->meal().openRow();
    ASSERT_TRUE(open && model->meal().row(*open).name().isEmpty());
    const std::optional<int> gridRow = model->dataControl().currentRow();
    ASSERT_TRUE(balance->begin(Scope::Meal));
    balance->waitForResult();
    ASSERT_TRUE(balance->apply());
    EXPECT_EQ(model->meal().row(*model->meal().openRow()).name(), u""_s);
    EXPECT_EQ(model->dataControl().currentRow(), gridRow);
}

TEST_F(BalanceModelTest, ApplyWritesTheGramsIntoEveryMealAndCancelWritesNothing)
{
    model->setRequirement(2000, {});
    makeDay();
    const MealDay before = model->document().day();
    {
        BalanceModel cancelled(*model);
        ASSERT_TRUE(cancelled.begin(Scope::Day));
        // Over the day, a food the proposal takes away is named with its meal.
        BalanceRowsModel cancelledRows(cancelled);
        ASSERT_TRUE(cancelledRows.setData(cancelledRows.index(2, BalanceRowsModel::MaximumColumn), u"0"_s));
        cancelled.waitForResult();
        EXPECT_TRUE(cancelled.preview().contains(u"A 0 g, lasciano il pasto: Pera, cruda (Cena)"_s))
            << cancelled.preview().join(u'\n').toStdString();
    }
    EXPECT_EQ(model->document().day(), before);
    ASSERT_TRUE(balance->begin(Scope::Day));
    auto *rows = new BalanceRowsModel(*balance, balance.get());
    QAbstractItemModelTester rowsTester(rows);
    auto *targets = new BalanceTargetsModel(*balance, balance.get());
    QAbstractItemModelTester targetsTester(targets);
    // A bound typed past the other one takes it along, in the rows and in the targets.
    const auto bounds = [](QAbstractItemModel *m, int row, int minimum) {
        return (m->index(row, minimum).data(Qt::EditRole).toString() + u'-'
                + m->index(row, minimum + 1).data(Qt::EditRole).toString())
            .toStdString();
    };
    // What is no bound is refused and said, in the user's number format.
    for (const auto &[table, column, typed, said] :
         {std::tuple{static_cast<QAbstractItemModel *>(rows), int(BalanceRowsModel::MinimumColumn), "abc",
                     "\"abc\" non è un peso valido: scrivere i grammi lordi, da 0 a 9999999."},
          std::tuple{static_cast<QAbstractItemModel *>(rows), int(BalanceRowsModel::MaximumColumn), "-5", "\"-5\" non"},
          std::tuple{static_cast<QAbstractItemModel *>(targets), int(BalanceTargetsModel::MinimumColumn), "14.5",
                     "\"14.5\" non è un limite valido: scrivere un numero da 0 a 1000000, per esempio 12,5"},
          std::tuple{static_cast<QAbstractItemModel *>(targets), int(BalanceTargetsModel::MaximumColumn), "1e308",
                     "\"1e308\" non"}}) {
        dialogs.shown.clear();
        EXPECT_FALSE(table->setData(table->index(table == targets ? 0 : 2, column), QString::fromUtf8(typed))) << typed;
        EXPECT_TRUE(dialogs.messageTexts().value(0).startsWith(QString::fromUtf8(said)))
            << dialogs.messageTexts().value(0).toStdString();
    }
    ASSERT_TRUE(rows->setData(rows->index(2, BalanceRowsModel::MinimumColumn), u"900"_s));
    ASSERT_TRUE(rows->setData(rows->index(2, BalanceRowsModel::MaximumColumn), u"5"_s));
    EXPECT_EQ(bounds(rows, 2, BalanceRowsModel::MinimumColumn), "5-5");
    ASSERT_TRUE(targets->setData(targets->index(0, BalanceTargetsModel::MaximumColumn), u"100"_s));
    ASSERT_TRUE(targets->setData(targets->index(0, BalanceTargetsModel::MinimumColumn), u"5000"_s));
    EXPECT_EQ(bounds(targets, 0, BalanceTargetsModel::MinimumColumn), "5000-5000");
    // Bounds typed in the table reach the model, each in its column; a name takes nothing.
    ASSERT_TRUE(rows->setData(rows->index(2, BalanceRowsModel::MinimumColumn), u"10"_s));
    ASSERT_TRUE(rows->setData(rows->index(2, BalanceRowsModel::MaximumColumn), u"150 g"_s));
    EXPECT_FALSE(rows->setData(rows->index(2, BalanceRowsModel::FoodColumn), u"150"_s));
    EXPECT_EQ(rows->index(2, BalanceRowsModel::MinimumColumn).data(Qt::EditRole).toString(), u"10"_s);
    EXPECT_EQ(rows->index(2, BalanceRowsModel::MaximumColumn).data(Qt::EditRole).toString(), u"150"_s);
    EXPECT_EQ(rows->headerData(BalanceRowsModel::FoodColumn, Qt::Horizontal).toString(), u"Alimento"_s);
    // Any row can be fixed; only a food with a standard portion moves by half portions.
    ASSERT_TRUE(rows->setData(rows->index(1, BalanceRowsModel::FixedColumn), Qt::Checked, Qt::CheckStateRole));
    EXPECT_FALSE(rows->setData(rows->index(1, BalanceRowsModel::StepColumn), Qt::Checked, Qt::CheckStateRole));
    EXPECT_FALSE(balance->canApply());  // not before the proposal for the last change has come
    balance->waitForResult();
    ASSERT_TRUE(balance->canApply());
    const std::vector<double> proposed = balance->result().grossGrams;
    ASSERT_TRUE(balance->apply());
    const MealDay after = model->document().day();
    QStringList written;
    for (const DayMeal &meal : after.meals)
        for (const MealFileEntry &e : meal.entries)
            written << e.grams;
    QStringList expected;
    for (double g : proposed)
        if (g > 0)
            expected << QString::number(std::llround(g));
    EXPECT_EQ(written, expected);
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Gross).text, expected.front());
    EXPECT_EQ(model->meal().row(0).portion, balance->proposedPortion(0));
    EXPECT_EQ(model->undoStack().undoText(), u"bilanciamento delle quantità"_s);
    model->undoStack().undo();
    EXPECT_EQ(model->document().day(), before);
}

}  // namespace
}  // namespace velmo::test
