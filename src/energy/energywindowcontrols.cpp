// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energy/energywindowcontrols.h"

namespace velmo {

namespace {

const EnergyOption *findOption(int number)
{
    for (const EnergyOption &option : EnergyWindowControls::kOptions)
        if (option.number == number)
            return &option;
    return nullptr;
}

}  // namespace

EnergyControl EnergyWindowControls::optionControl(int option)
{
    const EnergyOption *found = findOption(option);
    return found ? found->control : EnergyControl::None;
}

int EnergyWindowControls::optionNumber(EnergyControl control)
{
    for (const EnergyOption &option : kOptions)
        if (option.control == control)
            return option.number;
    return 0;
}

const EnergyOption &EnergyWindowControls::optionButton(int number)
{
    return kOptions.at(slot(number));
}

int EnergyWindowControls::columnOption(RecommendedActivities column)
{
    for (const EnergyOption &option : kOptions)
        if (option.column == column)
            return option.number;
    return 0;
}

std::size_t EnergyWindowControls::slot(int option)
{
    const EnergyOption *found = findOption(option);
    Q_ASSERT_X(found, "EnergyWindowControls", "no such option button");
    return found ? static_cast<std::size_t>(found - kOptions.data()) : 0;
}

void EnergyWindowControls::clearControls(std::initializer_list<std::pair<EnergyControl, QString>> texts)
{
    texts_.fill(QString());
    for (const auto &[control, text] : texts)
        texts_.at(index(control)) = text;
    options_.fill(OptionState{});
}

void EnergyWindowControls::closed()
{
    forgetFocus();
    emit focusChanged(focus_);
}

void EnergyWindowControls::userClickOption(int option)
{
    if (focus_ != optionControl(option) || !optionEnabled(option))
        return;
    setOptionSelected(option, true);
}

void EnergyWindowControls::setText(EnergyControl control, const QString &text)
{
    QString &held = texts_.at(index(control));
    const bool textBox = control == EnergyControl::AgeBox || control == EnergyControl::WeightBox
                         || control == EnergyControl::RequirementBox;
    if (textBox && text == held)
        return;
    held = text;
    emit controlChanged(control);
    textAssigned(control);
}

void EnergyWindowControls::setOptionSelected(int option, bool selected)
{
    OptionState &state = options_.at(slot(option));
    if (state.selected == selected)
        return;
    if (selected) {
        // The two groups are exclusive each within itself.
        const bool activity = optionButton(option).isActivity();
        for (const EnergyOption &other : kOptions) {
            if (other.number != option && other.isActivity() == activity && optionSelected(other.number)) {
                options_.at(slot(other.number)).selected = false;
                emit controlChanged(other.control);
            }
        }
    }
    state.selected = selected;
    emit controlChanged(optionControl(option));
    if (selected)
        optionClicked(option);
}

void EnergyWindowControls::setOptionEnabled(int option, bool enabled)
{
    OptionState &state = options_.at(slot(option));
    if (state.enabled == enabled)
        return;
    state.enabled = enabled;
    emit controlChanged(optionControl(option));
}

void EnergyWindowControls::setFocusTo(EnergyControl control)
{
    if (control == focus_ || control == EnergyControl::None)
        return;
    const int option = optionNumber(control);
    if (option != 0 && !optionEnabled(option))
        return;
    const EnergyControl previous = focus_;
    focus_ = control;
    emit focusChanged(focus_);
    lostFocus(previous);
    if (focus_ != control)
        return;  // the lost-focus handler sent the focus elsewhere
    if (option != 0 && !optionEnabled(option)) {
        // The lost-focus handler disabled the target: the focus stays where it was.
        focus_ = previous;
        emit focusChanged(focus_);
        return;
    }
    gotFocus(control);
}

}  // namespace velmo
