// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/weekmodel.h"

#include "catalogue/foodcategory.h"
#include "common/inputecho.h"
#include "common/numbertext.h"
#include "common/safefile.h"
#include "common/userfolder.h"
#include "meal/mealcomposer.h"
#include "meal/mealcsv.h"
#include "meal/nutrientstore.h"
#include "plan/personmetrics.h"
#include "shell/mainwindowmodel.h"

#include <QDir>
#include <QFont>
#include <QLocale>
#include <QMetaObject>

#include <algorithm>
#include <array>
#include <memory>

namespace velmo {

namespace {

// The nutrient of each column, by its key; none for the day and the share of the requirement.
constexpr std::array<const char *, WeekModel::ColumnCount> kColumnKeys{
    nullptr, "ENERC_KCAL", nullptr, "PROCNT", "EN_PROT", "FAT", "EN_FAT", "CHOCDF", "EN_CHO", "FIBTG"};

QString bound(const NutrientAmount &amount)
{
    return amount.lowerBound ? QStringLiteral("\u2265 ") : QString();
}

}  // namespace

WeekModel::WeekModel(MainWindowModel &main, QObject *parent) : QAbstractTableModel(parent), main_(main)
{
    from_ = mondayOf(main_.persons().today());
    PersonSession &session = main_.persons();
    connect(&session, &PersonSession::currentChanged, this, &WeekModel::scheduleRefresh);
    connect(&session, &PersonSession::personsChanged, this, &WeekModel::scheduleRefresh);
    // A personal food changed or deleted changes the days that hold it, with no day written.
    connect(&main_.personalFoods(), &PersonalFoodCommands::foodsChanged, this, &WeekModel::scheduleRefresh);
    refresh();
}

int WeekModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kDays + 1;
}

int WeekModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WeekModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DayColumn: return tr("Giorno");
    case EnergyColumn: return tr("Energia (kcal)");
    case RequirementColumn: return tr("% fabbisogno");
    case ProteinColumn: return tr("Proteine (g)");
    case ProteinShareColumn: return tr("Proteine (%En)");
    case FatColumn: return tr("Lipidi (g)");
    case FatShareColumn: return tr("Lipidi (%En)");
    case CarbohydrateColumn: return tr("Carboidrati (g)");
    case CarbohydrateShareColumn: return tr("Carboidrati (%En)");
    case FibreColumn: return tr("Fibra (g)");
    default: return {};
    }
}

QVariant WeekModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int column = index.column();
    const bool average = index.row() == kAverageRow;
    if (role == Qt::FontRole && average) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::TextAlignmentRole && column != DayColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    const Day *day = average ? nullptr : &days_[static_cast<std::size_t>(index.row())];
    if (role == Qt::ToolTipRole && day && day->state == DayState::Failed)
        return day->problem;
    const bool figures = average ? !averaged_.empty() : day->state == DayState::Planned;
    if (role == AmountRole && column != DayColumn && figures) {
        const auto amount = amountOf(average ? average_ : day->profile, static_cast<Column>(column));
        return amount ? QVariant(*amount) : QVariant();
    }
    if (role != Qt::DisplayRole)
        return {};
    if (column == DayColumn)
        return average ? tr("Media giornaliera")
                       : QLocale().dayName(day->date.dayOfWeek(), QLocale::ShortFormat) + u' '
                             + dayMonthText(day->date, QLocale());
    if (figures)
        return amountText(average ? average_ : day->profile, static_cast<Column>(column));
    if (column != EnergyColumn || !read_)
        return {};
    if (average)
        return tr("nessun giorno");
    return day->state == DayState::Empty ? tr("nulla di memorizzato") : tr("non calcolabile");
}

std::optional<double> WeekModel::amountOf(const NutrientProfile &profile, Column column) const
{
    if (column == RequirementColumn) {
        const auto energy = amountOf(profile, EnergyColumn);
        return energy && requirement_ && *requirement_ > 0 ? std::optional(*energy * 100 / *requirement_)
                                                           : std::nullopt;
    }
    const auto index = indexes_[static_cast<std::size_t>(column)];
    return index ? profile.at(*index).amount : std::nullopt;
}

