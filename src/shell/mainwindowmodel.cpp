#include "shell/mainwindowmodel.h"

#include "catalogue/foodcategory.h"

#include <QLocale>

namespace velmo {

MainWindowModel::MainWindowModel(Dialogs &dialogs, QObject *parent)
    : QObject(parent), dialogs_(dialogs), browser_(dataControl_), document_({dataControl_, browser_, meal_,
                                                                             [this](int category) {
                                                                                 chooseCategory(category);
                                                                                 return dataControl_.hasRecordset();
                                                                             }},
                                                                            dialogs_)
{
    connect(&meal_, &MealGrid::totalsChanged, this, &MainWindowModel::updateComparison);
    connect(&browser_, &FoodBrowser::foodNameChanged, this, [this] { meal_.placeFood(browser_.current()); });
    meal_.setDialogs(&dialogs_);
    document_.setPersonalDatabase([this]() -> std::optional<QSqlDatabase> {
        if (!openPersonal())
            return std::nullopt;
        return personal_->connection();
    });
    connect(&dataControl_, &DataControl::validate, this, [this] { setMousePointer(MousePointer::Hourglass); });
    connect(&dataControl_, &DataControl::reposition, this, [this] { setMousePointer(MousePointer::Default); });
    connect(&dataControl_, &DataControl::dataError, this, [this](const QString &message) {
        setMousePointer(MousePointer::Default);
        dialogs_.message(message, QStringLiteral("Velmo"), MessageIcon::Critical);
    });
}

MainWindowModel::~MainWindowModel() = default;

bool MainWindowModel::load(const QString &databasePath, QString *error)
{
    flipToolbarStyle();
    setMousePointer(MousePointer::Default);
    database_ = FoodDatabase::open(databasePath, error);
    if (!database_)
        return false;
    dataControl_.setDatabase(database_->connection());
    document_.setDatabase(database_->connection());
    setCategoryHeading(QStringLiteral("Alimenti"));
    return true;
}

void MainWindowModel::flipToolbarStyle()
{
    toolbarFlat_ = !toolbarFlat_;
    emit toolbarFlatChanged();
}

void MainWindowModel::activate(const QDate &today)
{
    statusDate_ = QLocale().toString(today, QStringLiteral("dd MMMM yyyy"));
    clockEnabled_ = true;
    emit statusChanged();
}

void MainWindowModel::clockTick(const QTime &now)
{
    // The user's time format with seconds, without the time zone that Qt's long format adds.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    statusTime_ = QLocale().toString(now, format.trimmed());
    emit statusChanged();
}

void MainWindowModel::titleTick()
{
    if (scrollingTitle_.isEmpty())
        return;
    scrollingTitle_ = scrollingTitle_.mid(1) + scrollingTitle_.at(0);
    emit scrollingTitleChanged();
}

void MainWindowModel::chooseCategory(int index)
{
    if (index < 0 || index >= kAllCategoryCount)
        return;
    if (isPersonalCategory(index) && !openPersonal())
        return;
    category_ = index;
    const FoodCategory &category = foodCategory(index);
    // The personal foods live in a file of their own; the other sixteen in the shipped one.
    dataControl_.setDatabase(isPersonalCategory(index) ? personal_->connection()
                             : database_               ? database_->connection()
                                                       : QSqlDatabase());
    setCategoryHeading(category.heading);
    document_.setCurrentCategory(index);
    dataControl_.setRecordSource(category.recordSource());
    dataControl_.refresh();
}

void MainWindowModel::gridClicked()
{
    meal_.resetTextColours();
}

void MainWindowModel::gridRowChosen(int row)
{
    dataControl_.moveTo(row);
}

void MainWindowModel::exitClicked()
{
    if (document_.confirmDiscard())
        emit exitRequested();
}

std::optional<MealComparison> MainWindowModel::comparison() const
{
    if (!requirementKcal_)
        return std::nullopt;
    return compareWithRequirement(meal_.totals(), *requirementKcal_, QLocale());
}

void MainWindowModel::setRequirement(std::optional<double> kcal, const QString &whose)
{
    requirementKcal_ = kcal;
    requirementWhose_ = whose;
    updateComparison();
}

void MainWindowModel::updateComparison()
{
    const auto now = comparison();
    const QString text = now ? velmo::comparisonText(*now, requirementWhose_, QLocale()) : QString();
    if (text == comparisonText_)
        return;
    comparisonText_ = text;
    emit comparisonChanged();
}

void MainWindowModel::setCategoryHeading(const QString &text)
{
    if (categoryHeading_ == text)
        return;
    categoryHeading_ = text;
    emit categoryHeadingChanged();
}

void MainWindowModel::setMousePointer(MousePointer pointer)
{
    if (mousePointer_ == pointer)
        return;
    mousePointer_ = pointer;
    emit mousePointerChanged();
}

}  // namespace velmo
