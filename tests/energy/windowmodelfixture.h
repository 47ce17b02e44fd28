// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "energy/energywindowmodel.h"
#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"
#include "support/localeguard.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmo::test {

// Expected texts are written with a point and shown with the locale's separator.
inline QString loc(const char *pointText)
{
    QString text = QString::fromUtf8(pointText);
    text.replace(u'.', QLocale().decimalPoint());
    return text;
}

// One energy window model, opened, with recording dialogs and printers, under a chosen locale.
class WindowModelTest : public ::testing::TestWithParam<const char *> {
protected:
    using C = EnergyControl;
    void SetUp() override { guard = std::make_unique<LocaleGuard>(GetParam()); }

    void open(Sex sex)
    {
        model = std::make_unique<EnergyWindowModel>(sex, dialogs, printers);
        model->opened();
    }

    // Types character by character into a box, as the keyboard does, focusing it first if needed.
    void type(EnergyControl box, const char *pointText)
    {
        if (model->focus() != box)
            model->userFocus(box);
        const QString text = loc(pointText);
        for (QChar c : text) {
            const QString &current = model->text(box);
            ASSERT_TRUE(model->userEdit(box, current + c)) << "refused: " << qPrintable(current + c);
        }
    }

    // Focuses an option button and clicks it, as the mouse does.
    void click(int option)
    {
        model->userFocus(EnergyWindowModel::optionControl(option));
        model->userClickOption(option);
    }

    // Plays what a user does, step by step: "a30" types the age, "w60" the weight and "r2000" the
    // requirement (a point for the decimal separator), "c4" focuses and clicks option 4, "o11"
    // only focuses option 11, "f1" focuses the age box (f2 the requirement, f3 the weight), "e3=6"
    // puts "6" in the weight box at once.
    void play(Sex sex, const char *script)
    {
        open(sex);
        for (const QString &step : QString::fromLatin1(script).split(u' ', Qt::SkipEmptyParts)) {
            const QString arg = step.mid(1);
            const C box = arg.startsWith(u'1') ? C::AgeBox : arg.startsWith(u'2') ? C::RequirementBox : C::WeightBox;
            switch (step.at(0).toLatin1()) {
            case 'a': type(C::AgeBox, qPrintable(arg)); break;
            case 'w': type(C::WeightBox, qPrintable(arg)); break;
            case 'r': type(C::RequirementBox, qPrintable(arg)); break;
            case 'c': click(arg.toInt()); break;
            case 'o': model->userFocus(EnergyWindowModel::optionControl(arg.toInt())); break;
            case 'f': model->userFocus(box); break;
            case 'e': model->userEdit(box, loc(qPrintable(arg.mid(2)))); break;
            default: FAIL() << "unknown step " << qPrintable(step);
            }
        }
    }

    QStringList grams() const { return {model->gramsCaption(0), model->gramsCaption(1), model->gramsCaption(2)}; }

    std::unique_ptr<LocaleGuard> guard;
    FakeDialogs dialogs;
    FakePrinterService printers;
    std::unique_ptr<EnergyWindowModel> model;
};

}  // namespace velmo::test
