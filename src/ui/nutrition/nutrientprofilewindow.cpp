// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/nutrition/nutrientprofilewindow.h"

#include "shell/mainwindowmodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

namespace velmo::ui {

namespace {

constexpr std::array<ProfileSubject, 6> kSubjectsInListOrder{ProfileSubject::Meal,        ProfileSubject::FoodPer100g,
                                                             ProfileSubject::FoodPortion, ProfileSubject::FoodMeasure,
                                                             ProfileSubject::Day,         ProfileSubject::WeekAverage};

// The bar of the status column: as long as the share of the reference (full at 150 %), in a
// colour and a pattern of its own for each status, with the status's words over it, so that no
// one needs to tell the colours apart.
class IntakeBarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const auto status = static_cast<IntakeStatus>(index.data(NutrientProfileModel::StatusRole).toInt());
        if (status == IntakeStatus::None) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        struct Look {
            QColor colour;
            Qt::BrushStyle pattern;
        };
        static const Look kLooks[] = {
            {{}, Qt::NoBrush},
            {QColor(0xd7, 0x30, 0x27), Qt::BDiagPattern},      // below AR
            {QColor(0xfc, 0x8d, 0x59), Qt::Dense5Pattern},     // below the reference
            {QColor(0x1a, 0x98, 0x50), Qt::SolidPattern},      // reached
            {QColor(0x54, 0x27, 0x88), Qt::DiagCrossPattern},  // above the maximum
        };
        const Look &look = kLooks[static_cast<int>(status)];
        const QVariant share = index.data(NutrientProfileModel::ShareRole);
        // Against a range or a bound there is no share: the bar grows with the status alone.
        const double fraction = share.isValid() ? std::clamp(share.toDouble() / 150.0, 0.0, 1.0)
                                                : static_cast<int>(status) / 4.0;
        // The bar in the cell's left part, the words beside it.
        const QRect cell = option.rect.adjusted(2, 3, -2, -3);
        const QRect bar(cell.topLeft(), QSize(std::min(cell.width() / 2, cell.height() * 4), cell.height()));
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Mid), 1));
        painter->drawRect(bar);
        painter->setPen(QPen(look.colour, 1));
        painter->setBrush(QBrush(look.colour, look.pattern));
        painter->drawRect(
            QRect(bar.topLeft(), QSize(std::max(2, static_cast<int>(bar.width() * fraction)), bar.height())));
        painter->restore();
        QStyleOptionViewItem text(option);
        initStyleOption(&text, index);
        text.rect.setLeft(bar.right() + 6);
        QStyledItemDelegate::paint(painter, text, index);
    }
};

}  // namespace

