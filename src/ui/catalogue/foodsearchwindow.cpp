// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/catalogue/foodsearchwindow.h"

#include "catalogue/foodcategory.h"
#include "common/numbertext.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <QVBoxLayout>

namespace velmo::ui {

// The foods of a result: name and category heading, as the interface shows them, and beside the
// name the common name that found a food whose name does not say it.
class FoodMatchModel : public QAbstractTableModel {
public:
    explicit FoodMatchModel(const FoodSearch &search, QObject *parent) : QAbstractTableModel(parent), search_(search) {}

    void setFoods(FoodSearch::Result result)
    {
        beginResetModel();
        foods_ = std::move(result.foods);
        synonyms_ = std::move(result.synonyms);
        endResetModel();
    }
    const SearchableFood &food(int row) const { return search_.food(foods_[static_cast<std::size_t>(row)]); }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(foods_.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
            return {};
        const auto row = static_cast<std::size_t>(index.row());
        const SearchableFood &found = search_.food(foods_[row]);
        const QString synonym = row < synonyms_.size() ? synonyms_[row] : QString();
        if (index.column() == 1)
            return role == Qt::DisplayRole ? foodCategory(found.category).shownHeading() : QVariant();
        if (synonym.isEmpty())
            return role == Qt::DisplayRole ? found.name : QVariant();
        return role == Qt::DisplayRole
                   ? QStringLiteral("%1 (%2)").arg(found.name, synonym)
                   : FoodSearchWindow::tr("Trovato come «%1», un nome comune di questo alimento").arg(synonym);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return {};
        return section == 0 ? FoodSearchWindow::tr("Alimento") : FoodSearchWindow::tr("Categoria");
    }

private:
    const FoodSearch &search_;
    std::vector<int> foods_;
    std::vector<QString> synonyms_;
};

FoodSearchWindow::FoodSearchWindow(const FoodSearch &search, const QString &loadError, QWidget *parent)
    : QDialog(parent), search_(search), loadError_(loadError)
{
    setObjectName(QStringLiteral("frmCerca"));
    setWindowTitle(tr("Cerca alimento"));
    resize(560, 420);

    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("txtCerca"));
    text_->setPlaceholderText(tr("Parole del nome, per esempio: pane integrale"));
    text_->setClearButtonEnabled(true);
    text_->setAccessibleName(tr("Testo da cercare"));
    text_->setAccessibleDescription(tr("Gli alimenti il cui nome, o un nome comune come «insalata», contiene tutte "
                                       "le parole scritte, senza distinguere maiuscole e accenti"));
    text_->installEventFilter(this);

    matches_ = new FoodMatchModel(search_, this);
    list_ = new QTreeView(this);
    list_->setObjectName(QStringLiteral("lstAlimenti"));
    list_->setModel(matches_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    list_->header()->resizeSection(1, 190);
    list_->setAccessibleName(tr("Alimenti trovati"));
    list_->setAccessibleDescription(tr("Invio o doppio clic sceglie l'alimento"));

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblRisultati"));
    summary_->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(list_, 1);
    layout->addWidget(summary_);

    connect(text_, &QLineEdit::textChanged, this, &FoodSearchWindow::follow);
    connect(text_, &QLineEdit::returnPressed, this, &FoodSearchWindow::choose);
    connect(list_, &QAbstractItemView::activated, this, &FoodSearchWindow::choose);
    follow(QString());
}

void FoodSearchWindow::showSearch()
{
    text_->selectAll();
    text_->setFocus();
    show();
    raise();
    activateWindow();
}

void FoodSearchWindow::refresh(const QString &loadError, const std::optional<SearchableFood> &keep)
{
    loadError_ = loadError;
    follow(text_->text());
    for (int r = 0; keep && r < matches_->rowCount(); ++r)
        if (matches_->food(r).category == keep->category && matches_->food(r).name == keep->name) {
            list_->setCurrentIndex(matches_->index(r, 0));
            break;
        }
}

std::optional<SearchableFood> FoodSearchWindow::currentFood() const
{
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? std::optional(matches_->food(current.row())) : std::nullopt;
}

void FoodSearchWindow::follow(const QString &text)
{
    FoodSearch::Result result = search_.find(text, kShownFoods);
    const int total = result.total;
    matches_->setFoods(std::move(result));
    if (matches_->rowCount() > 0)
        list_->setCurrentIndex(matches_->index(0, 0));

    const QLocale locale;
    const auto count = [&locale](int n) { return formatGroupedUpTo2(n, locale); };
    if (!loadError_.isEmpty())
        summary_->setText(loadError_);
    else if (text.trimmed().isEmpty())
        summary_->setText(tr("Scrivere una o più parole del nome dell'alimento."));
    else if (total == 0)
        summary_->setText(tr("Nessun alimento trovato."));
    else if (total <= kShownFoods)
        summary_->setText(tr("%n alimenti trovati.", nullptr, total));
    else
        summary_->setText(tr("%1 alimenti trovati; sono mostrati i primi %2: aggiungere altre parole per "
                             "restringere la ricerca.")
                              .arg(count(total), count(kShownFoods)));
}

void FoodSearchWindow::choose()
{
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid())
        return;
    const SearchableFood food = matches_->food(current.row());
    hide();
    emit foodChosen(food);
}

bool FoodSearchWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The arrows and page keys in the text box move through the list, so that the hands stay
    // on the keyboard between typing and choosing.
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: QCoreApplication::sendEvent(list_, event); return true;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace velmo::ui
