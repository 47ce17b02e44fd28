#pragma once

#include "energy/energywindowmodel.h"

#include <QHash>
#include <QWidget>

class QBarSet;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;

namespace velmo::ui {

// An energy requirement window (women's or men's): renders its model and forwards the user's
// typing, clicks and focus moves to it. Every child carries its control's name as object name.
class EnergyWindow : public QWidget {
    Q_OBJECT
public:
    explicit EnergyWindow(EnergyWindowModel &model, QWidget *parent = nullptr);

    EnergyWindowModel &model() { return model_; }
    // The chart's value in column 1 to 3, as drawn.
    double chartValue(int column) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void track(QWidget *widget, EnergyControl control);
    void render(EnergyControl control);
    void renderOption(int option);
    void renderFocus(EnergyControl control);
    void placeText1Selection();
    static void setTextKeepingCursor(QLineEdit *box, const QString &text);

    EnergyWindowModel &model_;
    QLineEdit *text1_ = nullptr;
    QLineEdit *text3_ = nullptr;
    QLineEdit *text2_ = nullptr;
    QLabel *label1_ = nullptr;
    QLabel *label2_ = nullptr;
    QLabel *label3_ = nullptr;
    QLabel *label7_ = nullptr;
    QLabel *label8_ = nullptr;
    QLabel *label6_[3] = {};
    QLabel *status_ = nullptr;
    QBarSet *chartSet_ = nullptr;
    QPushButton *command1_ = nullptr;
    QPushButton *command3_ = nullptr;
    QHash<int, QRadioButton *> options_;
    QHash<QObject *, EnergyControl> controls_;
};

}  // namespace velmo::ui
