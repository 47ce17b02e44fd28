#pragma once

#include "common/fixed4.h"
#include "energy/energymodel.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace velmo {

class Dialogs;
class TextPrinting;

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
    const char *caption;           // UTF-8
    ActivityLevel activity;        // NotChosen for the two recommended-activities buttons
    RecommendedActivities column;  // NotChosen for the three activity buttons

    bool isActivity() const { return activity != ActivityLevel::NotChosen; }
};

// The energy requirement window for one sex: the state of its controls and its event handlers.
// As in the controls it stands for, assigning a text or a caption runs that control's change
// handler at once, and selecting an option button from code runs its click: the handlers nest,
// and the nesting is spelled out in `setText` and `setOptionSelected`.
class EnergyWindowModel : public QObject {
    Q_OBJECT
public:
    EnergyWindowModel(Sex sex, Dialogs &dialogs, TextPrinting &printers, QObject *parent = nullptr);

    Sex sex() const { return sex_; }

    // Fixed texts that differ between the two windows.
    QString windowCaption() const;
    QString adultHeading() const;
    QString sexLine() const;
    bool recommendedTooltipOnButtons() const { return sex_ == Sex::Female; }
    QString splitLabelFont() const;
    static QString adolescentHeading();

    // The option buttons in tab order: the three activity levels, then with and without.
    static constexpr std::array<EnergyOption, 5> kOptions{{
        {3, EnergyControl::LightActivityOption, "Leggera", ActivityLevel::Light, RecommendedActivities::NotChosen},
        {4, EnergyControl::ModerateActivityOption, "Moderata", ActivityLevel::Moderate,
         RecommendedActivities::NotChosen},
        {5, EnergyControl::HeavyActivityOption, "Pesante", ActivityLevel::Heavy, RecommendedActivities::NotChosen},
        {12, EnergyControl::WithRecommendedOption, "Con attività fisiche auspicabili", ActivityLevel::NotChosen,
         RecommendedActivities::With},
        {11, EnergyControl::WithoutRecommendedOption, "Senza le attività fisiche auspicabili", ActivityLevel::NotChosen,
         RecommendedActivities::Without},
    }};
    static QString optionCaption(int option);
    static EnergyControl optionControl(int option);
    static int optionNumber(EnergyControl control);  // 0 when not an option button

    // --- What the view shows ---
    // The text of a text box, the caption of a label, or the print notice.
    const QString &text(EnergyControl control) const { return texts_.at(index(control)); }
    const QString &ageText() const { return text(EnergyControl::AgeBox); }
    const QString &weightText() const { return text(EnergyControl::WeightBox); }
    const QString &requirementText() const { return text(EnergyControl::RequirementBox); }
    const QString &basalMetabolismCaption() const { return text(EnergyControl::BasalMetabolismLabel); }
    const QString &lafCaption() const { return text(EnergyControl::LafLabel); }
    const QString &workingLafCaption() const { return text(EnergyControl::WorkingLafLabel); }
    const QString &adolescentSplitCaption() const { return text(EnergyControl::AdolescentSplitLabel); }
    const QString &adultSplitCaption() const { return text(EnergyControl::AdultSplitLabel); }
    const QString &printStatus() const { return text(EnergyControl::PrintStatus); }
    bool adolescentSplitVisible() const { return adolescentSplitVisible_; }
    bool adultSplitVisible() const { return adultSplitVisible_; }
    // The three gram labels: grams of protein, fat, carbohydrate.
    const QString &gramsCaption(int index) const { return grams_.at(static_cast<std::size_t>(index)); }
    double chartValue(int column) const { return chart_.at(static_cast<std::size_t>(column - 1)); }
    bool optionSelected(int option) const { return options_.at(slot(option)).selected; }
    bool optionEnabled(int option) const { return options_.at(slot(option)).enabled; }
    EnergyControl focus() const { return focus_; }
    int ageSelectionStart() const { return ageSelStart_; }
    int ageSelectionLength() const { return ageSelLength_; }

