// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/report/practiceheadingdialog.h"

#include "common/userfolder.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace velmo::ui {

PracticeHeadingDialog::PracticeHeadingDialog(Settings *settings, QWidget *parent) : QDialog(parent), settings_(settings)
{
    setObjectName(QStringLiteral("frmIntestazione"));
    setWindowTitle(tr("Intestazione dello studio"));
    setSizeGripEnabled(true);
    const PracticeHeading kept = settings_ ? settings_->practiceHeading() : PracticeHeading();
    auto *form = new QFormLayout;
    const auto field = [&](const QString &label, const QString &value) {
        auto *edit = new QLineEdit(value, this);
        edit->setMaxLength(static_cast<int>(Settings::kMaxHeadingFieldLength));
        edit->setAccessibleName(QString(label).remove(u'&'));
        form->addRow(label, edit);
        return edit;
    };
    name_ = field(tr("&Nome dello studio"), kept.name);
    title_ = field(tr("&Titolo"), kept.title);
    address_ = field(tr("&Indirizzo"), kept.address);
    telephone_ = field(tr("T&elefono"), kept.telephone);
    email_ = field(tr("E-&mail"), kept.email);
    logo_ = new QLineEdit(kept.logoPath, this);
    logo_->setAccessibleName(tr("Logo (file di un'immagine)"));
    auto *browse = new QPushButton(tr("&Sfoglia..."), this);
    browse->setAccessibleName(tr("Scegli il logo"));
    connect(browse, &QPushButton::clicked, this, &PracticeHeadingDialog::chooseLogo);
    auto *logoRow = new QHBoxLayout;
    logoRow->addWidget(logo_, 1);
    logoRow->addWidget(browse);
    auto *logoLabel = new QLabel(tr("&Logo"), this);
    logoLabel->setBuddy(logo_);
    form->addRow(logoLabel, logoRow);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("Conferma l'intestazione"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PracticeHeadingDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(buttons);
}

PracticeHeading PracticeHeadingDialog::heading() const
{
    return {name_->text().trimmed(),      title_->text().trimmed(), address_->text().trimmed(),
            telephone_->text().trimmed(), email_->text().trimmed(), logo_->text().trimmed()};
}

void PracticeHeadingDialog::chooseLogo()
{
    keepFileDialogHistoryPrivate();
    const QString file = QFileDialog::getOpenFileName(this, tr("Logo dello studio"),
                                                      userFolder(QStandardPaths::PicturesLocation),
                                                      tr("Immagini (*.png *.jpg *.jpeg *.svg *.bmp)"));
    if (!file.isEmpty())
        logo_->setText(file);
}

void PracticeHeadingDialog::save()
{
    // A logo that cannot be read would be left out of every plan without a word.
    if (const QString logo = logo_->text().trimmed(); !logo.isEmpty() && QImage(logo).isNull()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Il logo %1 non si può leggere come immagine: scegliere un file PNG, JPEG, SVG o "
                                "BMP, o lasciare vuoto il campo.")
                                 .arg(QDir::toNativeSeparators(logo)));
        logo_->setFocus();
        return;
    }
    if (settings_ && !settings_->setPracticeHeading(heading())) {
        QMessageBox::warning(this, windowTitle(),
                             tr("L'intestazione non è stata salvata: il file delle impostazioni non può essere "
                                "scritto. Controllare lo spazio e i permessi della cartella di configurazione."));
        return;
    }
    accept();
}

}  // namespace velmo::ui
