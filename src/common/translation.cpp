// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmo {

namespace {

Language current = Language::Italian;

const QString kOption = QStringLiteral("--lingua");

// Loads `file` (a name in the resources, or Qt's own in its folder) and installs it; the
// translator lives as long as the application.
bool install(const QString &name, const QString &folder, QLocale::Language language)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(language), name, QStringLiteral("_"), folder)
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}  // namespace

std::optional<Language> languageFromCode(QStringView code)
{
    const QStringView base = code.left(2);
    if (code.size() > 2 && code[2] != u'_' && code[2] != u'-' && code[2] != u'.' && code[2] != u'@')
        return std::nullopt;
    if (base == u"it")
        return Language::Italian;
    if (base == u"en")
        return Language::English;
    return std::nullopt;
}

std::optional<Language> chooseLanguage(const QStringList &arguments, QString *error)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QStringLiteral("--"))
            break;
        std::optional<QString> code;
        if (argument == kOption)
            code = arguments.value(i + 1);
        else if (argument.startsWith(kOption + u'='))
            code = argument.mid(kOption.size() + 1);
        if (!code)
            continue;
        if (const auto language = languageFromCode(*code); language && code->size() == 2)
            return language;
        *error = code->isEmpty()
                     ? QCoreApplication::translate("Translation",
                                                   "manca la lingua dopo --lingua: it (italiano) o en (inglese)")
                     : QCoreApplication::translate(
                           "Translation", "lingua sconosciuta \"%1\": --lingua vuole it (italiano) o en (inglese)")
                           .arg(*code);
        return std::nullopt;
    }
    for (const QString &entry : qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts))
        if (const auto language = languageFromCode(entry))
            return language;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return languageFromCode(value) == Language::English ? Language::English : Language::Italian;
    }
    return Language::Italian;
}

std::optional<Language> installChosenLanguage(const QStringList &arguments, QString *error)
{
    const std::optional<Language> language = chooseLanguage(arguments, error);
    installLanguage(language.value_or(chooseLanguage({}, error).value_or(Language::Italian)));
    if (!language)
        chooseLanguage(arguments, error);  // the refusal again, now in the language installed
    return language;
}

bool installLanguage(Language language)
{
    current = language;
    const QString ours = QStringLiteral(":/i18n");
    if (language == Language::English)
        return install(QStringLiteral("velmo"), ours, QLocale::English);
    // Qt's dialogs in Italian where the system has its translation; the program's own plural forms.
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), QLocale::Italian);
    return install(QStringLiteral("velmo"), ours, QLocale::Italian);
}

Language currentLanguage()
{
    return current;
}

}  // namespace velmo
