// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/requirementchoice.h"

#include "common/numbertext.h"

#include <algorithm>

namespace velmo {

void RequirementChoice::update(const QString &whose, const QString &requirementText, const QLocale &locale,
                               const std::optional<IntakePerson> &person)
{
    std::erase_if(held_, [&](const Held &held) { return held.whose == whose; });
    const auto kcal = readLocaleNumber(requirementText, locale);
    if (kcal && *kcal > 0.0)
        held_.push_back({whose, *kcal, person});
}

void RequirementChoice::setCurrentPerson(const QString &name, std::optional<double> kcal,
                                         const std::optional<IntakePerson> &person)
{
    // A person without a requirement holds none: 0 stands for it.
    current_ = Held{name, kcal && *kcal > 0.0 ? *kcal : 0.0, person};
}

std::optional<double> RequirementChoice::kcal() const
{
    if (current_)
        return current_->kcal > 0.0 ? std::optional(current_->kcal) : std::nullopt;
    if (held_.empty())
        return std::nullopt;
    return held_.back().kcal;
}

QString RequirementChoice::whose() const
{
    if (current_)
        return current_->whose;
    return held_.size() > 1 ? held_.back().whose : QString();
}

std::optional<IntakePerson> RequirementChoice::person() const
{
    if (current_)
        return current_->person;
    return held_.empty() ? std::nullopt : held_.back().person;
}

}  // namespace velmo
