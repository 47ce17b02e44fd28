// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/plan/balancewindow.h"

#include "shell/balancemodel.h"
#include "shell/balancerowsmodel.h"
#include "shell/balancetargetsmodel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace velmo::ui {

namespace {

// A new proposal refreshes every cell; a value being typed stays as typed.
class KeepTypedDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (const auto *line = qobject_cast<QLineEdit *>(editor); line && line->isModified())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
    }
};

QTableView *newTable(QAbstractItemModel *model, const QString &objectName, const QString &accessibleName,
                     QWidget *parent)
{
    auto *table = new QTableView(parent);
    table->setObjectName(objectName);
    table->setAccessibleName(accessibleName);
    table->setModel(model);
    table->verticalHeader()->hide();
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move within it
    table->setItemDelegate(new KeepTypedDelegate(table));
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::AnyKeyPressed);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

QGroupBox *framed(const QString &title, QWidget *content, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

}  // namespace

BalanceWindow::BalanceWindow(BalanceModel &model, QWidget *parent) : QDialog(parent), model_(model)
{
    setObjectName(QStringLiteral("frmBilancia"));
    setWindowTitle(tr("Bilancia quantità"));
    setSizeGripEnabled(true);
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *scopeCaption = new QLabel(tr("&Bilanciare:"), this);
    scope_ = new QComboBox(this);
    scope_->setObjectName(QStringLiteral("cboAmbito"));
    scope_->setAccessibleName(tr("Che cosa bilanciare"));
    scope_->addItems({tr("il pasto mostrato"), tr("tutti i pasti del giorno")});
    const QString dayMissing = BalanceModel::nothingToBalance(model.mainWindow(), BalanceModel::Scope::Day);
    scope_->setEnabled(dayMissing.isEmpty());
    scope_->setToolTip(dayMissing);
    scopeCaption->setBuddy(scope_);
    source_ = new QLabel(this);
    source_->setObjectName(QStringLiteral("lblFonte"));
    source_->setWordWrap(true);
    top->addWidget(scopeCaption);
    top->addWidget(scope_);
    top->addWidget(source_, 1);
    layout->addLayout(top);

    rowsModel_ = new BalanceRowsModel(model_, this);
    targetsModel_ = new BalanceTargetsModel(model_, this);
    rows_ = newTable(rowsModel_, QStringLiteral("tblAlimenti"), tr("Alimenti da bilanciare"), this);
    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName(QStringLiteral("txtAnteprima"));
    preview_->setAccessibleName(tr("Anteprima della proposta"));
    preview_->setReadOnly(true);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(framed(tr("&Alimenti (pesi lordi)"), rows_, split));
    auto *lower = new QSplitter(Qt::Horizontal, split);
    lower->addWidget(buildTargets());
    lower->addWidget(framed(tr("Ant&eprima"), preview_, lower));
    split->addWidget(lower);
    layout->addWidget(split, 1);

    auto *buttons = new QDialogButtonBox(this);
    apply_ = buttons->addButton(tr("A&pplica"), QDialogButtonBox::AcceptRole);
    apply_->setObjectName(QStringLiteral("cmdApplica"));
    apply_->setAccessibleName(tr("Applica i pesi proposti alla tabella"));
    cancel_ = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("cmdAnnulla"));
    cancel_->setAccessibleName(tr("Chiudi senza cambiare nulla"));
    // Enter in a table opens the cell for editing, and never reaches "Applica".
    rows_->installEventFilter(this);
    targets_->installEventFilter(this);
    // Tab goes as the window reads: the foods, the targets and what adds one, then the preview.
    setTabOrder(scope_, rows_);
    setTabOrder(rows_, targets_);
    setTabOrder(targets_, nutrients_);
    setTabOrder(nutrients_, addNutrient_);
    setTabOrder(addNutrient_, preview_);
    setTabOrder(preview_, apply_);
    setTabOrder(apply_, cancel_);
    connect(apply_, &QPushButton::clicked, this, &BalanceWindow::applyClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);

    scope_->setCurrentIndex(model_.scope() == BalanceModel::Scope::Day ? 1 : 0);
    connect(scope_, &QComboBox::activated, this, &BalanceWindow::scopeChosen);
    busy_ = new QTimer(this);
    busy_->setSingleShot(true);
    busy_->setInterval(300);
    connect(busy_, &QTimer::timeout, this, [this] { preview_->setPlainText(model_.preview().join(u'\n')); });
    connect(&model_, &BalanceModel::calculationStarted, this, &BalanceWindow::calculationStarted);
    connect(&model_, &BalanceModel::calculated, this, &BalanceWindow::render);
    connect(&model_, &BalanceModel::restarted, this, &BalanceWindow::render);
    render();
    resize(1100, 700);
}

bool BalanceWindow::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == rows_ || watched == targets_) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto *table = static_cast<QTableView *>(watched);
            if (table->currentIndex().flags() & Qt::ItemIsEditable)
                table->edit(table->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QWidget *BalanceWindow::buildTargets()
{
    auto *box = new QGroupBox(tr("&Obiettivi"), this);
    auto *layout = new QVBoxLayout(box);
    targets_ = newTable(targetsModel_, QStringLiteral("tblObiettivi"), tr("Obiettivi"), box);
    layout->addWidget(targets_);
    auto *add = new QHBoxLayout;
    auto *caption = new QLabel(tr("&Nutriente:"), box);
    nutrients_ = new QComboBox(box);
    nutrients_->setObjectName(QStringLiteral("cboNutriente"));
    nutrients_->setAccessibleName(tr("Nutriente da aggiungere agli obiettivi"));
    caption->setBuddy(nutrients_);
    addNutrient_ = new QPushButton(tr("A&ggiungi"), box);
    addNutrient_->setObjectName(QStringLiteral("cmdAggiungiNutriente"));
    addNutrient_->setAccessibleName(tr("Aggiungi il nutriente agli obiettivi"));
    connect(addNutrient_, &QPushButton::clicked, this,
            [this] { model_.addNutrient(nutrients_->currentData().toString()); });
    add->addWidget(caption);
    add->addWidget(nutrients_, 1);
    add->addWidget(addNutrient_);
    layout->addLayout(add);
    return box;
}

// The proposal shown stays until the new one comes, so that a quick calculation does not make
// the preview flicker; "Applica" waits for it.
void BalanceWindow::calculationStarted()
{
    apply_->setEnabled(false);
    busy_->start();
}

void BalanceWindow::render()
{
    busy_->stop();
    source_->setText(model_.targetSource());
    preview_->setPlainText(model_.preview().join(u'\n'));
    apply_->setEnabled(model_.canApply());
    const QString chosen = nutrients_->currentData().toString();
    nutrients_->clear();
    for (const auto &[key, name] : model_.addableNutrients())
        nutrients_->addItem(name, key);
    nutrients_->setCurrentIndex(std::max(0, nutrients_->findData(chosen)));
    addNutrient_->setEnabled(nutrients_->count() > 0);
}

void BalanceWindow::scopeChosen(int index)
{
    const auto scope = index == 1 ? BalanceModel::Scope::Day : BalanceModel::Scope::Meal;
    if (scope != model_.scope() && !model_.begin(scope))
        scope_->setCurrentIndex(model_.scope() == BalanceModel::Scope::Day ? 1 : 0);
}

void BalanceWindow::applyClicked()
{
    if (model_.apply())
        accept();
}

}  // namespace velmo::ui
