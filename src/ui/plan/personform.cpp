// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/plan/personform.h"

#include "common/numbertext.h"
#include "energy/energywindowcontrols.h"
#include "plan/personrules.h"
#include "ui/plan/decimalspinbox.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmo::ui {

namespace {

// The caption of the energy windows' option button for a choice, so that the form asks as they do.
QString optionCaption(ActivityLevel activity, RecommendedActivities column)
{
    for (const EnergyOption &option : EnergyWindowControls::kOptions)
        if (option.activity == activity && option.column == column)
            return EnergyWindowControls::optionCaption(option);
    return {};
}

}  // namespace

PersonForm::PersonForm(const Person &person, std::function<bool(const Person &)> accept, QWidget *parent)
    : QDialog(parent), original_(person), accept_(std::move(accept))
{
    setObjectName(QStringLiteral("frmPersona"));
    setWindowTitle(person.name.isEmpty() ? tr("Nuova persona") : tr("Persona: %1").arg(person.name));
    setSizeGripEnabled(true);

    name_ = new QLineEdit(person.name, this);
    sex_ = new QComboBox(this);
    sex_->addItems({tr("Donna"), tr("Uomo")});
    sex_->setCurrentIndex(person.sex == Sex::Male ? 1 : 0);
    birth_ = new QDateEdit(person.birthDate.isValid() ? person.birthDate : QDate(1980, 1, 1), this);
    birth_->setCalendarPopup(true);
    birth_->setDisplayFormat(dateFormat(QLocale()));
    height_ = new DecimalSpinBox(this);
    height_->setRange(40, 250);
    height_->setDecimals(1);
    height_->setSuffix(tr(" cm"));
    height_->setValue(person.heightCm > 0 ? person.heightCm : 165);
    activity_ = new QComboBox(this);
    activity_->addItem(tr("Non scelta"));
    for (ActivityLevel a : {ActivityLevel::Light, ActivityLevel::Moderate, ActivityLevel::Heavy})
        activity_->addItem(optionCaption(a, RecommendedActivities::NotChosen));
    activity_->setCurrentIndex(static_cast<int>(person.activity));
    recommended_ = new QComboBox(this);
    recommended_->addItem(tr("Non scelte"));
    for (RecommendedActivities r : {RecommendedActivities::With, RecommendedActivities::Without})
        recommended_->addItem(optionCaption(ActivityLevel::NotChosen, r));
    recommended_->setCurrentIndex(static_cast<int>(person.recommended));
    condition_ = new QComboBox(this);
    condition_->addItems({tr("Nessuna"), tr("Gravidanza"), tr("Allattamento")});
    condition_->setCurrentIndex(static_cast<int>(person.condition));
    notes_ = new QPlainTextEdit(person.notes, this);
    notes_->setTabChangesFocus(true);

    auto *form = new QFormLayout;
    const auto row = [&](const QString &caption, QWidget *field, const QString &name) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        field->setAccessibleName(name);
        form->addRow(label, field);
    };
    row(tr("&Nome:"), name_, tr("Nome"));
    row(tr("&Sesso:"), sex_, tr("Sesso"));
    row(tr("&Data di nascita:"), birth_, tr("Data di nascita"));
    row(tr("&Altezza:"), height_, tr("Altezza"));
    row(tr("A&ttività (da 18 a 59 anni):"), activity_, tr("Attività"));
    row(tr("Attività fisiche a&uspicabili (da 18 anni):"), recommended_, tr("Attività fisiche auspicabili"));
    row(tr("Gravidanza o a&llattamento:"), condition_, tr("Gravidanza o allattamento"));
    row(tr("N&ote:"), notes_, tr("Note"));
    auto *hint = new QLabel(tr("Sotto i 10 anni si calcola il solo metabolismo basale; da 10 a 17 anni il LAF è "
                               "fisso; dai 60 anni l'attività è leggera."),
                            this);
    hint->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PersonForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PersonForm::reject);
    connect(sex_, &QComboBox::currentIndexChanged, this, &PersonForm::sexChosen);
    sexChosen();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(buttons);
}

void PersonForm::sexChosen()
{
    // Pregnancy and lactation are a woman's.
    const bool woman = sex_->currentIndex() == 0;
    if (!woman)
        condition_->setCurrentIndex(0);
    condition_->setEnabled(woman);
}

Person PersonForm::person() const
{
    Person p = original_;
    p.name = name_->text().trimmed();
    p.sex = sex_->currentIndex() == 1 ? Sex::Male : Sex::Female;
    p.birthDate = birth_->date();
    p.heightCm = height_->value();
    p.activity = static_cast<ActivityLevel>(activity_->currentIndex());
    p.recommended = static_cast<RecommendedActivities>(recommended_->currentIndex());
    p.condition = static_cast<PersonCondition>(condition_->currentIndex());
    p.notes = notes_->toPlainText();
    return p;
}

void PersonForm::accept()
{
    const Person p = person();
    if (accept_(p)) {
        QDialog::accept();
        return;
    }
    // Back to the field to mend; a refusal that names none is the name's, already taken.
    auto fault = personFault(p, QDate::currentDate());
    if (!fault)
        fault = birthDateFault(p.birthDate, QDate::currentDate());
    const QString field = fault ? fault->field : QString();
    QWidget *faulty = field == u"data_di_nascita" ? static_cast<QWidget *>(birth_)
                      : field == u"altezza_cm"    ? static_cast<QWidget *>(height_)
                      : field == u"condizione"    ? static_cast<QWidget *>(condition_)
                      : field == u"note"          ? static_cast<QWidget *>(notes_)
                                                  : static_cast<QWidget *>(name_);
    faulty->setFocus(Qt::OtherFocusReason);
    if (faulty == name_)
        name_->selectAll();
}

}  // namespace velmo::ui
