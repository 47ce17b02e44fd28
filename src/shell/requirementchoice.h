// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/referenceintakes.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

namespace velmo {

// Whose daily requirement the meal is set against: the current person's when there is one, named;
// otherwise, of the energy windows that hold one, the one computed last. A window is named only
// when more than one holds a requirement, so that the user knows which of them the status bar
// speaks of.
class RequirementChoice {
public:
    // The requirement box of `whose` window now reads `requirementText`; a text that is no number
    // above 0 (the box emptied, or not computed) leaves that window without one.
    // `person`: the sex and age that window computed it for.
    void update(const QString &whose, const QString &requirementText, const QLocale &locale,
                const std::optional<IntakePerson> &person = std::nullopt);

    // The current person (none: no one is current). Its requirement and references stand in for
    // the windows' while it is current, also when the model computes no requirement for it.
    void setCurrentPerson(const QString &name, std::optional<double> kcal, const std::optional<IntakePerson> &person);
    void clearCurrentPerson() { current_.reset(); }

    std::optional<double> kcal() const;
    QString whose() const;
    // The person of the requirement computed last, when that window said whom it was for.
    std::optional<IntakePerson> person() const;

private:
    struct Held {
        QString whose;
        double kcal = 0;
        std::optional<IntakePerson> person;
    };
    std::vector<Held> held_;  // oldest first
    std::optional<Held> current_;
};

}  // namespace velmo
