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
    if (inputAnswers.empty())
        return {};
    QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

Answer FakeDialogs::askYesNoCancel(const QString &text, const QString &title)
{
    shown.push_back({Shown::Kind::Question, text, title, MessageIcon::Question, {}});
    if (questionAnswers.empty())
        return Answer::Cancel;
    const Answer answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
}

QString FakeDialogs::saveFileName(const QString &title, const QString &proposedPath, const QString &filter)
{
    shown.push_back({Shown::Kind::SaveFile, filter, title, MessageIcon::Question, proposedPath});
    if (saveAnswers.empty())
        return {};
    QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

QString FakeDialogs::openFileName(const QString &title, const QString &folder, const QString &filter)
{
    std::swap(saveAnswers, openAnswers);   // the same script, from the open answers
    const QString answer = saveFileName(title, folder, filter);
    std::swap(saveAnswers, openAnswers);
    shown.back().kind = Shown::Kind::OpenFile;
    return answer;
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
