// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/mealgrid.h"

#include "common/numbertext.h"
#include "meal/grossweighthint.h"
#include "meal/mealportion.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace velmo {

namespace {

// Counts the nesting of lock handlers for as long as one runs.
class DepthGuard {
public:
    explicit DepthGuard(int &depth) : depth_(++depth) {}
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard &) = delete;
    DepthGuard &operator=(const DepthGuard &) = delete;

private:
    int &depth_;
};

}  // namespace

std::array<QString, 8> valueColumnHeadings()
{
    static const char *const kHeadings[8] = {
        QT_TRANSLATE_NOOP("velmo::MealGrid", "Peso lordo: g"), QT_TRANSLATE_NOOP("velmo::MealGrid", " Peso netto: g"),
        QT_TRANSLATE_NOOP("velmo::MealGrid", "Protidi: g"),    QT_TRANSLATE_NOOP("velmo::MealGrid", "Lipidi: g"),
        QT_TRANSLATE_NOOP("velmo::MealGrid", "Glucidi: g"),    QT_TRANSLATE_NOOP("velmo::MealGrid", "Energia: kcal"),
        QT_TRANSLATE_NOOP("velmo::MealGrid", "Fibra alim: g"), QT_TRANSLATE_NOOP("velmo::MealGrid", "Colesterolo: mg")};
    std::array<QString, 8> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = MealGrid::tr(kHeadings[i]);
    return texts;
}

QString totalsCaption()
{
    return MealGrid::tr("Calcolo per una persona");
}

MealGrid::MealGrid(QObject *parent) : QObject(parent)
{
    rows_[0].visible = true;
}

const QString &MealGrid::totalText(MealColumn column) const
{
    const auto it = std::find(kValueColumns.begin(), kValueColumns.end(), column);
    Q_ASSERT(it != kValueColumns.end());
    return totals_.texts[static_cast<std::size_t>(it - kValueColumns.begin())];
}

std::optional<int> MealGrid::openRow() const
{
    for (int r = 0; r < kMealRows; ++r)
        if (row(r).visible && row(r).lock == 0)
            return r;
    return std::nullopt;
}

void MealGrid::setCellText(int r, MealColumn c, const QString &text)
{
    MealCell &cell = mutableRow(r).cell(c);
    // A value written into a cell that `fillEmptyWithZero` once painted white must not stay
    // invisible.
    const bool recolour = !text.isEmpty() && cell.textColour != CellTextColour::WindowText;
    if (cell.text == text && !recolour)
        return;
    cell.text = text;
    if (recolour)
        cell.textColour = CellTextColour::WindowText;
    emit cellChanged(r, c);
}

void MealGrid::setRowVisible(int r)
{
    MealRow &target = mutableRow(r);
    if (target.visible)
        return;
    target.visible = true;
    emit rowStateChanged(r);
}

void MealGrid::setRowLook(int r, CellAlignment alignment, CellBackground background)
{
    for (MealColumn c : kNutrientColumns)
        setCellProperty(r, c, &MealCell::alignment, alignment);
    setCellProperty(r, MealColumn::Gross, &MealCell::alignment, alignment);
    setCellProperty(r, MealColumn::Net, &MealCell::alignment, alignment);

    setCellProperty(r, MealColumn::Name, &MealCell::background, background);
    for (MealColumn c : kNutrientColumns)
        setCellProperty(r, c, &MealCell::background, background);
    setCellProperty(r, MealColumn::Gross, &MealCell::background, background);
    setCellProperty(r, MealColumn::Net, &MealCell::background, background);
}

void MealGrid::setTotalText(int index, const QString &text)
{
    QString &total = totals_.texts[static_cast<std::size_t>(index)];
    if (total == text)
        return;
    total = text;
    emit totalsChanged();
}

void MealGrid::resetTextColours()
{
    for (MealColumn c : kValueColumns)
        for (int r = 0; r < kMealRows; ++r)
            setCellProperty(r, c, &MealCell::textColour, CellTextColour::WindowText);
}

