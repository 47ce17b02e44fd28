#pragma once

#include "energy/energywindowmodel.h"

#include <QHash>
#include <QWidget>

#include <memory>

class QLineEdit;

namespace Ui {
class EnergyWindowForm;
}

namespace velmo::ui {

class BarChart;

// An energy requirement window (women's or men's): renders its model and forwards the user's
// typing, clicks and focus moves to it. The layout is the form's; every child carries its
// control's name as object name.
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
    void wireBox(QLineEdit *box, EnergyControl control);
    void track(QWidget *widget, EnergyControl control);
    void render(EnergyControl control);
    void renderOption(int option);
    void renderFocus(EnergyControl control);
    void placeAgeSelection();

    EnergyWindowModel &model_;
    std::unique_ptr<Ui::EnergyWindowForm> form_;
    BarChart *chart_ = nullptr;
    QHash<EnergyControl, QWidget *> widgets_;
    QHash<QObject *, EnergyControl> controls_;
};

}  // namespace velmo::ui
