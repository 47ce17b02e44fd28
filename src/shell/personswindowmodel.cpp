// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/personswindowmodel.h"

#include "common/dialogs.h"
#include "plan/personmetrics.h"
#include "plan/personrules.h"
#include "shell/personsession.h"

#include <utility>

namespace velmo {

PersonsWindowModel::PersonsWindowModel(PersonSession &session, QUndoStack &stack, QObject *parent)
    : QObject(parent), session_(session), stack_(stack), persons_(session, stack), weights_(session, stack),
      date_(session.today())
{
    connect(&session_, &PersonSession::personsChanged, this, &PersonsWindowModel::reloadSelected);
    connect(&session_, &PersonSession::currentChanged, this, &PersonsWindowModel::selectionChanged);
    // The selection follows its person through a rename, undone or made again.
    connect(&session_, &PersonSession::personRenamed, this, [this](const QString &oldName, const QString &newName) {
        if (lost_ == oldName || selected_ == oldName)
            select(newName);
    });
}

bool PersonsWindowModel::open()
{
    if (!session_.store())
        return false;
    if (const StoreResult result = persons_.reload(); !result.ok()) {
        session_.dialogs().message(result.message, warningTitle(), MessageIcon::Critical);
        return false;
    }
    return true;
}

void PersonsWindowModel::select(const QString &name)
{
    if (name == selected_)
        return;
    const QString before = std::exchange(selected_, name);
    if (!reloadSelected())
        selected_ = before;
}

bool PersonsWindowModel::reloadSelected()
{
    StoreResult result = persons_.reload();
    std::optional<Person> person;
    if (result.ok() && !selected_.isEmpty() && session_.isOpen())
        person = session_.store()->person(selected_, nullptr, &result);
    // A store another program holds keeps the person shown, and the user is told why it is not
    // read again; only a person the store no longer has is let go.
    if (!result.ok() && result.kind != StoreResult::Kind::Missing) {
        session_.dialogs().message(result.message, warningTitle(), MessageIcon::Critical);
        return false;
    }
    if (!person) {
        lost_ = selected_;
        selected_.clear();
    }
    person_ = person;
    weights_.setPerson(person_);
    emit selectionChanged();
    return true;
}

bool PersonsWindowModel::selectedIsCurrent() const
{
    return !selected_.isEmpty() && selected_ == session_.currentName();
}

void PersonsWindowModel::setDate(QDate date)
{
    if (!date.isValid() || date == date_)
        return;
    date_ = date;
    emit selectionChanged();
}

QString PersonsWindowModel::ageText() const
{
    if (!person_)
        return {};
    const auto age = ageInYears(person_->birthDate, date_);
    if (!age)
        return tr("La data scelta viene prima della nascita: scegliere una data successiva.");
    return tr("Età: %n anni", nullptr, *age);
}

QString PersonsWindowModel::bmiText() const
{
    if (!person_ || !ageInYears(person_->birthDate, date_))
        return {};
    const auto index = bodyMassIndex(*person_, date_);
    if (!index)
        return tr("Indice di massa corporea: aggiungere un peso per calcolarlo.");
    return tr("Indice di massa corporea: %1").arg(bodyMassIndexText(*index, QLocale()));
}

QString PersonsWindowModel::requirementText() const
{
    if (!person_)
        return {};
    const QLocale locale;
    const auto profile = energyProfile(*person_, date_, locale);
    if (const QString past = pastEnergyTablesText(*person_, date_, locale); !past.isEmpty())
        return tr("Fabbisogno energetico: %1.").arg(past);
    if (!profile)
        return ageInYears(person_->birthDate, date_) ? tr("Fabbisogno energetico: aggiungere un peso per calcolarlo.")
                                                     : QString();
    const EnergyRequirement r = computeRequirement(*profile, locale);
    QStringList lines{tr("Peso per il calcolo: %1 kg (intero, come nelle finestre LAF)").arg(profile->weight),
                      tr("Metabolismo basale: %1 kcal").arg(basalText(r.basalMetabolism, locale))};
    if (!r.laf) {
        lines << (profile->age < 10 ? tr("Sotto i 10 anni si calcola il solo metabolismo basale.")
                                    : tr("Per il fabbisogno scegliere, con «Modifica...», l'attività e le attività "
                                         "fisiche auspicabili."));
        return lines.join(u'\n');
    }
    lines << tr("LAF: %1").arg(lafText(*r.laf, locale));
    if (r.energy)
        lines << tr("Fabbisogno energetico: %1 kcal").arg(energyText(*r.energy, locale));
    if (const QString note = requirementConditionNote(*person_); r.energy && !note.isEmpty())
        lines << note;
    if (r.split) {
        const MacronutrientSplit &s = *r.split;
        lines << splitCaption(profile->sex, splitKindForAge(profile->age))
              << tr("Protidi %1 % = %2 g · Lipidi %3 % = %4 g · Glucidi %5 % = %6 g")
                     .arg(s.proteinPercent)
                     .arg(gramsText(s.proteinGrams, locale))
                     .arg(s.fatPercent)
                     .arg(gramsText(s.fatGrams, locale))
                     .arg(s.carbohydratePercent)
                     .arg(gramsText(s.carbohydrateGrams, locale));
    }
    return lines.join(u'\n');
}

namespace {

// `before`: the person as stored, whose birth date, unchanged, is not judged again.
bool refused(PersonSession &session, const Person &person, const Person *before = nullptr)
{
    auto fault = personFault(person, session.today());
    if (!fault && (!before || before->birthDate != person.birthDate))
        fault = birthDateFault(person.birthDate, session.today());
    if (fault)
        session.dialogs().message(fault->message, warningTitle(), MessageIcon::Critical);
    return fault.has_value();
}

}  // namespace

bool PersonsWindowModel::addPerson(const Person &person)
{
    if (refused(session_, person)
        || !pushPersonChange(stack_, session_, tr("nuova persona %1").arg(person.name), std::nullopt,
                             PersonRecord{person, {}}))
        return false;
    select(person.name);
    return true;
}

bool PersonsWindowModel::editSelected(const Person &person)
{
    if (!person_ || refused(session_, person, &*person_)
        || !pushPersonChange(stack_, session_, tr("modifica di %1").arg(person_->name), PersonRecord{*person_, {}},
                             PersonRecord{person, {}}))
        return false;
    select(person.name);
    return true;
}

bool PersonsWindowModel::removeSelected()
{
    if (!person_ || !session_.isOpen())
        return false;
    if (session_.dialogs().askYesNoCancel(tr("Eliminare %1 con tutti i suoi pesi e giorni? Nell'archivio delle "
                                             "persone non ne resterà traccia; il comando Modifica > Annulla "
                                             "(Ctrl+Z) la riporta finché Velmo è aperto.")
                                              .arg(person_->name),
                                          tr("Elimina persona"))
        != Answer::Yes)
        return false;
    // The days go with the person: the step keeps them, in memory, to bring them back.
    StoreResult result;
    const auto record = session_.store()->record(person_->name, &result);
    if (!record) {
        session_.dialogs().message(result.message, warningTitle(), MessageIcon::Critical);
        return false;
    }
    return pushPersonChange(stack_, session_, tr("eliminazione di %1").arg(person_->name), record, std::nullopt);
}

void PersonsWindowModel::makeSelectedCurrent()
{
    if (person_)
        session_.setCurrentName(person_->name);
}

void PersonsWindowModel::clearCurrent()
{
    session_.setCurrentName(QString());
}

}  // namespace velmo