    // The window members; kept for the whole run. Empty when what is typed cannot be read.
    std::optional<qint16> ageMember() const { return age_; }
    std::optional<qint16> weightMember() const { return weight_; }
    std::optional<Fixed4> basalMember() const { return basal_; }
    std::optional<Fixed4> lafMember() const { return laf_; }

    // --- What the user does (the view forwards these) ---
    // Opening restores the controls as designed and puts the focus in the age box; the members stay.
    void opened();
    void closed();
    // Moves the focus as a click or the tab key does: the old control's lost-focus handler, then
    // the new one's got-focus handler. A disabled control does not take the focus.
    void userFocus(EnergyControl control);
    // Whether the box would accept this text as the user's edit: digits only for the age; digits
    // with at most one decimal separator of the user's locale for the weight and the requirement.
    bool acceptsText(EnergyControl box, const QString &text) const;
    // An edit of a text box; refused (false) when the box does not accept the text.
    bool userEdit(EnergyControl box, const QString &text);
    // A click on an option button; it counts only while the button holds the focus, so a button
    // whose got-focus handler sent the focus elsewhere is not selected.
    void userClickOption(int option);
    void userClickPrint();
    void userClickBack();

    // --- Assignments from code: each runs the control's handler as described above ---
    // A text box runs its change handler when its text changes; a label with a handler on every
    // assignment of its caption (so a split label emptied and then set runs its split twice).
    void setText(EnergyControl control, const QString &text);
    void setOptionSelected(int option, bool selected);
    void setOptionEnabled(int option, bool enabled);
    void setFocusTo(EnergyControl control);

    // The eighteen lines of the printed summary for a name, as they stand now.
    QStringList printLines(const QString &name) const;
    static QString printTitle(const QString &name);
    // The PDF file proposed for a name, in the user's documents folder.
    static QString proposedPdfPath(const QString &name);

signals:
    void controlChanged(velmo::EnergyControl control);
    void focusChanged(velmo::EnergyControl control);
    void backRequested();
    void ageSelectionPlaced();

private:
    struct OptionState {
        bool selected = false;
        bool enabled = true;
    };
    static std::size_t slot(int option);
    static std::size_t index(EnergyControl control) { return static_cast<std::size_t>(control); }

    // --- The handlers, named after what their control holds ---
    void ageGotFocus();
    void ageChange();
    void ageLostFocus();
    void weightGotFocus();
    void weightChange();
    void weightLostFocus();
    void basalMetabolismChange();
    void optionGotFocus(int option);
    void optionClick(int option);
    void requirementChange();
    void splitChange(SplitKind kind);  // either division's caption assigned
    void printClick();
    void backClick();

    QLocale locale() const { return QLocale(); }
    // "Con una Attività …" for the first selected pair of activity and column; empty without one.
    QString activityLine() const;
    std::optional<double> readAge() const;
    // The LAF member becomes `value` and the working LAF label shows it.
    void applyLaf(std::optional<Fixed4> value);
    void recomputeRequirement();
    void enableOptions(bool enabled);
    void applyAdolescentFactor();
    bool ageBelowTen() const;
    bool anyActivitySelected() const;
    void clearGrams();
    void gotFocus(EnergyControl control);
    void lostFocus(EnergyControl control);
    void resetControls();
    void attention(const QString &text);

    Sex sex_;
    Dialogs &dialogs_;
    TextPrinting &printers_;

    std::array<QString, static_cast<std::size_t>(EnergyControl::PrintStatus) + 1> texts_;
    bool adolescentSplitVisible_ = true;
    bool adultSplitVisible_ = true;
    std::array<QString, 3> grams_;
    std::array<double, 3> chart_{};
    std::array<OptionState, kOptions.size()> options_{};
    EnergyControl focus_ = EnergyControl::None;
    int ageSelStart_ = 0;
    int ageSelLength_ = 0;

    std::optional<qint16> age_;
    std::optional<qint16> weight_;
    std::optional<Fixed4> basal_;
    std::optional<Fixed4> laf_;
};

}  // namespace velmo