void MealGrid::placeFood(const CurrentFood &food)
{
    ++placements_;
    // Pass 1: release every unlocked row; the gross weight typed in it stays, the portion of the
    // food it was worked out for goes.
    for (int r = 0; r < kMealRows; ++r) {
        if (row(r).lock != 0)
            continue;
        setPortion(r, QString());
        for (MealColumn c : {MealColumn::Net, MealColumn::Name, MealColumn::Protein, MealColumn::Fat,
                             MealColumn::Carbohydrate, MealColumn::Energy, MealColumn::Fibre, MealColumn::Cholesterol})
            setCellText(r, c, QString());
    }

    // Pass 2: every row is tested against what the earlier rows of this pass left.
    std::array<bool, kMealRows> lockedRowFilled{};
    for (int r = 0; r < kMealRows; ++r) {
        const MealRow &current = row(r);
        if (!current.isFree())
            continue;
        bool rowsBeforeLockedAndTaken = true;
        for (int k = 0; k < r && rowsBeforeLockedAndTaken; ++k)
            rowsBeforeLockedAndTaken = row(k).taken() && row(k).lock == 1;
        if (current.lock == 0 && rowsBeforeLockedAndTaken)
            fillRow(r, food);
        else if (current.lock == 1) {
            fillRow(r, food);
            lockedRowFilled[static_cast<std::size_t>(r)] = true;
        }
    }

    // A locked row that had no food was locked for a weight: the food it receives is a portion
    // of the meal at once, calculated and counted, or, when it cannot be calculated, the row is
    // released as a row without gross weight is. Values per 100 g never stand in a locked row.
    bool lockedRowChanged = false;
    for (int r = 0; r < kMealRows; ++r) {
        if (!lockedRowFilled[static_cast<std::size_t>(r)] || row(r).lock != 1)
            continue;
        if (calculateRow(r))
            lockedRowChanged = true;
        else
            setLock(r, 0);  // its unlock handling takes the totals again
    }
    if (lockedRowChanged) {
        recomputeTotals();
        updateChart();
    }
}

void MealGrid::fillRow(int r, const CurrentFood &food)
{
    setCellText(r, MealColumn::Name, food.name);
    setCellText(r, MealColumn::Net, food.fields[0]);
    for (std::size_t i = 0; i < kNutrientColumns.size(); ++i)
        setCellText(r, kNutrientColumns[i], food.fields[i + 2]);
}

int MealGrid::grossKeyPress(int keyAscii)
{
    // Control codes keep editing keys such as backspace working; only digits enter the box, so
    // the gross weight is always a whole number of grams.
    if ((keyAscii >= 0 && keyAscii <= 9) || (keyAscii >= '0' && keyAscii <= '9'))
        return keyAscii;
    return 0;
}

bool MealGrid::allDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool MealGrid::acceptsGrossText(QStringView text)
{
    return text.size() <= kMaxGrossWeightDigits && allDigits(text);
}

bool MealGrid::setGrossText(int r, const QString &text)
{
    if (row(r).lock != 0 || !acceptsGrossText(text)) {
        // The box may already show what was refused: have it show the row's text again.
        emit cellChanged(r, MealColumn::Gross);
        return false;
    }
    setCellText(r, MealColumn::Gross, text);
    setPortion(r, QString());
    // The digits typed after a refused decimal separator must not hide why "1,5" became 15.
    if (!separatorRefused_)
        clearHint();
    return true;
}

bool MealGrid::setPortion(int r, const QString &portion)
{
    if (row(r).lock != 0)
        return false;
    if (row(r).portion != portion) {
        mutableRow(r).portion = portion;
        emit cellChanged(r, MealColumn::Name);
    }
    return true;
}

bool MealGrid::refuseGrossKey(int r, int keyAscii)
{
    const bool told = setHint(grossKeyHint(keyAscii, row(r).lock != 0));
    separatorRefused_ = told && row(r).lock == 0 && (keyAscii == ',' || keyAscii == '.');
    return told;
}

bool MealGrid::refuseGrossText(QStringView text)
{
    return setHint(grossTextHint(text));
}

// A hint is told again even when it is the one shown: the view shows it anew for as long.
bool MealGrid::setHint(const QString &hint)
{
    separatorRefused_ = false;
    if (hint.isEmpty() && hint_.isEmpty())
        return false;
    hint_ = hint;
    emit hintChanged();
    return !hint.isEmpty();
}

bool MealGrid::holdsNoFood() const
{
    return std::all_of(rows_.begin(), rows_.end(), [](const MealRow &row) { return row.isFree(); });
}

