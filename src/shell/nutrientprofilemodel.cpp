// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/nutrientprofilemodel.h"

#include "common/inputecho.h"
#include "common/numbertext.h"
#include "common/safefile.h"
#include "common/userfolder.h"
#include "meal/nutrientstore.h"
#include "shell/mainwindowmodel.h"
#include "shell/portionchoicemodel.h"
#include "shell/weekmodel.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMetaObject>

#include <algorithm>
#include <map>

namespace velmo {

NutrientProfileModel::NutrientProfileModel(MainWindowModel &main, QObject *parent)
    : QAbstractTableModel(parent), main_(main), person_(main.calculatedPerson())
{
    MealGrid &grid = main_.meal();
    // A lock, a clear or an undo changes many cells at once: one recomputation once they settle.
    connect(&grid, &MealGrid::cellChanged, this, [this](int, MealColumn column) {
        if (column == MealColumn::Name || column == MealColumn::Gross)
            scheduleRefresh();
    });
    connect(&grid, &MealGrid::rowStateChanged, this, &NutrientProfileModel::scheduleRefresh);
    connect(&grid, &MealGrid::totalsChanged, this, &NutrientProfileModel::scheduleRefresh);
    connect(&main_.document(), &MealDocument::tableReplaced, this, &NutrientProfileModel::scheduleRefresh);
    connect(&main_.document(), &MealDocument::dayChanged, this, &NutrientProfileModel::scheduleRefresh);
    connect(&main_, &MainWindowModel::calculatedPersonChanged, this, [this] { setPerson(main_.calculatedPerson()); });
    refresh();
}

int NutrientProfileModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int NutrientProfileModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NutrientProfileModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn: return tr("Nutriente");
    case AmountColumn: return tr("Quantità");
    case ReferenceColumn: return tr("Riferimento");
    case PercentColumn: return tr("%");
    case StatusColumn: return tr("Rispetto al riferimento");
    case NoteColumn: return tr("Note");
    default: return {};
    }
}

QString NutrientProfileModel::statusText(IntakeStatus status) const
{
    switch (status) {
    case IntakeStatus::BelowAverage: return tr("sotto AR");
    case IntakeStatus::BelowReference: return tr("sotto il riferimento");
    case IntakeStatus::Reached: return tr("raggiunto");
    case IntakeStatus::AboveMaximum: return tr("oltre il massimo");
    case IntakeStatus::None: break;
    }
    return {};
}

QVariant NutrientProfileModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int line = lines_[static_cast<std::size_t>(index.row())];
    if (role == HeadingRole)
        return line < 0;
    if (line < 0)
        return role == Qt::DisplayRole && index.column() == NameColumn
                   ? QVariant(nutrientGroupName(static_cast<NutrientGroup>(-1 - line)))
                   : QVariant();
    const NutrientRowText &r = rows_[static_cast<std::size_t>(line)];
    const IntakeStatus status = intakeStatus(r.reference, r.amount->amount, r.nutrient->decimals, r.amount->lowerBound);
    if (role == StatusRole)
        return static_cast<int>(status);
    if (role == ShareRole) {
        const auto share = r.reference && r.amount->amount ? r.reference->percentOf(*r.amount->amount) : std::nullopt;
        return share ? QVariant(*share) : QVariant();
    }
    if (role == Qt::TextAlignmentRole && (index.column() == AmountColumn || index.column() == PercentColumn))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    // The note, often wider than its column, can be read whole where the mouse rests.
    if (role == Qt::ToolTipRole && index.column() == NoteColumn)
        return r.note().isEmpty() ? QVariant() : QVariant(r.note());
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case NameColumn: return r.nutrient->shownName();
    case AmountColumn: return r.amount->amount ? r.amountText() + u' ' + r.nutrient->unit : r.amountText();
    case ReferenceColumn: return r.referenceWithKind();
    case PercentColumn: return r.percentText();
    case StatusColumn: return statusText(status);
    case NoteColumn: return r.note();
    default: return {};
    }
}

void NutrientProfileModel::setSubject(ProfileSubject subject)
{
    if (subject == subject_)
        return;
    subject_ = subject;
    if (subject_ == ProfileSubject::WeekAverage && week_ && !week_->isOpen())
        week_->open();
    refresh();
}

