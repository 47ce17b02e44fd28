#pragma once

#include "common/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

namespace velmo::test {

// Real modal boxes, recording what they said: for runs that exercise the windows' event loops.
class MessageBoxDialogs : public Dialogs {
public:
    void message(const QString &text, const QString &title, MessageIcon icon) override
    {
        texts << text;
        QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Critical, title, text,
                        QMessageBox::Ok);
        box.exec();
    }
    QString input(const QString &prompt, const QString &title, const QString &prefilled) override
    {
        return QInputDialog::getText(nullptr, title, prompt, QLineEdit::Normal, prefilled);
    }
    Answer askYesNoCancel(const QString &, const QString &) override { return Answer::Cancel; }
    QString saveFileName(const QString &title, const QString &proposedPath, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(nullptr, title, proposedPath, filter);
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }

    QStringList texts;
};

}  // namespace velmo::test