void MealGrid::grossClicked(int r)
{
    setCellProperty(r, MealColumn::Gross, &MealCell::textColour, CellTextColour::WindowText);
}

void MealGrid::setLock(int r, int value)
{
    MealRow &target = mutableRow(r);
    const int checked = value != 0 ? 1 : 0;
    if (target.lock == checked)
        return;
    target.lock = checked;
    emit rowStateChanged(r);
    lockClicked(r);
}

// Nested runs happen when the acceptance refuses a lock (it unchecks the box) and when
// `blankZeros` unchecks rows left without a gross weight; both run to their end inside the outer
// handler.
void MealGrid::lockClicked(int r)
{
    DepthGuard depth(lockDepth_);
    if (row(r).lock == 0) {
        clearRow(r);
        showUnlocked(r);
    }
    if (row(r).lock == 1)
        acceptLock(r);
    // An unlock changes the sums as much as a lock does; the nested runs leave the sums to the
    // handler that started them, which recomputes once they are over.
    if (lockDepth_ == 1) {
        recomputeTotals();
    } else if (batches_ > 0) {
        batchedLock_ = true;
        return;
    }
    updateChart();
}

MealGrid::LockBatch::LockBatch(MealGrid &grid) : grid_(grid)
{
    ++grid_.lockDepth_;
    ++grid_.batches_;
}

MealGrid::LockBatch::~LockBatch()
{
    --grid_.batches_;
    if (--grid_.lockDepth_ == 0 && std::exchange(grid_.batchedLock_, false)) {
        grid_.recomputeTotals();
        grid_.updateChart();
    }
}

void MealGrid::clearRow(int r)
{
    for (MealColumn c : kValueColumns)
        if (!row(r).cell(c).text.isEmpty())
            totalsStale_ = true;
    setCellText(r, MealColumn::Gross, QString());
    setPortion(r, QString());
    for (MealColumn c : {MealColumn::Net, MealColumn::Name, MealColumn::Protein, MealColumn::Fat,
                         MealColumn::Carbohydrate, MealColumn::Energy, MealColumn::Fibre, MealColumn::Cholesterol})
        setCellText(r, c, QString());
}

void MealGrid::showUnlocked(int r)
{
    setRowLook(r, CellAlignment::Left, CellBackground::Window);
}

void MealGrid::acceptLock(int r)
{
    if (row(r).lock != 1)
        return;
    // A row that cannot be calculated is refused like a row without gross weight: a locked row
    // showing its values per 100 g would be added up as grams.
    const std::optional<MealPortion> computed = MealPortion::of(row(r), QLocale());
    if (!computed) {
        if (dialogs_)
            dialogs_->message(tr("Inserire quantità sul campo peso lordo"), warningTitle(), MessageIcon::Critical);
        // Runs this row's unlock handling nested, which empties the row.
        setLock(r, 0);
        return;
    }
    if (r + 1 < kMealRows)
        setRowVisible(r + 1);
    writePortion(r, *computed);
}

bool MealGrid::calculateRow(int r)
{
    const std::optional<MealPortion> computed = MealPortion::of(row(r), QLocale());
    if (!computed)
        return false;
    writePortion(r, *computed);
    return true;
}

void MealGrid::writePortion(int r, const MealPortion &p)
{
    setCellText(r, MealColumn::Net, p.net);
    for (std::size_t i = 0; i < kNutrientColumns.size(); ++i)
        setCellText(r, kNutrientColumns[i], p.nutrients[i]);
    setRowLook(r, CellAlignment::Right, CellBackground::Calculated);
}

void MealGrid::recomputeTotals()
{
    // `blankZeros` may unlock and empty a row that the sums have just counted (a locked row whose
    // gross weight was deleted afterwards); the sums are then taken once more, so that they
    // always match the rows as they stand. The second pass unlocks nothing more.
    do {
        totalsStale_ = false;
        fillEmptyWithZero();
        sumTotals();
    } while (totalsStale_);
}

void MealGrid::fillEmptyWithZero()
{
    for (MealColumn c : kValueColumns)
        for (int r = 0; r < kMealRows; ++r)
            if (row(r).cell(c).text.isEmpty()) {
                setCellText(r, c, QStringLiteral("0"));
                setCellProperty(r, c, &MealCell::textColour, CellTextColour::White);
            }
}