void NutrientProfileModel::setWeek(WeekModel *week)
{
    if (week == week_)
        return;
    if (week_)
        disconnect(week_, nullptr, this, nullptr);
    week_ = week;
    if (week_)
        connect(week_, &WeekModel::refreshed, this, [this] {
            if (subject_ == ProfileSubject::WeekAverage)
                scheduleRefresh();
        });
    if (subject_ == ProfileSubject::WeekAverage)
        refresh();
}

void NutrientProfileModel::setPerson(const std::optional<IntakePerson> &person)
{
    person_ = person;
    emit personChanged();
    refresh();
}

void NutrientProfileModel::scheduleRefresh()
{
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &NutrientProfileModel::refresh, Qt::QueuedConnection);
}

std::optional<Meal> NutrientProfileModel::dayMeal(QString *why)
{
    const MealDay day = main_.document().day();
    std::vector<MealFileEntry> entries;
    for (const DayMeal &meal : day.meals)
        entries.insert(entries.end(), meal.entries.cbegin(), meal.entries.cend());
    if (entries.empty()) {
        *why = tr("Nessun alimento nei pasti del giorno: bloccare le righe della tabella di composizione per "
                  "vedere il profilo del giorno.");
        return std::nullopt;
    }
    QString error;
    auto meal = nutritionMeal(entries, *main_.nutrientStore(), &error);
    *why = meal
               ? tr("Il giorno: tutti i suoi pasti (pasti: %1, alimenti: %2)").arg(day.meals.size()).arg(entries.size())
               : tr("Profilo non disponibile: %1.").arg(error);
    return meal;
}

std::optional<Meal> NutrientProfileModel::weekMeal(QString *why)
{
    auto meal = week_ && week_->isOpen() ? week_->averageMeal() : std::nullopt;
    if (!meal) {
        *why = !week_ || !week_->isOpen()
                   ? tr("La settimana non è disponibile: aprire l'archivio delle persone con «Settimana...» (menu "
                        "«Persona»).")
                   : tr("Nessuna media della settimana %1: %2").arg(week_->heading(), week_->summary());
        return std::nullopt;
    }
    *why = tr("La media giornaliera della settimana %1, dei giorni con alimenti memorizzati (%2). Una media di "
              "quantità minime («≥») è anch'essa una quantità minima.")
               .arg(week_->heading())
               .arg(week_->averagedDays());
    return meal;
}

std::optional<Meal> NutrientProfileModel::subjectMeal(QString *why)
{
    if (subject_ == ProfileSubject::Day)
        return dayMeal(why);
    if (subject_ == ProfileSubject::WeekAverage)
        return weekMeal(why);
    NutrientStore &store = *main_.nutrientStore();
    const QLocale locale;
    if (subject_ == ProfileSubject::Meal) {
        const std::vector<MealFileEntry> entries = main_.document().entries();
        if (entries.empty()) {
            *why = tr("Nessuna riga bloccata: bloccare le righe della tabella di composizione per vedere il "
                      "profilo del pasto.");
            return std::nullopt;
        }
        // The foods as the table shows them, in the order of the entries: the locked rows.
        for (int r = 0; r < kMealRows; ++r)
            if (main_.meal().row(r).lock == 1 && main_.document().rowFood(r))
                shownNames_.push_back(main_.meal().row(r).name());
        QString error;
        auto meal = nutritionMeal(entries, store, &error);
        *why = meal ? tr("Il pasto delle righe bloccate (alimenti: %1)").arg(entries.size())
                    : tr("Profilo non disponibile: %1.").arg(error);
        return meal;
    }
    const std::optional<int> open = main_.meal().openRow();
    const auto food = open ? main_.document().rowFood(*open) : std::nullopt;
    if (!food) {
        *why = tr("Nessun alimento corrente: sceglierne uno nell'elenco degli alimenti.");
        return std::nullopt;
    }
    QString error;
    auto values = store.values(*food, &error);
    if (!values) {
        *why = tr("Profilo non disponibile: %1.").arg(error);
        return std::nullopt;
    }
    const QString name = main_.meal().row(*open).name();
    shownNames_.push_back(name);
    Portion portion{100, 100};
    if (subject_ == ProfileSubject::FoodPortion) {
        const QString gross = main_.meal().row(*open).cell(MealColumn::Gross).text;
        if (gross.isEmpty()) {
            *why = tr("%1: scrivere il peso lordo nella riga aperta per vederne la porzione.").arg(name);
            return std::nullopt;
        }
        portion = {gross.toDouble(), values->ediblePercent};
        *why = tr("%1, %2 g lordi (%3 g netti)")
                   .arg(name, formatAmount(portion.grossGrams, Amount::FoodGrams, locale),
                        formatAmount(portion.netGrams(), Amount::FoodGrams, locale));
    } else if (subject_ == ProfileSubject::FoodMeasure) {
        const std::optional<double> grams = measuredGrams(*food, name, why);
        if (!grams)
            return std::nullopt;
        // The grams of a portion are of edible part already: the values per 100 g apply to them whole.
        portion = {*grams, 100};
    } else {
        *why = tr("%1, per 100 g di parte edibile").arg(name);
    }
    return Meal{{{*food, portion, std::move(values)}}};
}

