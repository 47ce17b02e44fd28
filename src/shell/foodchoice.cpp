#include "shell/mainwindowmodel.h"

namespace velmo {

const FoodSearch &MainWindowModel::foodSearch()
{
    if (!foodSearchRead_ && database_) {
        foodSearchRead_ = true;
        foodSearch_.load(database_->connection(), &foodSearchError_);
    }
    return foodSearch_;
}

void MainWindowModel::chooseFood(const SearchableFood &food)
{
    chooseCategory(food.category);
    // The index names the row; the name confirms it, and finds the food should a file built
    // apart from its index list it elsewhere.
    int row = food.row;
    if (row < 0 || row >= dataControl_.rowCount() || dataControl_.row(row).name != food.name) {
        row = -1;
        for (int i = 0; i < dataControl_.rowCount() && row < 0; ++i)
            if (dataControl_.row(i).name == food.name)
                row = i;
    }
    if (row >= 0)
        dataControl_.moveTo(row);
}

}  // namespace velmo