std::optional<double> MealGrid::cellNumber(int r, std::size_t columnIndex, const QLocale &locale)
{
    const QString &text = row(r).cell(kValueColumns[columnIndex]).text;
    if (!memoActive_)
        return readLocaleNumber(text, locale);
    NumberMemo &memo = memo_[columnIndex * kMealRows + static_cast<std::size_t>(r)];
    if (!memo.valid || memo.text != text)
        memo = {true, text, readLocaleNumber(text, locale)};
    return memo.value;
}

void MealGrid::sumTotals()
{
    const QLocale locale;
    if (memoLocale_ != locale) {
        for (NumberMemo &memo : memo_)
            memo.valid = false;
        memoLocale_ = locale;
    }
    memoActive_ = true;
    for (std::size_t i = 0; i < kValueColumns.size(); ++i) {
        double sum = 0.0;
        // Only locked rows are portions of the meal: an open row shows the browsed food per
        // 100 g and its edible percentage, which are no grams eaten.
        for (int r = 0; r < kMealRows; ++r)
            if (row(r).lock == 1)
                sum += cellNumber(r, i, locale).value_or(0.0);
        setTotalText(static_cast<int>(i), formatPlain(sum, locale));
    }
    blankZeros();
    memoActive_ = false;
}

void MealGrid::blankZeros()
{
    const QLocale locale;
    for (std::size_t i = 0; i < kValueColumns.size(); ++i)
        for (int r = 0; r < kMealRows; ++r) {
            // A text that is no number is left as it is.
            const auto value = cellNumber(r, i, locale);
            if (value && *value == 0.0)
                setCellText(r, kValueColumns[i], QString());
        }
    // Unlocking empties rows and reads nothing; the numbers read so far may be stale after it.
    memoActive_ = false;
    for (int r = 0; r < kMealRows; ++r)
        if (row(r).cell(MealColumn::Gross).text.isEmpty())
            setLock(r, 0);
}

void MealGrid::writeRow(int r, const MealRow &state)
{
    for (int c = 0; c < kMealColumns; ++c) {
        const auto column = static_cast<MealColumn>(c);
        MealCell &cell = mutableRow(r).cell(column);
        if (cell == state.cell(column))
            continue;
        cell = state.cell(column);
        emit cellChanged(r, column);
    }
    MealRow &target = mutableRow(r);
    if (target.portion != state.portion) {
        target.portion = state.portion;
        emit cellChanged(r, MealColumn::Name);
    }
    if (target.lock == state.lock && target.visible == state.visible)
        return;
    target.lock = state.lock;
    target.visible = state.visible;
    emit rowStateChanged(r);
}

void MealGrid::restoreRows(const MealGridState &state, const std::vector<int> &rows)
{
    for (int r : rows)
        writeRow(r, state.rows[static_cast<std::size_t>(r)]);
    if (std::all_of(state.totals.texts.cbegin(), state.totals.texts.cend(),
                    [](const QString &t) { return t.isEmpty(); })) {
        for (int i = 0; i < static_cast<int>(kValueColumns.size()); ++i)
            setTotalText(i, QString());
        if (chart_ != state.chart) {
            chart_ = state.chart;
            emit chartChanged();
        }
        return;
    }
    recomputeTotals();
    updateChart();
    // The recomputation fills every empty cell with a white "0" and blanks it again, and blanks
    // the zeros of an open row's values per 100 g: the rows put back show what they showed.
    for (int r : rows)
        writeRow(r, state.rows[static_cast<std::size_t>(r)]);
}

bool MealGrid::setChartData(ChartColumn column, const QString &text)
{
    // The chart reads the caption as a number in the user's format. A caption that is no
    // number (the totals are empty until the first recomputation) leaves the value as it was.
    const auto value = readLocaleNumber(text, QLocale());
    if (!value)
        return false;
    double &held = chart_[static_cast<std::size_t>(column)];
    if (held == *value)
        return false;
    held = *value;
    return true;
}

void MealGrid::updateChart()
{
    // One redraw for the three columns.
    bool changed = setChartData(ChartColumn::Protein, totalText(MealColumn::Protein));
    changed = setChartData(ChartColumn::Fat, totalText(MealColumn::Fat)) || changed;
    changed = setChartData(ChartColumn::Carbohydrate, totalText(MealColumn::Carbohydrate)) || changed;
    if (changed)
        emit chartChanged();
}

}  // namespace velmo
