// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "support/fakedialogs.h"

namespace velmo::test {

void FakeDialogs::message(const QString &text, const QString &title, MessageIcon icon)
{
    shown.push_back({Shown::Kind::Message, text, title, icon, {}});
    if (onMessage)
        onMessage();
}

QString FakeDialogs::input(const QString &prompt, const QString &title, const QString &prefilled)
{
    shown.push_back({Shown::Kind::Input, prompt, title, MessageIcon::Question, prefilled});
    return next(inputAnswers);
}

Answer FakeDialogs::askYesNoCancel(const QString &text, const QString &title)
{
    shown.push_back({Shown::Kind::Question, text, title, MessageIcon::Question, {}});
    return next(questionAnswers, Answer::Cancel);
}

QString FakeDialogs::saveFileName(const QString &title, const QString &proposedPath, const QString &filter)
{
    shown.push_back({Shown::Kind::SaveFile, filter, title, MessageIcon::Question, proposedPath});
    return next(saveAnswers);
}

QString FakeDialogs::openFileName(const QString &title, const QString &folder, const QString &filter)
{
    shown.push_back({Shown::Kind::OpenFile, filter, title, MessageIcon::Question, folder});
    return next(openAnswers);
}

QStringList FakeDialogs::messageTexts() const
{
    QStringList texts;
    for (const Shown &s : shown)
        if (s.kind == Shown::Kind::Message)
            texts.append(s.text);
    return texts;
}

}  // namespace velmo::test
