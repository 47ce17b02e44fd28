// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QStringList>

namespace velmo {

enum class MessageIcon { Critical, Information, Question };
enum class Answer { Yes, No, Cancel };

// The titles every window gives its boxes: a warning (a refusal, an error, a question before a
// loss) and a notice (what has been done). One context for every window, so that each title has
// one translation.
inline QString warningTitle()
{
    return QCoreApplication::translate("Dialogs", "Attenzione");
}
inline QString noticeTitle()
{
    return QCoreApplication::translate("Dialogs", "Informazione");
}

// The modal boxes a window model may open. The program shows real message boxes; tests record
// what would have been shown and answer from a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with one OK button; returns when it is closed.
    virtual void message(const QString &text, const QString &title, MessageIcon icon) = 0;

    // An input box; Cancel gives the empty text.
    virtual QString input(const QString &prompt, const QString &title, const QString &prefilled) = 0;

    // A question with Yes, No and Cancel.
    virtual Answer askYesNoCancel(const QString &text, const QString &title) = 0;

    // A question answered by one of `choices` (one or two button texts) or by Cancel: the index
    // of the choice, -1 for Cancel. Boxes without buttons of their own ask it as Yes, No, Cancel.
    virtual int choose(const QString &text, const QString &title, const QStringList &choices)
    {
        switch (askYesNoCancel(text, title)) {
        case Answer::Yes: return 0;
        case Answer::No: return choices.size() > 1 ? 1 : -1;
        case Answer::Cancel: break;
        }
        return -1;
    }

    // A save dialog proposing `proposedPath`; empty when the user cancels.
    virtual QString saveFileName(const QString &title, const QString &proposedPath, const QString &filter) = 0;

    // An open dialog starting in `folder`; empty when the user cancels.
    virtual QString openFileName(const QString &title, const QString &folder, const QString &filter) = 0;
};

// A save dialog whose answer gets `suffix` (".csv") unless the name the user typed already ends
// in it or in one of `alsoKept` (".txt"), whatever their capitals: a dot in a name ("pranzo
// 10.12", "Sig. Rossi") is no suffix. Empty when the user cancels. The dialog asks before
// replacing the file it was given, not the one the suffix makes: that one is asked about here,
// and "No" shows the dialog again.
inline QString saveFileNameWithSuffix(Dialogs &dialogs, const QString &title, const QString &proposedPath,
                                      const QString &filter, const QString &suffix, const QStringList &alsoKept = {})
{
    const auto kept = [&](const QString &path) {
        const QString name = QFileInfo(path).fileName();
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            return true;
        for (const QString &other : alsoKept)
            if (name.endsWith(other, Qt::CaseInsensitive))
                return true;
        return false;
    };
    for (QString proposed = proposedPath;;) {
        QString path = dialogs.saveFileName(title, proposed, filter);
        if (path.isEmpty() || kept(path))
            return path;
        path += suffix;
        if (!QFileInfo::exists(path))
            return path;
        switch (dialogs.askYesNoCancel(QCoreApplication::translate("Dialogs", "Il file %1 esiste già.\nSostituirlo?")
                                           .arg(QFileInfo(path).fileName()),
                                       title)) {
        case Answer::Yes: return path;
        case Answer::No: proposed = path; break;
        case Answer::Cancel: return {};
        }
    }
}

}  // namespace velmo
