// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/foodbrowser.h"
#include "common/dialogs.h"

#include <QLocale>
#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace velmo {

struct MealPortion;

inline constexpr int kMealRows = 12;
// The gross-weight boxes take at most this many digits: up to 9,999,999 g.
inline constexpr int kMaxGrossWeightDigits = 7;

// The cells of a composition table row, in their order on screen. The eight from `Gross` on are
// the value cells that the totals, `fillEmptyWithZero` and `blankZeros` work on.
enum class MealColumn { Name, Gross, Net, Protein, Fat, Carbohydrate, Energy, Fibre, Cholesterol };
inline constexpr int kMealColumns = 9;
inline constexpr std::array<MealColumn, 8> kValueColumns{
    MealColumn::Gross,        MealColumn::Net,    MealColumn::Protein, MealColumn::Fat,
    MealColumn::Carbohydrate, MealColumn::Energy, MealColumn::Fibre,   MealColumn::Cholesterol};
// The six nutrients, in the order protein, fat, carbohydrate, energy, fibre, cholesterol.
inline constexpr std::array<MealColumn, 6> kNutrientColumns{MealColumn::Protein,      MealColumn::Fat,
                                                            MealColumn::Carbohydrate, MealColumn::Energy,
                                                            MealColumn::Fibre,        MealColumn::Cholesterol};

enum class CellAlignment { Left, Right };
enum class CellBackground { Window, Calculated };  // system window background / light cyan
enum class CellTextColour { WindowText, White };

struct MealCell {
    QString text;
    CellAlignment alignment = CellAlignment::Left;
    CellBackground background = CellBackground::Window;
    CellTextColour textColour = CellTextColour::WindowText;

    bool operator==(const MealCell &) const = default;
};

// `MealRow`: one row of the composition table.
struct MealRow {
    std::array<MealCell, kMealColumns> cells;
    int lock = 0;  // the lock box: 0 unchecked, 1 checked
    bool visible = false;
    // The portion the gross weight was worked out from ("2 fette"); empty when it was typed.
    QString portion;

    MealCell &cell(MealColumn c) { return cells[static_cast<std::size_t>(c)]; }
    const MealCell &cell(MealColumn c) const { return cells[static_cast<std::size_t>(c)]; }
    QString name() const { return cell(MealColumn::Name).text; }
    // A row is taken when its food name is longer than one character, free when it is empty.
    bool taken() const { return name().size() > 1; }
    bool isFree() const { return name().isEmpty(); }

    bool operator==(const MealRow &) const = default;
};

// `MealTotals`: the sums of the eight value columns, as their labels show them, in the order of
// `kValueColumns`.
struct MealTotals {
    std::array<QString, 8> texts;

    bool operator==(const MealTotals &) const = default;
};

// The headings of the eight value columns, as the window shows them above the rows and above
// the totals line, in the interface's language.
std::array<QString, 8> valueColumnHeadings();

// The caption at the head of the totals line.
QString totalsCaption();

// The three totals the chart shows, in its column order.
enum class ChartColumn { Protein, Fat, Carbohydrate };
inline constexpr int kChartColumns = 3;

// Everything the table shows, as an undo puts it back: the rows, the totals line, the chart.
struct MealGridState {
    std::array<MealRow, kMealRows> rows;
    MealTotals totals;
    std::array<double, kChartColumns> chart{};

    bool operator==(const MealGridState &) const = default;
};

// `MealGrid`: the twelve-row composition table of the main window, its totals line and the
// three chart values. Every value lives as the text its control shows; setting a cell notifies
// the view of that cell only.
class MealGrid : public QObject {
    Q_OBJECT
public:
    explicit MealGrid(QObject *parent = nullptr);

    const MealRow &row(int r) const { return rows_[static_cast<std::size_t>(r)]; }
    const MealTotals &totals() const { return totals_; }
    // The row that takes the next food: the first shown row that is not locked; none when the
    // twelve rows are all locked.
    std::optional<int> openRow() const;
    const QString &totalText(MealColumn column) const;

