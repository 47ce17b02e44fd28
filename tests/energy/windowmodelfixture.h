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
    void SetUp() override { guard = std::make_unique<LocaleGuard>(GetParam()); }

    EnergyWindowModel &open(Sex sex)
    {
        model = std::make_unique<EnergyWindowModel>(sex, dialogs, printers);
        model->opened();
        return *model;
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

    QStringList grams() const { return {model->gramsCaption(0), model->gramsCaption(1), model->gramsCaption(2)}; }

    std::unique_ptr<LocaleGuard> guard;
    FakeDialogs dialogs;
    FakePrinterService printers;
    std::unique_ptr<EnergyWindowModel> model;
};

}  // namespace velmo::test