QString WeekModel::amountText(const NutrientProfile &profile, Column column) const
{
    const QLocale locale;
    const Column source = column == RequirementColumn ? EnergyColumn : column;
    const auto index = indexes_[static_cast<std::size_t>(source)];
    if (!index)
        return {};
    const NutrientAmount &amount = profile.at(*index);
    const auto value = amountOf(profile, column);
    if (!value)
        return column == RequirementColumn ? QString() : tr("n.d.");
    if (column == RequirementColumn)
        return bound(amount) + formatDecimals(*value, 0, locale) + QStringLiteral(" %");
    return bound(amount) + formatDecimals(*value, nutrients_->at(*index).decimals, locale);
}

std::optional<Meal> WeekModel::averageMeal() const
{
    return averaged_.empty() ? std::nullopt : std::optional(dailyAverage(averaged_));
}

bool WeekModel::open()
{
    if (!main_.persons().store())
        return false;
    open_ = true;
    refresh();
    return true;
}

void WeekModel::setFrom(QDate date)
{
    if (!date.isValid() || date == from_)
        return;
    from_ = date;
    refresh();
}

void WeekModel::thisWeek()
{
    setFrom(mondayOf(main_.persons().today()));
}

void WeekModel::scheduleRefresh()
{
    if (pending_ || !open_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &WeekModel::refresh, Qt::QueuedConnection);
}

void WeekModel::refresh()
{
    pending_ = false;
    beginResetModel();
    days_.assign(kDays, {});
    for (int d = 0; d < kDays; ++d)
        days_[static_cast<std::size_t>(d)].date = from_.addDays(d);
    read_ = false;
    stored_.clear();
    averaged_.clear();
    average_ = {};
    requirement_.reset();
    requirementText_.clear();
    summary_.clear();
    person_ = main_.persons().currentName();
    const QLocale locale;
    heading_ = tr("dal %1 al %2").arg(dateText(from_, locale), dateText(from_.addDays(kDays - 1), locale));
    if (open_)
        read();
    endResetModel();
    emit refreshed();
}

void WeekModel::read()
{
    if (person_.isEmpty()) {
        summary_ = tr("Nessuna persona corrente: sceglierne una in «Persone...» (menu «Persona») per vedere la "
                      "sua settimana.");
        return;
    }
    heading_ = person_ + QStringLiteral(", ") + heading_;
    PersonStore *store = main_.persons().store();
    StoreResult result;
    const auto person = store ? store->person(person_, nullptr, &result) : std::nullopt;
    if (!person) {
        summary_ = store ? result.message : tr("L'archivio delle persone non è disponibile.");
        return;
    }
    if (const auto energy = personRequirement(*person, from_, QLocale()); energy && energy->energy) {
        requirement_ = *energy->energy;
        requirementText_ = tr("Fabbisogno al %1: %2 kcal")
                               .arg(dateText(from_, QLocale()),
                                    formatAmount(*energy->energy, Amount::Kilocalories, QLocale()));
    } else if (const QString past = pastEnergyTablesText(*person, from_, QLocale()); !past.isEmpty()) {
        requirementText_ = tr("Nessun fabbisogno con cui confrontare i giorni: %1.").arg(past);
    } else {
        requirementText_ = tr("Nessun fabbisogno con cui confrontare i giorni: in «Persone...» servono la data "
                              "di nascita, il peso e le scelte sull'attività fisica (sotto i 10 anni si calcola "
                              "solo il metabolismo di base).");
    }
    stored_ = store->days(person_, from_, from_.addDays(kDays - 1), &result);
    if (!result.ok()) {
        summary_ = result.message;
        return;
    }
    // Without the foods' profile the summary is the reason why.
    if (computeDays(stored_))
        writeSummary();
}

bool WeekModel::computeDays(const std::map<QDate, MealDay> &stored)
{
    const auto personal = [](const MealFileEntry &e) { return isPersonalCategory(e.category); };
    bool needsPersonal = false;
    for (const auto &[date, day] : stored)
        for (const DayMeal &meal : day.meals)
            needsPersonal = needsPersonal || std::any_of(meal.entries.cbegin(), meal.entries.cend(), personal);
    // A personal food is found only in an open catalogue, as the table finds it. A damaged one the
    // user chose to leave alone is not asked about again at every refresh.
    if (needsPersonal)
        main_.personalFoods().openForSearch();
    QString why;
    NutrientStore *foods = main_.nutrientStore();
    nutrients_ = foods ? foods->nutrients(&why) : nullptr;
    if (!nutrients_) {
        summary_ = tr("Il profilo degli alimenti non è disponibile: %1.").arg(why);
        return false;
    }
    read_ = true;
    indexes_.clear();
    for (const char *key : kColumnKeys)
        indexes_.push_back(key ? nutrients_->indexOf(QString::fromLatin1(key)) : std::nullopt);
    for (Day &day : days_) {
        const auto found = stored.find(day.date);
        std::vector<MealFileEntry> entries;
        if (found != stored.end())
            for (const DayMeal &meal : found->second.meals)
                entries.insert(entries.end(), meal.entries.cbegin(), meal.entries.cend());
        if (entries.empty())
            continue;
        const auto meal = nutritionMeal(entries, *foods, &day.problem);
        if (!meal) {
            day.state = DayState::Failed;
            continue;
        }
        day.state = DayState::Planned;
        day.profile = nutrientProfile(*nutrients_, *meal);
        averaged_.push_back(*meal);
    }
    if (!averaged_.empty())
        average_ = nutrientProfile(*nutrients_, dailyAverage(averaged_));
    return true;
}