    // Where the refusal of a lock without gross weight is shown; none: the refusal stays silent.
    void setDialogs(Dialogs *dialogs) { dialogs_ = dialogs; }

    // Places the current food in the table: every unlocked row is emptied, then the food goes
    // into the first unlocked row below locked, taken rows, and into any locked row without food.
    // Such a locked row is calculated at once (or released when it cannot be) and the totals and
    // the chart are taken again, so that they always hold the portions of the locked rows.
    void placeFood(const CurrentFood &food);

    // While one lives, the locks set in the table leave the totals and the chart to its end,
    // which takes them once: a meal file's foods are summed once, not once a row, to the same sums.
    class LockBatch {
    public:
        explicit LockBatch(MealGrid &grid);
        ~LockBatch();
        LockBatch(const LockBatch &) = delete;
        LockBatch &operator=(const LockBatch &) = delete;

    private:
        MealGrid &grid_;
    };

    // Colours of the value cells back to the window-text colour (a click in the food grid).
    void resetTextColours();

    // --- The gross-weight boxes -------------------------------------------------------------
    // A key press in a gross-weight box: the character code that reaches the box, 0 when the key
    // is discarded. Control codes 0 to 9 (backspace among them) and the digits pass; nothing else
    // does.
    static int grossKeyPress(int keyAscii);
    // True when `text` is made of ASCII digits only (the empty text included).
    static bool allDigits(QStringView text);
    // Whether a text that arrives whole (pasted, dropped, or set by a program) may stand in a
    // gross-weight box: digits only, at most kMaxGrossWeightDigits of them. Such a text is taken
    // whole or refused whole; keeping only its digits would turn "2.5" into 25 unseen.
    static bool acceptsGrossText(QStringView text);
    // The text of row r's gross-weight box. Refused (false, the box keeps its text) when the text
    // is not acceptable or the row is locked: a locked row shows the weight it was calculated
    // for, and changes only by being unlocked.
    bool setGrossText(int r, const QString &text);
    // The portion row r's gross weight stands for, beside the food (its name cell is told); a
    // weight typed or a food placed afterwards makes the row's portion empty again. Refused on a
    // locked row, as its gross weight is.
    bool setPortion(int r, const QString &portion);
    // A click into row r's gross-weight box shows its text in the window-text colour again.
    void grossClicked(int r);

    // --- Why a box did nothing ----------------------------------------------------------------
    // A key typed into row r's gross-weight box that the box does not take (`grossKeyPress`
    // discards it, or the row is locked), or a text refused whole: `hint()` says why, until the
    // next weight the table takes (a refused decimal separator's: until another hint) or
    // `clearHint()`. False, and no hint, for a key that is no typing (Escape): only a refusal with
    // something to say is worth a beep.
    bool refuseGrossKey(int r, int keyAscii);
    bool refuseGrossText(QStringView text);
    const QString &hint() const { return hint_; }
    void clearHint() { setHint(QString()); }
    // True while no row holds a food: the user's first step is still to choose one.
    bool holdsNoFood() const;

    // --- The lock boxes ----------------------------------------------------------------------
    // Sets the lock box of row r (0 unchecked, anything else checked). A change runs
    // `lockClicked(r)` before this returns, whether the user clicked or the program set the
    // value; the same value changes nothing.
    void setLock(int r, int value);

    // --- The chart ---------------------------------------------------------------------------
    // The three values as the chart holds them (grams of protein, fat and carbohydrate).
    const std::array<double, kChartColumns> &chartValues() const { return chart_; }
    double chartValue(ChartColumn column) const { return chart_[static_cast<std::size_t>(column)]; }

    // --- Undo ------------------------------------------------------------------------------
    MealGridState state() const { return {rows_, totals_, chart_}; }
    // How many times a current food has been placed: a change says that the user has browsed.
    int placements() const { return placements_; }
    // Puts `rows` back as `state` holds them: texts, look, lock and visibility, without running
    // the lock handlers (a locked row was calculated when it was locked). The totals and the
    // chart are then taken again, as a lock takes them, from the rows as they now stand; totals
    // never taken, as when the window opens, are blank again. The current food is not placed:
    // whoever restores decides whether the table must show it again.
    void restoreRows(const MealGridState &state, const std::vector<int> &rows);

