// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/fixed4.h"
#include "energy/energymodel.h"
#include "energy/energyprintout.h"
#include "energy/energywindowcontrols.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace velmo {

class Dialogs;
class TextPrinting;

// The energy requirement window for one sex: its event handlers, what they compute and keep, and
// what the view shows beyond the controls' texts and buttons.
class EnergyWindowModel : public EnergyWindowControls {
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

    // --- What the view shows ---
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
    // Whether the box would accept this text as the user's edit: digits only for the age; digits
    // with at most one decimal separator of the user's locale for the weight and the requirement.
    bool acceptsText(EnergyControl box, const QString &text) const;
    // The text the box takes for this edit: as typed when accepted; in the weight box, the other
    // separator typed read as the decimal one ("6.5" under Italian is six and a half kilos, not 65);
    // none when refused.
    std::optional<QString> acceptedText(EnergyControl box, const QString &text) const;
    // An edit of a text box, as acceptedText() takes it; refused (false) when the box does not.
    bool userEdit(EnergyControl box, const QString &text);
    void userClickPrint();
    void userClickBack();

    // What the window prints now, and its eighteen lines for a name.
    EnergySummary summary() const;
    QStringList printLines(const QString &name) const { return EnergyPrintout::lines(summary(), name); }

signals:
    void backRequested();
    void ageSelectionPlaced();

protected:
    // The handlers of the controls, each passed on to the one of its control.
    void textAssigned(EnergyControl control) override;
    void optionClicked(int option) override { optionClick(option); }
    void gotFocus(EnergyControl control) override;
    void lostFocus(EnergyControl control) override;

private:
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
    void resetControls();
    void attention(const QString &text);

    Sex sex_;
    Dialogs &dialogs_;
    TextPrinting &printers_;

    bool adolescentSplitVisible_ = true;
    bool adultSplitVisible_ = true;
    std::array<QString, 3> grams_;
    std::array<double, 3> chart_{};
    int ageSelStart_ = 0;
    int ageSelLength_ = 0;

    std::optional<qint16> age_;
    std::optional<qint16> weight_;
    std::optional<Fixed4> basal_;
    std::optional<Fixed4> laf_;
};

}  // namespace velmo
