// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodformmodel.h"

#include "common/inputecho.h"
#include "common/numbertext.h"

#include <QLocale>

namespace velmo {

FoodFormModel::FoodFormModel(PersonalCatalogue &catalogue, Dialogs &dialogs, std::optional<PersonalFood> editing)
    : catalogue_(catalogue), dialogs_(dialogs), editing_(std::move(editing))
{
    if (!editing_) {
        texts_[1] = QStringLiteral("100");
        openedTexts_ = texts_;
        return;
    }
    const QLocale locale;
    texts_[0] = editing_->name;
    texts_[1] = formatPlain(editing_->edible, locale);
    for (std::size_t i = 0; i < editing_->nutrients.size(); ++i)
        if (editing_->nutrients[i])
            texts_[i + 2] = formatPlain(*editing_->nutrients[i], locale);
    for (std::size_t i = 0; i < kExtraNutrientCount; ++i)
        if (editing_->extra[i])
            texts_[i + kFieldCount] = formatPlain(*editing_->extra[i], locale);
    measures_ = measuresText(editing_->measures, &locale);
    openedTexts_ = texts_;
    openedMeasures_ = measures_;
}

FoodFormModel::Leaving FoodFormModel::leave()
{
    if (texts_ == openedTexts_ && measures_ == openedMeasures_)
        return Leaving::Close;
    switch (dialogs_.askYesNoCancel(tr("Salvare l'alimento prima di chiudere la finestra?"), title())) {
    case Answer::Yes: return Leaving::Save;
    case Answer::No: return Leaving::Close;
    case Answer::Cancel: break;
    }
    return Leaving::Stay;
}

QString FoodFormModel::title() const
{
    return editing_ ? tr("Modifica alimento personale") : tr("Nuovo alimento personale");
}

QString FoodFormModel::caption(int field)
{
    if (field == 0)
        return tr("&Nome");
    const QLocale locale;
    if (field >= kFieldCount) {
        const ExtraNutrient &n = extraNutrients()[static_cast<std::size_t>(field - kFieldCount)];
        return QStringLiteral("%1 (%2, 0–%3)")
            .arg(n.shownName(), QString::fromUtf8(n.unit), formatPlain(n.maximum, locale));
    }
    static const char *const accelerated[] = {
        QT_TRANSLATE_NOOP("FoodFormModel", "Parte &edibile"), QT_TRANSLATE_NOOP("FoodFormModel", "&Protidi"),
        QT_TRANSLATE_NOOP("FoodFormModel", "&Lipidi"),        QT_TRANSLATE_NOOP("FoodFormModel", "&Glucidi"),
        QT_TRANSLATE_NOOP("FoodFormModel", "Ene&rgia"),       QT_TRANSLATE_NOOP("FoodFormModel", "&Fibra"),
        QT_TRANSLATE_NOOP("FoodFormModel", "C&olesterolo")};
    const FoodQuantity &q = foodQuantities()[static_cast<std::size_t>(field - 1)];
    return QStringLiteral("%1 (%2, %3–%4)")
        .arg(tr(accelerated[field - 1]), q.unit, formatPlain(q.minimum, locale), formatPlain(q.maximum, locale));
}

bool FoodFormModel::refuse(int field, const QString &message)
{
    focus_ = field;
    dialogs_.message(message, warningTitle(), MessageIcon::Critical);
    return false;
}

bool FoodFormModel::readExtra(PersonalFood *food)
{
    const QLocale locale;
    for (std::size_t i = 0; i < kExtraNutrientCount; ++i) {
        const int field = static_cast<int>(i) + kFieldCount;
        const QString &typed = texts_[static_cast<std::size_t>(field)];
        if (typed.trimmed().isEmpty())
            continue;  // unknown
        const auto value = readLocaleNumber(typed, locale);
        if (!value)
            return refuse(field, tr("%1: %2 non è un numero.").arg(extraNutrients()[i].label(), echoInput(typed)));
        if (const QString problem = extraProblem(i, *value); !problem.isEmpty())
            return refuse(field, problem);
        food->extra[i] = *value;
    }
    return true;
}

bool FoodFormModel::accept()
{
    if (const QString problem = nameProblem(texts_[0]); !problem.isEmpty())
        return refuse(0, problem);
    PersonalFood food;
    food.name = personalFoodName(texts_[0]);
    const QLocale locale;
    for (int i = 0; i < 7; ++i) {
        const QString &typed = texts_[static_cast<std::size_t>(i + 1)];
        const FoodQuantity &q = foodQuantities()[static_cast<std::size_t>(i)];
        if (typed.trimmed().isEmpty()) {
            if (i == 0)
                return refuse(1, tr("%1: indicare la percentuale edibile (da 1 a 100).").arg(q.shownLabel()));
            continue;  // unknown, as in the shipped tables
        }
        const auto value = readLocaleNumber(typed, locale);
        if (!value)
            return refuse(i + 1, tr("%1: %2 non è un numero.").arg(q.shownLabel(), echoInput(typed)));
        if (const QString problem = quantityProblem(i, *value); !problem.isEmpty())
            return refuse(i + 1, problem);
        if (i == 0)
            food.edible = *value;
        else
            food.nutrients[static_cast<std::size_t>(i - 1)] = *value;
    }
    if (!readExtra(&food))
        return false;
    QString measuresProblem;
    const auto measures = readMeasuresText(measures_, &measuresProblem, &locale);
    if (!measures)
        return refuse(kMeasuresField, tr("Misure: %1").arg(measuresProblem));
    food.measures = *measures;
    if (const auto doubts = valueDoubts(food); !doubts.empty()) {
        QStringList texts;
        for (const ValueDoubt &doubt : doubts)
            texts.append(doubt.text);
        if (dialogs_.choose(texts.join(QStringLiteral("\n\n")) + tr("\n\nConservare i valori indicati?"),
                            QStringLiteral("Velmo"), {tr("Conserva i valori")})
            != 0) {
            focus_ = doubts.front().quantity + 1;
            return false;
        }
    }
    if (editing_ && renameCheck_ && personalFoodKey(food.name) != personalFoodKey(editing_->name) && !renameCheck_()) {
        focus_ = 0;
        return false;
    }
    // Another Velmo window, or velmo-pasto, may have changed the food since this window read it:
    // what it wrote is not overwritten unasked.
    if (const auto now = editing_ ? catalogue_.find(editing_->name) : std::nullopt;
        now && !(*now == *editing_)
        && dialogs_.choose(tr("L'alimento \"%1\" è stato cambiato da un'altra finestra di Velmo o da velmo-pasto "
                              "dopo l'apertura di questa finestra. Salvando, i valori di questa finestra prendono il "
                              "posto dei suoi.")
                               .arg(now->name),
                           QStringLiteral("Velmo"), {tr("Salva questi valori")})
               != 0)
        return false;
    QString error;
    if (!catalogue_.save(food, editing_ ? editing_->name : QString(), &error))
        return refuse(0, error);
    saved_ = food.name;
    return true;
}

}  // namespace velmo