    // --- The steps of a change, public so that tests and tools can run them one by one --------
    // What a change of row r's lock box does: an unlocked row is emptied and shown unlocked, a
    // locked one accepted (`acceptLock`); then the totals and the chart are taken again.
    void lockClicked(int r);
    // Accepts the lock of row r: the row is calculated and the next row shown; a row that cannot
    // be calculated is refused with a message and unlocked again.
    void acceptLock(int r);
    // Calculates row r: net weight and the six nutrients of the portion, the calculated look.
    // All or nothing: false, and the row untouched, when any value cannot be calculated (no
    // gross weight, a number too large, a value per 100 g that is no number).
    bool calculateRow(int r);
    // Unlocked look of row r: left-aligned on the window background.
    void showUnlocked(int r);
    // Fills every empty value cell with a white "0", so that `sumTotals` reads every cell.
    void fillEmptyWithZero();
    // Sums the value columns of the locked rows into the totals line, then runs `blankZeros`.
    void sumTotals();
    // Blanks the cells that read as zero and unlocks every row left without a gross weight.
    void blankZeros();

signals:
    void cellChanged(int row, velmo::MealColumn column);
    void rowStateChanged(int row);  // lock or visibility
    void totalsChanged();
    void chartChanged();
    void hintChanged();

protected:
    MealRow &mutableRow(int r) { return rows_[static_cast<std::size_t>(r)]; }
    void setCellText(int r, MealColumn c, const QString &text);
    // A row's look, in the order the cells take it: the alignment of the six nutrients, the gross
    // and the net weight, then the background of the name, the nutrients, gross and net weight.
    void setRowLook(int r, CellAlignment alignment, CellBackground background);
    // One look property of a cell (`&MealCell::alignment`, `background` or `textColour`); only a
    // change notifies.
    template <typename T>
    void setCellProperty(int r, MealColumn c, T MealCell::*property, T value)
    {
        T &current = mutableRow(r).cell(c).*property;
        if (current == value)
            return;
        current = value;
        emit cellChanged(r, c);
    }
    void setTotalText(int index, const QString &text);
    void setRowVisible(int r);
    // Sets one chart column from a caption; true when its value changed.
    bool setChartData(ChartColumn column, const QString &text);

private:
    void writePortion(int r, const MealPortion &p);
    void fillRow(int r, const CurrentFood &food);
    void clearRow(int r);
    void recomputeTotals();
    void updateChart();
    // Sets the hint; true when there is one.
    bool setHint(const QString &hint);
    void writeRow(int r, const MealRow &state);

    std::array<MealRow, kMealRows> rows_;
    MealTotals totals_;
    std::array<double, kChartColumns> chart_{};
    Dialogs *dialogs_ = nullptr;
    QString hint_;
    bool separatorRefused_ = false;  // the hint is a decimal separator's: it stays until its time is up
    int placements_ = 0;
    // How deep lock handlers are nested: only the outermost run recomputes the totals, so the
    // unlocks that a refusal or `blankZeros` start inside it never recompute on their own.
    int lockDepth_ = 0;
    // A LockBatch is open, and a lock handler left it the sums.
    int batches_ = 0;
    bool batchedLock_ = false;
    // Set when a nested unlock empties cells that the last sums counted.
    bool totalsStale_ = false;

    // Reading a number in the user's format is the costly part of a recomputation: `blankZeros`
    // reads again the very texts that `sumTotals` has just read, and each lock recomputes rows that
    // have not changed. A cell's memo holds while its text and the locale stay the same; it is used
    // only while `sumTotals` runs.
    struct NumberMemo {
        bool valid = false;
        QString text;
        std::optional<double> value;
    };
    std::optional<double> cellNumber(int r, std::size_t columnIndex, const QLocale &locale);
    std::array<NumberMemo, kMealRows * kValueColumns.size()> memo_;
    QLocale memoLocale_;
    bool memoActive_ = false;
};

}  // namespace velmo
