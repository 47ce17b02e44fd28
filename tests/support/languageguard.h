// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/translation.h"

#include <QCoreApplication>
#include <QList>
#include <QTranslator>

namespace velmo::test {

// Makes `language` the interface's, its translation installed as the programs install it at
// start-up (Italian brings its plural forms), for the lifetime of the guard; then the language
// and the translations are as they were.
class LanguageGuard {
public:
    explicit LanguageGuard(Language language) : saved_(currentLanguage()), before_(translators())
    {
        installLanguage(language);
    }
    ~LanguageGuard()
    {
        installLanguage(saved_);
        for (QTranslator *translator : translators())
            if (!before_.contains(translator))
                delete translator;
    }
    LanguageGuard(const LanguageGuard &) = delete;
    LanguageGuard &operator=(const LanguageGuard &) = delete;

private:
    static QList<QTranslator *> translators()
    {
        return QCoreApplication::instance()->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly);
    }

    Language saved_;
    QList<QTranslator *> before_;
};

}  // namespace velmo::test