std::optional<double> NutrientProfileModel::measuredGrams(const FoodRef &food, const QString &name, QString *why)
{
    if (!measuredFood_ || measuredFood_->category != food.category || measuredFood_->name != food.name) {
        measuredFood_ = food;
        measureChoice_ = 0;
    }
    // Read again each time: a personal food's measures may have been edited since (a shipped
    // food's are kept by the store).
    QString error;
    const std::optional<FoodPortions> portions = readFoodPortions(main_, measures_, food, &error);
    if (!portions) {
        *why = tr("Impossibile leggere le porzioni di %1: %2.").arg(name, error);
        return std::nullopt;
    }
    portions_ = *portions;
    for (const PortionUnit &unit : portionUnits(portions_)) {
        if (unit.kind == PortionUnit::Kind::EdibleGrams)
            continue;
        const bool standard = unit.kind == PortionUnit::Kind::Standard;
        measureUnits_.insert(standard ? measureUnits_.begin() : measureUnits_.end(), unit);
        const QString caption = portionUnitCaption(portions_, unit, QLocale());
        standard ? measureCaptions_.prepend(caption) : measureCaptions_.append(caption);
    }
    if (measureUnits_.empty()) {
        *why = tr("%1 non ha né una porzione standard né misure casalinghe: scegliere «L'alimento corrente, nel "
                  "peso della riga aperta» e scrivere il peso lordo nella riga.")
                   .arg(name);
        return std::nullopt;
    }
    measureChoice_ = std::clamp(measureChoice_, 0, static_cast<int>(measureUnits_.size()) - 1);
    const PortionUnit unit = measureUnits_[static_cast<std::size_t>(measureChoice_)];
    *why = tr("%1, per porzione: %2").arg(name, measureCaptions_[measureChoice_]);
    return portionEdibleGrams(1, portions_, unit);
}

void NutrientProfileModel::setMeasureChoice(int choice)
{
    if (choice == measureChoice_ || choice < 0 || choice >= static_cast<int>(measureUnits_.size()))
        return;
    measureChoice_ = choice;
    refresh();
}

void NutrientProfileModel::refresh()
{
    pending_ = false;
    measureUnits_.clear();
    measureCaptions_.clear();
    beginResetModel();
    rows_.clear();
    lines_.clear();
    missingText_.clear();
    missing_.clear();
    shownNames_.clear();
    reference_ = {};
    QString error;
    NutrientStore *store = main_.nutrientStore();
    nutrients_ = store ? store->nutrients(&error) : nullptr;
    std::optional<Meal> meal;
    if (!nutrients_)
        subjectText_ = tr("Profilo non disponibile: %1.").arg(error);
    else
        meal = subjectMeal(&subjectText_);
    meal_ = meal ? std::move(*meal) : Meal{};
    if (meal) {
        profile_ = nutrientProfile(*nutrients_, meal_, person_ ? person_->weightKg : std::nullopt);
        const ReferenceIntakes *intakes = person_ ? ReferenceIntakes::shipped(&error) : nullptr;
        if (intakes) {
            reference_ = referenceLookup(*intakes, *person_, *nutrients_);
            missing_ = missingNutrients(*intakes, *person_, QLocale());
            missingText_ = missingNutrientsText(missing_);
        }
        rows_ = nutrientRowTexts(*nutrients_, profile_, reference_, QLocale());
        // Below the references' first age every reference column is empty.
        if (person_ && person_->ageYears < kFirstReferenceAge
            && std::none_of(rows_.cbegin(), rows_.cend(), [](const NutrientRowText &r) { return r.reference; }))
            subjectText_ += u' ' + tr("Sotto i 6 mesi di età non ci sono livelli di riferimento.");
        std::optional<NutrientGroup> group;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            if (rows_[i].nutrient->group != group) {
                group = rows_[i].nutrient->group;
                lines_.push_back(-1 - static_cast<int>(*group));
            }
            lines_.push_back(static_cast<int>(i));
        }
    }
    endResetModel();
    emit refreshed();
}

