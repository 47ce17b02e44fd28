#pragma once

#include "energy/launchermodel.h"

#include <QWidget>

#include <array>
#include <utility>

class QLabel;
class QFrame;

namespace velmo::ui {

// The launcher frmSplash: the two programs, the version, the notice and EXIT.
class LauncherWindow : public QWidget {
    Q_OBJECT
public:
    explicit LauncherWindow(QWidget *parent = nullptr);

    LauncherModel &model() { return model_; }

signals:
    void calculatorChosen();   // Label1 "Velmo"
    void requirementChosen();  // Label2 "Fabbisogno Energetico"
    void exitChosen();         // Label5 "EXIT"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void renderColours();
    std::array<std::pair<QLabel *, LauncherCommand>, 3> commands() const;
    LauncherCommand commandOf(const QObject *object) const;
    LauncherCommand commandAt(const QPoint &inWindow) const;  // the command label under a point, if any
    void choose(LauncherCommand command);                     // emits the command's signal

    LauncherModel model_;
    QFrame *frame1_ = nullptr;
    QLabel *label1_ = nullptr;
    QLabel *label2_ = nullptr;
    QLabel *label5_ = nullptr;
    QLabel *version_ = nullptr;
};

}  // namespace velmo::ui
