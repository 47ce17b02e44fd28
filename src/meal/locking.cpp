#include "meal/mealgrid.h"

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

// Nested runs happen when the acceptance refuses a lock (it unchecks the box) and when `apici`
// unchecks rows left without a gross weight; both run to their end inside the outer handler.
void MealGrid::lockClicked(int r)
{
    DepthGuard depth(lockDepth_);
    if (row(r).lock == 0) {
        clearRow(r);
        sposta(r);
    }
    if (row(r).lock == 1)
        calblocca(r);
    // An unlock changes the sums as much as a lock does; the nested runs leave the sums to the
    // handler that started them, which recomputes once they are over.
    if (lockDepth_ == 1)
        recomputeTotals();
    updateChart();
}

void MealGrid::clearRow(int r)
{
    for (MealColumn c : kValueColumns)
        if (!row(r).cell(c).text.isEmpty())
            totalsStale_ = true;
    setCellText(r, MealColumn::Gross, QString());
    for (MealColumn c : {MealColumn::Net, MealColumn::Name, MealColumn::Prot, MealColumn::Lip, MealColumn::Gluc,
                         MealColumn::Ener, MealColumn::Fib, MealColumn::Col})
        setCellText(r, c, QString());
}

void MealGrid::sposta(int r)
{
    setRowLook(r, CellAlignment::Left, CellBackground::Window);
}

}  // namespace velmo
