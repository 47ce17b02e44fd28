// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "energy/energywindowmodel.h"

#include <QHash>
#include <QWidget>

#include <array>

class QLabel;

namespace velmo::ui {

class BarChart;

// An energy requirement window (women's or men's): renders its model and forwards the user's
// typing, clicks and focus moves to it. The layout is the form's; the children keep the object
// names the tests and the help pages know.
class EnergyWindow : public QWidget {
    Q_OBJECT
public:
    explicit EnergyWindow(EnergyWindowModel &model, QWidget *parent = nullptr);
    ~EnergyWindow() override;

    EnergyWindowModel &model() { return model_; }
    // The chart's value in column 1 to 3, as drawn.
    double chartValue(int column) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The form's widget of a control the model names.
    template <typename T = QWidget>
    T *widget(EnergyControl control) const
    {
        return static_cast<T *>(widgets_.value(control));
    }
    void wireBox(EnergyControl control);
    void wireOptions(const QString &recommendedTip);
    void track(QWidget *target, EnergyControl control);
    void render(EnergyControl control);
    void renderOption(int option);
    void renderFocus(EnergyControl control);
    void placeAgeSelection();

    EnergyWindowModel &model_;
    BarChart *chart_ = nullptr;
    std::array<QLabel *, 3> gramsLabels_{};
    QHash<EnergyControl, QWidget *> widgets_;
    QHash<QObject *, EnergyControl> controls_;
};

}  // namespace velmo::ui
