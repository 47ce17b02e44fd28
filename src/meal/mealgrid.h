#pragma once

#include "catalogue/foodbrowser.h"

#include <QObject>
#include <QString>

#include <array>

namespace velmo {

inline constexpr int kMealRows = 12;

// The cells of a composition table row, in their order on screen. The eight from `Gross` on are
// the value cells that totals, `zero` and `apici` work on.
enum class MealColumn { Name, Gross, Net, Prot, Lip, Gluc, Ener, Fib, Col };
inline constexpr int kMealColumns = 9;
inline constexpr std::array<MealColumn, 8> kValueColumns{MealColumn::Gross, MealColumn::Net, MealColumn::Prot,
                                                         MealColumn::Lip,   MealColumn::Gluc, MealColumn::Ener,
                                                         MealColumn::Fib,   MealColumn::Col};
// The six nutrients, in the order protein, fat, carbohydrate, energy, fibre, cholesterol.
inline constexpr std::array<MealColumn, 6> kNutrientColumns{MealColumn::Prot, MealColumn::Lip, MealColumn::Gluc,
                                                            MealColumn::Ener, MealColumn::Fib, MealColumn::Col};

enum class CellAlignment { Left, Right };
enum class CellBackground { Window, Calculated };   // system window background / light cyan
enum class CellTextColour { WindowText, White };

struct MealCell {
    QString text;
    CellAlignment alignment = CellAlignment::Left;
    CellBackground background = CellBackground::Window;
    CellTextColour textColour = CellTextColour::WindowText;
};

// `MealRow`: one row of the composition table.
struct MealRow {
    std::array<MealCell, kMealColumns> cells;
    int lock = 0;          // the lock box: 0 unchecked, 1 checked
    bool visible = false;

    MealCell &cell(MealColumn c) { return cells[static_cast<std::size_t>(c)]; }
    const MealCell &cell(MealColumn c) const { return cells[static_cast<std::size_t>(c)]; }
    QString name() const { return cell(MealColumn::Name).text; }
    // A row is taken when its food name is longer than one character, free when it is empty.
    bool taken() const { return name().size() > 1; }
    bool isFree() const { return name().isEmpty(); }
};

// `MealTotals`: the sums of the eight value columns, as their labels show them.
struct MealTotals {
    std::array<QString, 8> texts;
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

    // Places the current food in the table: every unlocked row is emptied, then the food goes
    // into the first unlocked row below locked, taken rows, and into any locked row without food.
    void inseri(const CurrentFood &food);

    // Colours of the value cells back to the window-text colour (a click in the food grid).
    void resetTextColours();

signals:
    void cellChanged(int row, velmo::MealColumn column);
    void rowStateChanged(int row);   // lock or visibility
    void totalsChanged();

protected:
    MealRow &mutableRow(int r) { return rows_[static_cast<std::size_t>(r)]; }
    void setCellText(int r, MealColumn c, const QString &text);
    void setCellLook(int r, MealColumn c, CellAlignment alignment, CellBackground background);
    void setCellTextColour(int r, MealColumn c, CellTextColour colour);
    void setTotalText(int index, const QString &text);

private:
    void fillRow(int r, const CurrentFood &food);

    std::array<MealRow, kMealRows> rows_;
    MealTotals totals_;
};

}  // namespace velmo