void WeekModel::writeSummary()
{
    const int empty = static_cast<int>(
        std::count_if(days_.cbegin(), days_.cend(), [](const Day &d) { return d.state == DayState::Empty; }));
    const int failed = kDays - empty - averagedDays();
    QStringList left;
    if (empty > 0)
        left << tr("%n giorni senza nulla di memorizzato", nullptr, empty);
    if (failed > 0)
        left << tr("%n giorni con alimenti che non si trovano più nel catalogo", nullptr, failed);
    if (averaged_.empty()) {
        summary_ = failed > 0 ? tr("Nessun giorno della settimana si può calcolare (%1): non c'è una media da "
                                   "calcolare.")
                                    .arg(left.join(QStringLiteral(", ")))
                              : tr("Nessun giorno della settimana ha alimenti memorizzati: non c'è una media da "
                                   "calcolare.");
        return;
    }
    summary_ = tr("Media giornaliera di %n giorni su 7", nullptr, averagedDays());
    if (!left.isEmpty())
        summary_ += tr(" (non contati: %1)").arg(left.join(QStringLiteral(", ")));
    summary_ += tr(": %1 kcal").arg(amountText(average_, EnergyColumn));
    if (const QString share = amountText(average_, RequirementColumn); requirement_ && !share.isEmpty())
        summary_ += tr(", %1 del fabbisogno").arg(share);
    summary_ += u'.';
}

std::optional<QString> WeekModel::csv(QString *error)
{
    // Each meal through a table of its own, as the console computes a stored day.
    std::vector<std::unique_ptr<MealComposer>> composers;
    std::vector<DatedMealGrids> dated;
    PersonalCatalogue *personal = main_.personalFoods().catalogue();
    for (const Day &day : days_) {
        if (day.state == DayState::Empty)
            continue;
        DatedMealGrids grids{day.date, {}};
        for (const DayMeal &meal : stored_.at(day.date).meals) {
            composers.push_back(std::make_unique<MealComposer>(main_.foodDatabase()));
            if (personal)
                composers.back()->setPersonalDatabase(personal->connection());
            QString why;
            if (!composers.back()->addAll(meal.entries, &why)) {
                *error = tr("%1, %2: %3").arg(dateText(day.date, QLocale()), meal.name, why);
                return std::nullopt;
            }
            grids.meals.push_back({meal.name, &composers.back()->grid()});
        }
        dated.push_back(std::move(grids));
    }
    if (dated.empty()) {
        *error = summary_;
        return std::nullopt;
    }
    return daysReportCsv(dated, requirement_);
}

bool WeekModel::exportCsv()
{
    Dialogs &dialogs = main_.dialogs();
    const QString title = tr("Settimana");
    QString reason;
    const std::optional<QString> text = csv(&reason);
    if (!text) {
        dialogs.message(tr("La settimana non può essere esportata. %1").arg(reason), title, MessageIcon::Information);
        return false;
    }
    const QString path = saveFileNameWithSuffix(dialogs, tr("Esporta CSV"),
                                                QDir(userFolder(QStandardPaths::DocumentsLocation))
                                                    .filePath(tr("settimana-%1.csv").arg(from_.toString(Qt::ISODate))),
                                                QStringLiteral("%1 (*.csv)").arg(tr("File CSV")),
                                                QStringLiteral(".csv"));
    if (path.isEmpty())
        return false;
    if (!writePrivateFileSafely(path, text->toUtf8(), &reason)) {
        dialogs.message(tr("Impossibile esportare la settimana in %1: %2. Scegliere un'altra cartella o liberare "
                           "spazio e riprovare.")
                            .arg(echoInput(path), reason),
                        title, MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace velmo
