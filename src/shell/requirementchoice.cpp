// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/requirementchoice.h"

#include "common/numbertext.h"

#include <algorithm>

namespace velmo {

void RequirementChoice::update(const QString &whose, const QString &requirementText, const QLocale &locale)
{
    std::erase_if(held_, [&](const auto &held) { return held.first == whose; });
    const auto kcal = readLocaleNumber(requirementText, locale);
    if (kcal && *kcal > 0.0)
        held_.emplace_back(whose, *kcal);
}

std::optional<double> RequirementChoice::kcal() const
{
    if (held_.empty())
        return std::nullopt;
    return held_.back().second;
}

QString RequirementChoice::whose() const
{
    return held_.size() > 1 ? held_.back().first : QString();
}

}  // namespace velmo