NutrientProfileWindow::NutrientProfileWindow(MainWindowModel &main, QWidget *parent)
    : QDialog(parent), model_(new NutrientProfileModel(main, this))
{
    setObjectName(QStringLiteral("frmProfilo"));
    setWindowTitle(tr("Profilo nutrizionale"));
    setSizeGripEnabled(true);

    subject_ = new QComboBox(this);
    subject_->addItems({tr("Il pasto (righe bloccate)"), tr("L'alimento corrente, per 100 g"),
                        tr("L'alimento corrente, nel peso della riga aperta"), tr("L'alimento corrente, per porzione"),
                        tr("Il giorno (tutti i pasti)"), tr("La media giornaliera della settimana")});
    subject_->setAccessibleName(tr("Di che cosa mostrare il profilo"));
    auto *subjectLabel = new QLabel(tr("&Profilo di:"), this);
    subjectLabel->setBuddy(subject_);
    measure_ = new QComboBox(this);
    measure_->setAccessibleName(tr("Porzione dell'alimento corrente"));
    measureLabel_ = new QLabel(tr("Porzi&one:"), this);
    measureLabel_->setBuddy(measure_);

    subjectText_ = new QLabel(this);
    subjectText_->setWordWrap(true);
    subjectText_->setAccessibleName(tr("Che cosa mostra il profilo"));
    auto *legend = new QLabel(tr("«≥»: alcuni alimenti non hanno il valore, la quantità è la somma dei valori noti "
                                 "e il vero totale può essere maggiore. «n.d.»: nessun alimento ha il valore."),
                              this);
    legend->setWordWrap(true);
    legend->setAccessibleName(tr("Legenda"));
    missing_ = new QLabel(this);
    missing_->setWordWrap(true);
    missing_->setAccessibleName(tr("Nutrienti che mancano nei dati degli alimenti"));

    buildTable();

    contributionsTitle_ = new QLabel(tr("Scegliere un nutriente per vedere gli alimenti che lo danno."), this);
    contributionsTitle_->setWordWrap(true);
    contributions_ = new QListWidget(this);
    contributions_->setAccessibleName(tr("Alimenti che danno il nutriente scelto"));
    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(contributionsTitle_);
    sideLayout->addWidget(contributions_, 1);
    sideLayout->addWidget(missing_);
    splitter_ = new QSplitter(this);
    splitter_->addWidget(table_);
    splitter_->addWidget(side);
    // A wider window widens the table; the list beside keeps its width.
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);

    auto *top = new QHBoxLayout;
    top->addWidget(subjectLabel);
    top->addWidget(subject_, 1);
    top->addWidget(measureLabel_);
    top->addWidget(measure_, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buildPersonControls());
    layout->addWidget(subjectText_);
    layout->addWidget(legend);
    layout->addWidget(splitter_, 1);
    layout->addWidget(buildButtons());
    // Tab goes as the window reads: the person's row above the table and its side list.
    setTabOrder(measure_, sex_);
    setTabOrder(sex_, age_);
    setTabOrder(age_, pregnant_);
    setTabOrder(pregnant_, lactating_);
    setTabOrder(lactating_, source_);
    setTabOrder(source_, table_);
    setTabOrder(table_, contributions_);

    connect(subject_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_->setSubject(kSubjectsInListOrder[static_cast<std::size_t>(index)]); });
    connect(measure_, &QComboBox::currentIndexChanged, model_, &NutrientProfileModel::setMeasureChoice);
    connect(model_, &NutrientProfileModel::personChanged, this, &NutrientProfileWindow::showPerson);
    connect(model_, &NutrientProfileModel::refreshed, this, &NutrientProfileWindow::showProfile);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &NutrientProfileWindow::showContributions);
    showPerson();
    showProfile();
    fitToTable();
}

// The window opens wide enough for every column of the table, notes included, beside a narrower
// list of the foods, as far as the screen allows; when a person or another subject widens the
// columns, it grows to show them, unless the user has made it fill the screen.
void NutrientProfileWindow::fitToTable()
{
    QHeaderView *header = table_->horizontalHeader();
    const int statusWidth = table_->columnWidth(NutrientProfileModel::StatusColumn);
    header->resizeSections(QHeaderView::ResizeToContents);
    table_->setColumnWidth(NutrientProfileModel::StatusColumn, statusWidth);
    int tableWidth = 2 * table_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    for (int c = 0; c < NutrientProfileModel::ColumnCount; ++c)
        tableWidth += header->sectionSize(c);
    const QScreen *shown = screen();
    const int widest = shown ? shown->availableGeometry().width() * 95 / 100 : QWIDGETSIZE_MAX;
    const QList<int> panes = splitter_->sizes();
    if (fittedColumns_) {
        const int missing = tableWidth - panes.value(0);
        if (missing > 0 && !isMaximized() && !isFullScreen())
            resize(std::min(widest, width() + missing), height());
        return;
    }
    fittedColumns_ = true;
    const int sideWidth = fontMetrics().horizontalAdvance(u'M') * 24;
    const QMargins margins = layout()->contentsMargins();
    const int height = fontMetrics().height() * 48;
    resize(std::min(widest, tableWidth + splitter_->handleWidth() + sideWidth + margins.left() + margins.right()),
           shown ? std::min(height, shown->availableGeometry().height() * 85 / 100) : height);
    splitter_->setSizes({tableWidth, sideWidth});
}

