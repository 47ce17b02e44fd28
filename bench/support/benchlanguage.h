// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace velmo::bench {

// The interface's language for one benchmark; Italian again after it, so that the benchmarks that
// follow run as they always did. Only the translations of the language chosen are installed.
class BenchLanguage {
public:
    explicit BenchLanguage(bool english) { use(english ? Language::English : Language::Italian); }
    ~BenchLanguage() { use(Language::Italian); }
    BenchLanguage(const BenchLanguage &) = delete;
    BenchLanguage &operator=(const BenchLanguage &) = delete;

private:
    static void use(Language language)
    {
        for (QTranslator *translator :
             QCoreApplication::instance()->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly))
            delete translator;
        installLanguage(language);
    }
};

}  // namespace velmo::bench