std::optional<int> NutrientProfileModel::rowOf(const QString &key) const
{
    for (std::size_t r = 0; r < lines_.size(); ++r)
        if (lines_[r] >= 0 && rows_[static_cast<std::size_t>(lines_[r])].nutrient->key == key)
            return static_cast<int>(r);
    return std::nullopt;
}

std::vector<NutrientProfileModel::Contribution> NutrientProfileModel::contributions(int row) const
{
    std::vector<Contribution> result;
    if (row < 0 || row >= rowCount() || lines_[static_cast<std::size_t>(row)] < 0)
        return result;
    const NutrientRowText &r = rows_[static_cast<std::size_t>(lines_[static_cast<std::size_t>(row)])];
    if (r.nutrient->derived())
        return result;
    double known = 0;
    // A food eaten in several meals, or on several days, is one food with the sum of its amounts.
    std::map<std::pair<int, QString>, std::size_t> rowOfFood;
    for (std::size_t i = 0; i < meal_.items.size(); ++i) {
        const MealItem &item = meal_.items[i];
        const auto per100g = item.values->value(r.index);
        const auto amount = per100g ? std::optional(*per100g * item.portion.netGrams() / 100.0) : std::nullopt;
        known += amount.value_or(0);
        const auto [found, added] = rowOfFood.try_emplace({item.food.category, item.food.name}, result.size());
        if (!added) {
            Contribution &c = result[found->second];
            c.amount = c.amount && amount ? std::optional(*c.amount + *amount) : std::nullopt;
            continue;
        }
        // The day's and the week's foods are named as the table names its own: in the user's language.
        result.push_back(
            {i < shownNames_.size() ? shownNames_[i] : main_.document().shownName(item.food.category, item.food.name),
             amount, 0});
    }
    for (Contribution &c : result)
        c.share = c.amount && known > 0 ? *c.amount / known : 0;
    std::stable_sort(result.begin(), result.end(), [](const Contribution &a, const Contribution &b) {
        return a.amount.has_value() != b.amount.has_value() ? a.amount.has_value()
                                                            : a.amount.value_or(0) > b.amount.value_or(0);
    });
    return result;
}

QString NutrientProfileModel::contributionText(const Contribution &contribution, int row) const
{
    const NutrientRowText &r = rows_[static_cast<std::size_t>(lines_[static_cast<std::size_t>(row)])];
    const QLocale locale;
    if (!contribution.amount)
        return tr("%1: n.d.").arg(contribution.food);
    return tr("%1: %2 %3 (%4 %)")
        .arg(contribution.food, formatDecimals(*contribution.amount, r.nutrient->decimals, locale), r.nutrient->unit,
             formatDecimals(contribution.share * 100, 0, locale));
}

QString NutrientProfileModel::tabSeparated() const
{
    QStringList lines;
    QStringList heading;
    for (int c = 0; c < ColumnCount; ++c)
        heading << headerData(c, Qt::Horizontal).toString();
    lines << heading.join(u'\t');
    for (int r = 0; r < rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < ColumnCount; ++c)
            cells << data(index(r, c)).toString();
        while (!cells.isEmpty() && cells.constLast().isEmpty())
            cells.removeLast();
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

QString NutrientProfileModel::csv() const
{
    return nutrients_ && !rows_.empty() ? nutrientProfileCsv(*nutrients_, profile_, reference_, missing_) : QString();
}

bool NutrientProfileModel::exportCsv()
{
    Dialogs &dialogs = main_.dialogs();
    if (rows_.empty()) {
        dialogs.message(tr("Non c'è nessun profilo da esportare: %1").arg(subjectText_), tr("Profilo nutrizionale"),
                        MessageIcon::Information);
        return false;
    }
    const QString path = saveFileNameWithSuffix(
        dialogs, tr("Esporta CSV"), QDir(userFolder(QStandardPaths::DocumentsLocation)).filePath(tr("profilo.csv")),
        QStringLiteral("%1 (*.csv)").arg(tr("File CSV")), QStringLiteral(".csv"));
    if (path.isEmpty())
        return false;
    QString reason;
    if (!writePrivateFileSafely(path, csv().toUtf8(), &reason)) {
        dialogs.message(tr("Impossibile esportare il profilo in %1: %2").arg(echoInput(path), reason),
                        tr("Profilo nutrizionale"), MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace velmo
