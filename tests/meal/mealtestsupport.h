// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealgrid.h"
#include "support/fakedialogs.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QStringList>

#include <cstring>
#include <initializer_list>
#include <map>
#include <vector>

namespace velmo::test {

// Texts as a table writes them: plain literals (UTF-8), or texts made in the test.
struct Texts : QStringList {
    Texts() = default;
    Texts(std::initializer_list<const char *> texts)
    {
        for (const char *t : texts)
            append(QString::fromUtf8(t));
    }
    Texts(std::initializer_list<QString> texts) : QStringList(texts) {}
    Texts(const QStringList &texts) : QStringList(texts) {}
};

// The grid with its protected setters open, to build a table the way earlier steps leave it.
class OpenGrid : public MealGrid {
public:
    using MealGrid::mutableRow;
    using MealGrid::setCellProperty;
    using MealGrid::setCellText;
};

// A food as the browser shows it: the name, then the texts of the edible percentage and of the
// six values per 100 g.
inline CurrentFood food(const QString &name, const Texts &values)
{
    CurrentFood f;
    f.name = name;
    f.fields[0] = values.value(0);
    for (int i = 1; i < 7; ++i)
        f.fields[static_cast<std::size_t>(i + 1)] = values.value(i);
    return f;
}

inline QString cellText(const MealGrid &g, int r, MealColumn c)
{
    return g.row(r).cell(c).text;
}

inline QStringList rowValues(const MealGrid &g, int r)
{
    QStringList texts;
    for (MealColumn c : kValueColumns)
        texts.append(cellText(g, r, c));
    return texts;
}

inline QStringList totalsTexts(const MealGrid &g)
{
    QStringList texts;
    for (const QString &t : g.totals().texts)
        texts.append(t);
    return texts;
}

// A grid whose messages are recorded, under the locale of the test's parameter.
class LocaleGridTest : public ::testing::TestWithParam<const char *> {
protected:
    LocaleGridTest() : guard_(GetParam()) { grid.setDialogs(&dialogs); }

    bool italianLocale() const { return QLocale().decimalPoint() == QStringLiteral(","); }

    // An English number text as the user's locale writes it: in Italian, point and comma swapped.
    QString localized(QString english) const
    {
        if (italianLocale())
            for (QChar &ch : english)
                ch = ch == u'.' ? u',' : ch == u',' ? u'.' : ch;
        return english;
    }
    QStringList localized(Texts english) const
    {
        for (QString &t : english)
            t = localized(t);
        return english;
    }

    // What the user does: the food becomes current, the weight is typed, the box checked.
    void lockFood(int r, const CurrentFood &f, const QString &gross)
    {
        grid.placeFood(f);
        grid.setGrossText(r, gross);
        grid.setLock(r, 1);
    }

    LocaleGuard guard_;
    FakeDialogs dialogs;
    OpenGrid grid;
};

inline std::string localeName(const ::testing::TestParamInfo<const char *> &info)
{
    return QString::fromLatin1(info.param).remove(u'_').toStdString();
}

}  // namespace velmo::test

#define VELMO_BOTH_LOCALES(suite)                                                                                      \
    INSTANTIATE_TEST_SUITE_P(Locales, suite, ::testing::Values("it_IT", "en_US"), velmo::test::localeName)
