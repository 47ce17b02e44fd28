// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "energy/energymodel.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <utility>

namespace velmo {

// The controls of an energy requirement window that the logic reads or writes, in tab order.
enum class EnergyControl {
    None,
    AgeBox,
    WeightBox,
    LightActivityOption,       // "Leggera"
    ModerateActivityOption,    // "Moderata"
    HeavyActivityOption,       // "Pesante"
    WithRecommendedOption,     // with the recommended physical activities
    WithoutRecommendedOption,  // without them
    RequirementBox,            // the energy requirement
    PrintButton,
    BackButton,  // back to the launcher
    BasalMetabolismLabel,
    LafLabel,              // the LAF shown to the user
    WorkingLafLabel,       // the LAF the requirement is computed from
    AdolescentSplitLabel,  // the caption of the adolescents' division
    AdultSplitLabel,       // the caption of the adults' division
    GramsLabels,           // the three gram labels and the chart
    PrintStatus,
};

// One option button: its number (3, 4 and 5 the activity levels, 12 and 11 with and without the
// recommended activities, as the window has always numbered them), the activity level it stands
// for, or the recommended-activities column it stands for.
struct EnergyOption {
    int number;
    EnergyControl control;
    const char *caption;           // UTF-8, to be translated: optionCaption()
    ActivityLevel activity;        // NotChosen for the two recommended-activities buttons
    RecommendedActivities column;  // NotChosen for the three activity buttons

    bool isActivity() const { return activity != ActivityLevel::NotChosen; }
};

// The controls of an energy requirement window as its code sees them: the texts of its boxes and
// labels, its option buttons and the focus. As in the controls they stand for, assigning a text or
// a caption runs that control's change handler at once, selecting an option button from code runs
// its click, and a focus move runs the lost-focus handler of the control that had the focus, then
// the got-focus handler of the one that takes it: the handlers nest, and the nesting is spelled
// out here. The handlers are the window model's.
class EnergyWindowControls : public QObject {
    Q_OBJECT
public:
    // The option buttons in tab order: the three activity levels, then with and without.
    static constexpr std::array<EnergyOption, 5> kOptions{{
        {3, EnergyControl::LightActivityOption, QT_TRANSLATE_NOOP("velmo::EnergyWindowControls", "Leggera"),
         ActivityLevel::Light, RecommendedActivities::NotChosen},
        {4, EnergyControl::ModerateActivityOption, QT_TRANSLATE_NOOP("velmo::EnergyWindowControls", "Moderata"),
         ActivityLevel::Moderate, RecommendedActivities::NotChosen},
        {5, EnergyControl::HeavyActivityOption, QT_TRANSLATE_NOOP("velmo::EnergyWindowControls", "Pesante"),
         ActivityLevel::Heavy, RecommendedActivities::NotChosen},
        {12, EnergyControl::WithRecommendedOption,
         QT_TRANSLATE_NOOP("velmo::EnergyWindowControls", "Con attività fisiche auspicabili"), ActivityLevel::NotChosen,
         RecommendedActivities::With},
        {11, EnergyControl::WithoutRecommendedOption,
         QT_TRANSLATE_NOOP("velmo::EnergyWindowControls", "Senza le attività fisiche auspicabili"),
         ActivityLevel::NotChosen, RecommendedActivities::Without},
    }};
    // The caption of an option button in the interface's language.
    static QString optionCaption(const EnergyOption &option) { return tr(option.caption); }
    static EnergyControl optionControl(int option);
    static int optionNumber(EnergyControl control);  // 0 when not an option button

    // The text of a text box, the caption of a label, or the print notice.
    const QString &text(EnergyControl control) const { return texts_.at(index(control)); }
    bool optionSelected(int option) const { return options_.at(slot(option)).selected; }
    bool optionEnabled(int option) const { return options_.at(slot(option)).enabled; }
    EnergyControl focus() const { return focus_; }

    // Moves the focus as a click or the tab key does. A disabled control does not take the focus.
    void userFocus(EnergyControl control) { setFocusTo(control); }
    // A click on an option button; it counts only while the button holds the focus, so a button
    // whose got-focus handler sent the focus elsewhere is not selected.
    void userClickOption(int option);
    // Closing unloads the controls: no lost-focus handler runs.
    void closed();

    // --- Assignments from code: each runs the control's handler as described above ---
    // A text box runs its change handler when its text changes; a label with a handler on every
    // assignment of its caption (so a split label emptied and then set runs its split twice).
    void setText(EnergyControl control, const QString &text);
    void setOptionSelected(int option, bool selected);
    void setOptionEnabled(int option, bool enabled);
    void setFocusTo(EnergyControl control);

signals:
    void controlChanged(velmo::EnergyControl control);
    void focusChanged(velmo::EnergyControl control);

protected:
    explicit EnergyWindowControls(QObject *parent) : QObject(parent) {}

    // The handlers.
    virtual void textAssigned(EnergyControl control) = 0;
    virtual void optionClicked(int option) = 0;
    virtual void gotFocus(EnergyControl control) = 0;
    virtual void lostFocus(EnergyControl control) = 0;

    // The button of that number; every number the window uses has one.
    static const EnergyOption &optionButton(int number);
    // The number of the button for a recommended-activities column.
    static int columnOption(RecommendedActivities column);

    // The controls as designed: every text empty but `texts`, every option button enabled and none
    // selected. No handler runs, and the view is not told yet.
    void clearControls(std::initializer_list<std::pair<EnergyControl, QString>> texts);
    // The focus is nowhere, without a handler, and the view is not told.
    void forgetFocus() { focus_ = EnergyControl::None; }

private:
    struct OptionState {
        bool selected = false;
        bool enabled = true;
    };
    static std::size_t slot(int option);
    static std::size_t index(EnergyControl control) { return static_cast<std::size_t>(control); }

    std::array<QString, static_cast<std::size_t>(EnergyControl::PrintStatus) + 1> texts_;
    std::array<OptionState, kOptions.size()> options_{};
    EnergyControl focus_ = EnergyControl::None;
};

}  // namespace velmo
