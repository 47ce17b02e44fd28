// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace velmo::test {

// Records every box a model opens and answers from a script.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        enum class Kind { Message, Input, Question, SaveFile, OpenFile } kind;
        QString text;
        QString title;
        MessageIcon icon = MessageIcon::Critical;
        QString prefilled;
    };

    void message(const QString &text, const QString &title, MessageIcon icon) override;
    QString input(const QString &prompt, const QString &title, const QString &prefilled) override;
    Answer askYesNoCancel(const QString &text, const QString &title) override;
    QString saveFileName(const QString &title, const QString &proposedPath, const QString &filter) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override;

    std::vector<Shown> shown;
    std::deque<QString> inputAnswers;    // Cancel (empty text) when none is left
    std::deque<Answer> questionAnswers;  // Cancel when none is left
    std::deque<QString> saveAnswers;     // cancelled (empty) when none is left
    std::deque<QString> openAnswers;     // cancelled (empty) when none is left
    std::function<void()> onMessage;     // runs while a message is "open"

    QStringList messageTexts() const;
    void clear() { shown.clear(); }

private:
    // The first scripted answer, or `none` when the script has run out.
    template <typename T>
    static T next(std::deque<T> &answers, T none = {})
    {
        if (answers.empty())
            return none;
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

}  // namespace velmo::test
