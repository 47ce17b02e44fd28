// The main window's meal: the "&Pasto" menu, the title naming the meal's file, and the status
// bar's comparison with the daily requirement.

#include "ui/shell/mainwindow.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <string_view>

namespace velmo::ui {

void MainWindow::buildMealMenu()
{
    mnuPasto_ = menuBar()->addMenu(QStringLiteral("&Pasto"));
    mnuPasto_->setObjectName(QStringLiteral("mnuPasto"));
    MealDocument &document = model_.document();
    struct Command {
        const char *caption;
        const char *objectName;
        QKeySequence shortcut;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"&Nuovo", "mnuPastoNuovo", QKeySequence::New, [&document] { document.newMeal(); }},
        {"&Apri...", "mnuPastoApri", QKeySequence::Open, [&document] { document.open(); }},
        {"&Salva", "mnuPastoSalva", QKeySequence::Save, [&document] { document.save(); }},
        {"Salva &con nome...", "mnuPastoSalvaConNome", QKeySequence(QStringLiteral("Ctrl+Shift+S")),
         [&document] { document.saveAs(); }},
        {"&Esporta CSV...", "mnuPastoEsporta", QKeySequence(),
         [this, &document] { document.exportCsv(model_.comparison()); }},
    };
    for (const Command &c : commands) {
        QAction *action = mnuPasto_->addAction(QString::fromUtf8(c.caption));
        action->setObjectName(QString::fromLatin1(c.objectName));
        action->setShortcut(c.shortcut);
        connect(action, &QAction::triggered, this, c.run);
        if (c.objectName == std::string_view("mnuPastoSalvaConNome"))
            mnuPasto_->addSeparator();
    }
}

void MainWindow::bindMealDocument()
{
    MealDocument &document = model_.document();
    connect(&document, &MealDocument::windowTitleChanged, this,
            [this, &document] { setWindowTitle(document.windowTitle()); });
    QLabel *comparison = panels_[2];
    comparison->setAccessibleName(QStringLiteral("Pasto e fabbisogno"));
    // The date and the time need less room than their panels keep; the comparison, with whose
    // requirement it is, needs all the rest of the fixed-width window.
    for (QLabel *panel : {panels_[0], panels_[1]})
        panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(
            panel == panels_[0] ? QStringLiteral("30 settembre 2026 ") : QStringLiteral("00:00:00 ")));
    QFont small = comparison->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    comparison->setFont(small);
    const auto show = [this, comparison] {
        comparison->setText(model_.comparisonText());
        comparison->setToolTip(model_.comparisonText());
    };
    connect(&model_, &MainWindowModel::comparisonChanged, comparison, show);
    show();
}

}  // namespace velmo::ui
