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

std::optional<double> RequirementChoice::kcal() const
{
    if (held_.empty())
        return std::nullopt;
    return held_.back().kcal;
}

QString RequirementChoice::whose() const
{
    return held_.size() > 1 ? held_.back().whose : QString();
}

std::optional<IntakePerson> RequirementChoice::person() const
{
    return held_.empty() ? std::nullopt : held_.back().person;
}

}  // namespace velmo
