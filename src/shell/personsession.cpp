// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/personsession.h"

#include "common/dialogs.h"
#include "common/settings.h"
#include "plan/personmetrics.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace velmo {

PersonSession::PersonSession(Dialogs &dialogs, QObject *parent)
    : QObject(parent), dialogs_(dialogs), path_(PersonStore::defaultPath())
{
}

PersonSession::~PersonSession() = default;

void PersonSession::setSettings(Settings *settings)
{
    settings_ = settings;
    current_ = settings_ ? settings_->currentPerson() : QString();
    emit currentChanged();
}

PersonStore *PersonSession::store()
{
    if (store_)
        return store_.get();
    QString error;
    store_ = PersonStore::open(path_, true, &error);
    if (!store_) {
        dialogs_.message(error, warningTitle(), MessageIcon::Critical);
        return nullptr;
    }
    connect(store_.get(), &PersonStore::changed, this, &PersonSession::personsChanged);
    return store_.get();
}

void PersonSession::setCurrentName(const QString &name)
{
    if (name == current_)
        return;
    current_ = name;
    if (settings_)
        settings_->setCurrentPerson(name);
    emit currentChanged();
}

std::optional<CurrentPersonRequirement> PersonSession::currentRequirement()
{
    if (current_.isEmpty())
        return std::nullopt;
    std::unique_ptr<PersonStore> glance;
    if (!store_) {
        // Made, when missing, as the store's first use would make it; refused with the same words.
        QString error;
        glance = PersonStore::open(path_, true, &error, PersonStore::Check::Structure);
        if (!glance) {
            dialogs_.message(error, warningTitle(), MessageIcon::Critical);
            return std::nullopt;
        }
    }
    PersonStore *persons = store_ ? store_.get() : glance.get();
    StoreResult result;
    const auto person = persons->person(current_, nullptr, &result);
    if (!person) {
        if (result.kind == StoreResult::Kind::Missing)
            setCurrentName(QString());
        return std::nullopt;
    }
    // A day before the birth (a slip of its date) has no numbers of its own: today's stand in.
    QDate at = requirementDate();
    if (person->birthDate.isValid() && at < person->birthDate)
        at = today();
    CurrentPersonRequirement requirement{person->name, std::nullopt, intakePerson(*person, at),
                                         pastEnergyTablesText(*person, at, QLocale())};
    if (const auto energy = personRequirement(*person, at, QLocale()))
        requirement.kcal = energy->energy;
    return requirement;
}

namespace {

// The same person whatever order its weights were read or written in.
bool samePerson(Person a, Person b)
{
    const auto byDate = [](const WeightRecord &x, const WeightRecord &y) { return x.date < y.date; };
    std::sort(a.weights.begin(), a.weights.end(), byDate);
    std::sort(b.weights.begin(), b.weights.end(), byDate);
    return a == b;
}

// A refusal is told; one because another window changed the persons shows them as they are now,
// so that the user may repeat the change on them.
void tell(PersonSession &session, const StoreResult &result)
{
    if (!result.message.isEmpty())
        session.dialogs().message(result.message, warningTitle(), MessageIcon::Critical);
    if (result.kind == StoreResult::Kind::Conflict || result.kind == StoreResult::Kind::Missing)
        emit session.personsChanged();
}

}  // namespace

// The steps' own kind, which merges nothing.
constexpr int kPersonChangeId = 0x50657273;

class PersonChange : public QUndoCommand {
public:
    int id() const override { return kPersonChangeId; }

    PersonChange(PersonSession &session, const QString &text, std::optional<PersonRecord> before,
                 std::optional<PersonRecord> after)
        : QUndoCommand(text), session_(session), before_(std::move(before)), after_(std::move(after))
    {
    }

