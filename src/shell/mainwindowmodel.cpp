#include "shell/mainwindowmodel.h"

#include "catalogue/foodcategory.h"

#include <QLocale>

namespace velmo {

MainWindowModel::MainWindowModel(Dialogs &dialogs, QObject *parent)
    : QObject(parent), dialogs_(dialogs), browser_(data1_)
{
    connect(&browser_, &FoodBrowser::lblnomeChanged, this, [this] { meal_.inseri(browser_.current()); });
    meal_.setDialogs(&dialogs_);
    connect(&data1_, &DataControl::validate, this, [this] { setMousePointer(MousePointer::Hourglass); });
    connect(&data1_, &DataControl::reposition, this, [this] { setMousePointer(MousePointer::Default); });
    connect(&data1_, &DataControl::dataError, this, [this](const QString &message) {
        setMousePointer(MousePointer::Default);
        dialogs_.message(message, QStringLiteral("Velmo"), MessageIcon::Critical);
    });
}

MainWindowModel::~MainWindowModel() = default;

bool MainWindowModel::load(const QString &databasePath, QString *error)
{
    flatToolbar();
    setMousePointer(MousePointer::Default);
    database_ = FoodDatabase::open(databasePath, error);
    if (!database_)
        return false;
    data1_.setDatabase(database_->connection());
    setLabel5(QStringLiteral("Alimenti"));
    return true;
}

void MainWindowModel::flatToolbar()
{
    toolbarFlat_ = !toolbarFlat_;
    emit toolbarFlatChanged();
}

void MainWindowModel::activate(const QDate &today)
{
    statusDate_ = QLocale().toString(today, QStringLiteral("dd MMMM yyyy"));
    timer1Enabled_ = true;
    emit statusChanged();
}

void MainWindowModel::timer1Tick(const QTime &now)
{
    // The user's time format with seconds, without the time zone that Qt's long format adds.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    statusTime_ = QLocale().toString(now, format.trimmed());
    emit statusChanged();
}

void MainWindowModel::timer2Tick()
{
    if (label2_.isEmpty())
        return;
    label2_ = label2_.mid(1) + label2_.at(0);
    emit label2Changed();
}

void MainWindowModel::chooseCategory(int index)
{
    if (index < 0 || index >= kFoodCategoryCount)
        return;
    const FoodCategory &category = foodCategories()[static_cast<std::size_t>(index)];
    setLabel5(category.heading);
    data1_.setRecordSource(category.recordSource());
    data1_.refresh();
}

void MainWindowModel::gridClicked()
{
    meal_.resetTextColours();
}

void MainWindowModel::gridRowChosen(int row)
{
    data1_.moveTo(row);
}

void MainWindowModel::setLabel5(const QString &text)
{
    if (label5_ == text)
        return;
    label5_ = text;
    emit label5Changed();
}

void MainWindowModel::setMousePointer(MousePointer pointer)
{
    if (mousePointer_ == pointer)
        return;
    mousePointer_ = pointer;
    emit mousePointerChanged();
}

}  // namespace velmo
