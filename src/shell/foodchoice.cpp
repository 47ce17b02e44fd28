#include "shell/mainwindowmodel.h"

#include <QFileInfo>

namespace velmo {

const FoodSearch &MainWindowModel::foodSearch()
{
    if (!foodSearchRead_ && database_) {
        foodSearchRead_ = true;
        foodSearch_.load(database_->connection(), &foodSearchError_);
    }
    // The personal foods change while the program runs, so they are read at every search; a
    // catalogue never used is not created for it.
    if ((personal_ || QFileInfo::exists(personalPath())) && openPersonal()) {
        QString error;
        if (!foodSearch_.readCategory(personal_->connection(), kPersonalCategory, &error))
            foodSearchError_ = error;
    }
    return foodSearch_;
}

void MainWindowModel::chooseFood(const SearchableFood &food)
{
    chooseCategory(food.category);
    // The index and the tables are written together; the name guards against a file changed
    // under a running program.
    if (food.row >= 0 && food.row < dataControl_.rowCount() && dataControl_.row(food.row).name == food.name)
        dataControl_.moveTo(food.row);
}

}  // namespace velmo