void NutrientProfileWindow::buildTable()
{
    table_ = new QTableView(this);
    table_->setModel(model_);
    table_->setItemDelegateForColumn(NutrientProfileModel::StatusColumn, new IntakeBarDelegate(table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The bar needs room whatever its words.
    table_->horizontalHeader()->setSectionResizeMode(NutrientProfileModel::StatusColumn, QHeaderView::Fixed);
    table_->setColumnWidth(NutrientProfileModel::StatusColumn, fontMetrics().horizontalAdvance(u'M') * 22);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setAccessibleName(tr("Nutrienti"));
}

QWidget *NutrientProfileWindow::buildPersonControls()
{
    auto *box = new QWidget(this);
    sex_ = new QComboBox(box);
    sex_->addItems({tr("Nessuna persona (solo quantità)"), tr("Donna"), tr("Uomo")});
    sex_->setAccessibleName(tr("Persona"));
    age_ = new QSpinBox(box);
    age_->setRange(0, 120);
    age_->setSuffix(tr(" anni"));
    age_->setSpecialValueText(tr("meno di 1 anno"));
    age_->setAccessibleName(tr("Età in anni"));
    pregnant_ = new QCheckBox(tr("&Gravidanza"), box);
    pregnant_->setAccessibleName(tr("Gravidanza"));
    lactating_ = new QCheckBox(tr("A&llattamento"), box);
    lactating_->setAccessibleName(tr("Allattamento"));
    source_ = new QComboBox(box);
    source_->addItems({tr("LARN 2014"), tr("EFSA")});
    source_->setAccessibleName(tr("Valori di riferimento"));
    auto *personLabel = new QLabel(tr("Pe&rsona:"), box);
    personLabel->setBuddy(sex_);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : std::initializer_list<QWidget *>{personLabel, sex_, age_, pregnant_, lactating_, source_})
        layout->addWidget(w);
    layout->addStretch(1);
    connect(sex_, &QComboBox::currentIndexChanged, this, &NutrientProfileWindow::personEdited);
    connect(age_, &QSpinBox::valueChanged, this, &NutrientProfileWindow::personEdited);
    // Pregnancy and lactation have references of their own: one at a time.
    for (auto [condition, other] : {std::pair{pregnant_, lactating_}, std::pair{lactating_, pregnant_}})
        connect(condition, &QCheckBox::toggled, this, [this, other = other](bool on) {
            if (on) {
                const QSignalBlocker quiet(other);
                other->setChecked(false);
            }
            personEdited();
        });
    connect(source_, &QComboBox::currentIndexChanged, this, &NutrientProfileWindow::personEdited);
    return box;
}

QWidget *NutrientProfileWindow::buildButtons()
{
    auto *box = new QWidget(this);
    auto *copy = new QPushButton(tr("&Copia"), box);
    copy->setAccessibleName(tr("Copia la tabella negli appunti"));
    auto *exportCsv = new QPushButton(tr("&Esporta CSV..."), box);
    exportCsv->setObjectName(QStringLiteral("cmdEsportaProfilo"));
    exportCsv->setAccessibleName(tr("Esporta il profilo in un file CSV"));
    auto *close = new QPushButton(tr("C&hiudi"), box);
    close->setAccessibleName(tr("Chiudi la finestra"));
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(copy);
    layout->addWidget(exportCsv);
    layout->addStretch(1);
    layout->addWidget(close);
    connect(copy, &QPushButton::clicked, this, &NutrientProfileWindow::copy);
    connect(exportCsv, &QPushButton::clicked, model_, &NutrientProfileModel::exportCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    return box;
}

void NutrientProfileWindow::showPerson()
{
    personShown_ = true;
    const std::optional<IntakePerson> person = model_->person();
    const QSignalBlocker blockers[] = {QSignalBlocker(sex_), QSignalBlocker(age_), QSignalBlocker(pregnant_),
                                       QSignalBlocker(lactating_), QSignalBlocker(source_)};
    sex_->setCurrentIndex(!person ? 0 : person->female ? 1 : 2);
    if (person) {
        age_->setValue(static_cast<int>(person->ageYears));
        pregnant_->setChecked(person->pregnant);
        lactating_->setChecked(person->lactating);
        source_->setCurrentIndex(person->source == ReferenceSource::Efsa ? 1 : 0);
    }
    const bool woman = person && person->female;
    for (QWidget *w : std::initializer_list<QWidget *>{age_, source_})
        w->setEnabled(person.has_value());
    pregnant_->setEnabled(woman);
    lactating_->setEnabled(woman);
}

void NutrientProfileWindow::personEdited()
{
    if (sex_->currentIndex() == 0) {
        model_->setPerson(std::nullopt);
        return;
    }
    const bool woman = sex_->currentIndex() == 1;
    const auto before = model_->person();
    // Under a year, the months of the person shown stay; one chosen here is in the second half of
    // the year, the first with references of its own.
    const double age = age_->value() > 0 ? age_->value() : before && before->ageYears < 1 ? before->ageYears : 0.5;
    IntakePerson person{woman, age, woman && pregnant_->isChecked(), woman && lactating_->isChecked(),
                        source_->currentIndex() == 1 ? ReferenceSource::Efsa : ReferenceSource::Larn};
    // The weight of the energy windows' person stays while the person is still that one.
    if (before && before->female == woman && before->ageYears == person.ageYears)
        person.weightKg = before->weightKg;
    model_->setPerson(person);
}

void NutrientProfileWindow::showProfile()
{
    subjectText_->setText(model_->subjectText());
    missing_->setText(model_->missingText().trimmed());
    missing_->setVisible(!model_->missingText().isEmpty());
    // The headings across the three columns; a span of one cell Qt refuses, with a warning.
    table_->clearSpans();
    for (int r = 0; r < model_->rowCount(); ++r)
        if (model_->index(r, 0).data(NutrientProfileModel::HeadingRole).toBool())
            table_->setSpan(r, 0, 1, 3);
    showMeasures();
    showContributions();
    // A person's references, another subject's notes: the columns may need more room.
    if (fittedColumns_ && (personShown_ || model_->subject() != fittedSubject_))
        fitToTable();
    fittedSubject_ = model_->subject();
    personShown_ = false;
}

void NutrientProfileWindow::showMeasures()
{
    const bool perPortion = model_->subject() == ProfileSubject::FoodMeasure;
    measureLabel_->setVisible(perPortion);
    measure_->setVisible(perPortion);
    const QStringList choices = model_->measureChoices();
    const QSignalBlocker blocker(measure_);
    QStringList shown;
    for (int i = 0; i < measure_->count(); ++i)
        shown << measure_->itemText(i);
    if (shown != choices) {
        measure_->clear();
        measure_->addItems(choices);
    }
    measure_->setCurrentIndex(choices.isEmpty() ? -1 : model_->measureChoice());
    // A food without portions keeps the list in view, empty, so that the place does not jump.
    measure_->setEnabled(!choices.isEmpty());
    measureLabel_->setEnabled(!choices.isEmpty());
}

void NutrientProfileWindow::showContributions()
{
    contributions_->clear();
    const int row = table_->currentIndex().row();
    const auto foods = model_->contributions(row);
    if (foods.empty()) {
        contributionsTitle_->setText(tr("Scegliere un nutriente per vedere gli alimenti che lo danno."));
        return;
    }
    contributionsTitle_->setText(
        tr("Alimenti che danno %1:").arg(model_->index(row, NutrientProfileModel::NameColumn).data().toString()));
    for (const NutrientProfileModel::Contribution &food : foods)
        contributions_->addItem(model_->contributionText(food, row));
}

void NutrientProfileWindow::showSubject(ProfileSubject subject)
{
    const auto found = std::find(kSubjectsInListOrder.cbegin(), kSubjectsInListOrder.cend(), subject);
    subject_->setCurrentIndex(static_cast<int>(found - kSubjectsInListOrder.cbegin()));
}

void NutrientProfileWindow::copy()
{
    QApplication::clipboard()->setText(model_->tabSeparated());
}

}  // namespace velmo::ui