    // The change done, or the store's refusal.
    StoreResult apply(const std::optional<PersonRecord> &from, const std::optional<PersonRecord> &to)
    {
        PersonStore *store = session_.store();
        if (!store)
            return {StoreResult::Kind::Failed, QString()};
        StoreResult result;
        qint64 revision = 0;
        // Taken before the store tells of the change: whoever reads the current person then finds
        // its old name gone.
        const bool wasCurrent = from && session_.currentName() == from->person.name;
        if (from) {
            // What the step changes must still be what it was: another window may have changed it.
            const auto stored = store->person(from->person.name, &revision, &result);
            if (!stored && result.kind != StoreResult::Kind::Missing)
                return result;
            if (!stored || !samePerson(*stored, from->person))
                return {StoreResult::Kind::Conflict,
                        PersonSession::tr("Modifica non fatta: la persona è stata modificata da un'altra finestra "
                                          "di Velmo. La finestra Persone la mostra ora com'è salvata: ripetere "
                                          "la modifica.")};
        }
        if (!from) {
            // What the store held, or what was added by a form that checked it, goes back as it was.
            result = store->importRecord(*to, false, {}, true);
            // A person removed while current comes back current, unless another became so since.
            if (result.ok() && std::exchange(removedCurrent_, false) && session_.currentName().isEmpty())
                session_.setCurrentName(to->person.name);
            return result;
        }
        if (!to) {
            // A person removed by a step (an addition undone, a removal made again) goes with the
            // days the step knew: days planned since are not lost unseen.
            const auto now = store->record(from->person.name, &result);
            if (!now)
                return result;
            // A day without foods is no plan: a window leaves one where its only change was undone.
            const auto planned = [](std::vector<std::pair<QDate, MealDay>> days) {
                std::erase_if(days, [](const auto &day) {
                    return std::all_of(day.second.meals.cbegin(), day.second.meals.cend(),
                                       [](const DayMeal &meal) { return meal.entries.empty(); });
                });
                return days;
            };
            if (planned(now->days) != planned(from->days))
                return {StoreResult::Kind::Conflict,
                        PersonSession::tr("Modifica non fatta: la persona ha giorni conservati che questo passo non "
                                          "conosce. Per eliminarla con i suoi giorni usare \"Elimina persona\".")};
            result = store->removePerson(from->person.name);
            // The person is gone even when its name could not yet be wiped from the file's bytes:
            // the step is done, and the user is told to try again.
            StoreResult lookup;
            if (!result.ok() && !store->person(from->person.name, nullptr, &lookup)
                && lookup.kind == StoreResult::Kind::Missing)
                result.kind = StoreResult::Kind::Done;
            removedCurrent_ = result.ok() && wasCurrent;
            if (removedCurrent_)
                session_.setCurrentName(QString());
            return result;
        }
        result = store->updatePerson(from->person.name, to->person, revision);
        if (result.ok() && wasCurrent)
            session_.setCurrentName(to->person.name);
        if (result.ok() && from->person.name != to->person.name)
            emit session_.personRenamed(from->person.name, to->person.name);
        return result;
    }

    void redo() override
    {
        if (first_)
            first_ = false;
        else
            run(before_, after_);
    }
    void undo() override { run(after_, before_); }

private:
    void run(const std::optional<PersonRecord> &from, const std::optional<PersonRecord> &to)
    {
        const StoreResult result = apply(from, to);
        tell(session_, result);
        if (!result.ok())
            setObsolete(true);  // the stack lets it go: the store no longer is as it says
    }

    PersonSession &session_;
    std::optional<PersonRecord> before_;
    std::optional<PersonRecord> after_;
    bool first_ = true;
    bool removedCurrent_ = false;
};

bool pushPersonChange(QUndoStack &stack, PersonSession &session, const QString &text,
                      std::optional<PersonRecord> before, std::optional<PersonRecord> after)
{
    auto change = std::make_unique<PersonChange>(session, text, before, after);
    const StoreResult result = change->apply(before, after);
    tell(session, result);
    if (!result.ok())
        return false;
    stack.push(change.release());
    return true;
}

bool isPersonChange(const QUndoCommand *command)
{
    return command && command->id() == kPersonChangeId;
}

}  // namespace velmo
