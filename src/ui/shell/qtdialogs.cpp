// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/qtdialogs.h"

#include "common/userfolder.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace velmo::ui {

namespace {

// A box whose text is shown as written: a name typed by the user ("<b>Pane</b> & latte") is
// never read as markup.
void setPlainText(QMessageBox &box, const QString &title, const QString &text)
{
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
}

}  // namespace

QWidget *QtDialogs::owner()
{
    return QApplication::activeWindow();
}

void QtDialogs::message(const QString &text, const QString &title, MessageIcon icon)
{
    QMessageBox box(owner());
    setPlainText(box, title, text);
    box.setIcon(icon == MessageIcon::Information ? QMessageBox::Information
                : icon == MessageIcon::Question  ? QMessageBox::Question
                                                 : QMessageBox::Critical);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

QString QtDialogs::input(const QString &prompt, const QString &title, const QString &prefilled)
{
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, prefilled, &ok);
    return ok ? text : QString();
}

Answer QtDialogs::askYesNoCancel(const QString &text, const QString &title)
{
    QMessageBox box(owner());
    setPlainText(box, title, text);
    box.setIcon(QMessageBox::Question);
    QPushButton *yes = box.addButton(tr("&Sì"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(tr("&No"), QMessageBox::NoRole);
    box.addButton(tr("Annulla"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (box.clickedButton() == no)
        return Answer::No;
    return Answer::Cancel;
}

int QtDialogs::choose(const QString &text, const QString &title, const QStringList &choices)
{
    QMessageBox box(owner());
    setPlainText(box, title, text);
    box.setIcon(QMessageBox::Question);
    QList<QAbstractButton *> buttons;
    for (const QString &choice : choices)
        buttons << box.addButton(choice, QMessageBox::AcceptRole);
    box.addButton(tr("Annulla"), QMessageBox::RejectRole);
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

QString QtDialogs::saveFileName(const QString &title, const QString &proposedPath, const QString &filter)
{
    keepFileDialogHistoryPrivate();
    return QFileDialog::getSaveFileName(owner(), title, proposedPath, filter);
}

QString QtDialogs::openFileName(const QString &title, const QString &folder, const QString &filter)
{
    keepFileDialogHistoryPrivate();
    return QFileDialog::getOpenFileName(owner(), title, folder, filter);
}

}  // namespace velmo::ui
