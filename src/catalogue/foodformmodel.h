// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/personalcatalogue.h"
#include "catalogue/personalfood.h"
#include "common/dialogs.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace velmo {

// The food window without its widgets: the name, the seven numbers and the optional values of
// the other nutrients as the user types them, in the user's number format, and the checks that
// stand between them and the catalogue.
class FoodFormModel {
    Q_DECLARE_TR_FUNCTIONS(FoodFormModel)

public:
    // Field 0 is the name, 1 the edible part, 2 to 7 the nutrients in column order.
    static constexpr int kFieldCount = 8;
    // Then the other nutrients, in the order of extraNutrients().
    static constexpr int kAllFieldCount = kFieldCount + static_cast<int>(kExtraNutrientCount);
    // The household measures, one text ("fetta=30|cucchiaio=10"): where focusField() points when
    // they are refused.
    static constexpr int kMeasuresField = kAllFieldCount;

    // A new food, or the food `editing` to change.
    FoodFormModel(PersonalCatalogue &catalogue, Dialogs &dialogs, std::optional<PersonalFood> editing = std::nullopt);

    QString title() const;
    // The label of a field, with its unit and range.
    static QString caption(int field);
    QString text(int field) const { return texts_[static_cast<std::size_t>(field)]; }
    void setText(int field, const QString &text) { texts_[static_cast<std::size_t>(field)] = text; }
    QString measures() const { return measures_; }
    void setMeasures(const QString &text) { measures_ = text; }

    // The OK button: checks every field, asks whether to keep values that only look wrong
    // (valueDoubts), and saves. True once the food is in the catalogue; otherwise a message
    // has said why and focusField() is where the user should go.
    bool accept();
    // "Annulla", Esc or the window's close box: the window closes when nothing was typed since it
    // opened; otherwise the user says whether to save first (Save: as the OK button), to close
    // without saving, or to stay.
    enum class Leaving { Close, Save, Stay };
    Leaving leave();
    int focusField() const { return focus_; }
    QString savedName() const { return saved_; }
    // The name the food had when the window opened; empty for a new food.
    QString editedName() const { return editing_ ? editing_->name : QString(); }
    // Asked before a food is saved under a new name (not only other capitals); false keeps the
    // window open on the name.
    void setRenameCheck(std::function<bool()> check) { renameCheck_ = std::move(check); }

private:
    bool refuse(int field, const QString &message);
    // The other nutrients' fields into `food`; false once one is refused.
    bool readExtra(PersonalFood *food);

    PersonalCatalogue &catalogue_;
    Dialogs &dialogs_;
    std::optional<PersonalFood> editing_;
    std::function<bool()> renameCheck_;
    std::array<QString, kAllFieldCount> texts_;
    QString measures_;
    std::array<QString, kAllFieldCount> openedTexts_;  // as the window opened
    QString openedMeasures_;
    int focus_ = 0;
    QString saved_;
};

}  // namespace velmo
