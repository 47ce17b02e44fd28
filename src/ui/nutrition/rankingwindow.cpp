// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/nutrition/rankingwindow.h"

#include "meal/nutrientrankingmodel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace velmo::ui {

namespace {

QComboBox *choiceBox(const QStringList &choices, const QString &accessibleName, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItems(choices);
    box->setAccessibleName(accessibleName);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

}  // namespace

RankingWindow::RankingWindow(NutrientRankingModel &model, QWidget *parent) : QDialog(parent), model_(model)
{
    setObjectName(QStringLiteral("frmRicchiDi"));
    setWindowTitle(tr("Alimenti ricchi di..."));
    resize(720, 520);

    nutrient_ = choiceBox(model_.nutrientChoices(), tr("Nutriente"), this);
    category_ = choiceBox(NutrientRankingModel::categoryChoices(), tr("Categoria"), this);
    basis_ = choiceBox(NutrientRankingModel::basisChoices(), tr("Base del confronto"), this);
    auto *choices = new QFormLayout;
    choices->addRow(tr("&Nutriente:"), nutrient_);
    choices->addRow(tr("&Categoria:"), category_);
    choices->addRow(tr("&Valore:"), basis_);

    list_ = new QTableView(this);
    list_->setModel(&model_);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setWordWrap(false);
    list_->setTabKeyNavigation(false);  // Tab goes on to the choices; the arrows move in the list
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    list_->horizontalHeader()->setSectionResizeMode(NutrientRankingModel::FoodColumn, QHeaderView::Stretch);
    list_->horizontalHeader()->resizeSection(NutrientRankingModel::CategoryColumn, 190);
    // The value's heading names the basis ("per porzione standard"): the column takes its width.
    list_->horizontalHeader()->setSectionResizeMode(NutrientRankingModel::ValueColumn, QHeaderView::ResizeToContents);
    list_->setAccessibleName(tr("Alimenti dal più ricco"));
    list_->setAccessibleDescription(tr("Invio o doppio clic sceglie l'alimento"));

    summary_ = new QLabel(this);
    summary_->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(list_, 1);
    layout->addWidget(summary_);

    for (QComboBox *box : {nutrient_, category_, basis_})
        connect(box, &QComboBox::currentIndexChanged, this, &RankingWindow::rank);
    connect(list_, &QAbstractItemView::activated, this, &RankingWindow::choose);
}

void RankingWindow::showRanking()
{
    rank();  // the personal foods may have changed since the last time
    show();
    raise();
    activateWindow();
    list_->setFocus();
}

void RankingWindow::rankAgain()
{
    const QModelIndex current = list_->currentIndex();
    const QString name = current.isValid()
                             ? model_.index(current.row(), NutrientRankingModel::FoodColumn).data().toString()
                             : QString();
    rank();
    const QModelIndexList same = name.isEmpty() ? QModelIndexList()
                                                : model_.match(model_.index(0, NutrientRankingModel::FoodColumn),
                                                               Qt::DisplayRole, name, 1, Qt::MatchExactly);
    if (!same.isEmpty())
        list_->setCurrentIndex(same.first());
}

void RankingWindow::rank()
{
    model_.choose(nutrient_->currentIndex(), category_->currentIndex(),
                  static_cast<RankingBasis>(std::max(0, basis_->currentIndex())));
    if (model_.rowCount() > 0)
        list_->setCurrentIndex(model_.index(0, 0));
    summary_->setText(model_.summary());
}

void RankingWindow::choose()
{
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid())
        return;
    const int category = model_.food(current.row()).category;
    const QString name = model_.index(current.row(), NutrientRankingModel::FoodColumn).data().toString();
    hide();
    emit foodChosen(category, name);
}

void RankingWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter chooses from the choice boxes too, as the search does from its text box; the list
    // chooses by itself (its activation) and passes the key on.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!list_->hasFocus())
            choose();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace velmo::ui
