// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"

#include "common/translation.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmo {

namespace {

constexpr const char *kContext = "FoodCategory";

}  // namespace

QString FoodCategory::shownMenuCaption() const
{
    return QCoreApplication::translate(kContext, menuCaption.toUtf8().constData());
}

QString FoodCategory::shownHeading() const
{
    return QCoreApplication::translate(kContext, heading.toUtf8().constData());
}

QString FoodCategory::selectList() const
{
    static const QString italian = QStringLiteral(
        "alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo");
    static const QString english =
        QStringLiteral("ifnull(%1,alimenti) AS alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo")
            .arg(kEnglishNameColumn);
    return showsEnglishNames() ? english : italian;
}

bool FoodCategory::showsEnglishNames() const
{
    return englishNames && currentLanguage() == Language::English;
}

QString FoodCategory::recordSource() const
{
    // The table's name is one of the fixed list below, never a text from outside.
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(selectList(), table);
    if (trailingBlank)
        sql += u' ';
    return sql;
}

const std::array<FoodCategory, kFoodCategoryCount> &foodCategories()
{
    // The captions and headings are Italian, translated where they are shown.
    static const std::array<FoodCategory, kFoodCategoryCount> categories{{
        {"mnuBevande", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "&Bevande alcoliche")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Bevande alcoliche")), QStringLiteral("bevande_alcoliche"),
         true},
        {"mnuCarni", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "&Carni fresche")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Carni fresche")), QStringLiteral("carni_fresche"), true},
        {"mnuCarnitc", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Carni &trasformate e conservate")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Carni trasformate e conservate")),
         QStringLiteral("carni_trasformate_e_conservate"), true},
        {"mnuCereali", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Cereali e &derivati")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Cereali e derivati")), QStringLiteral("cereali_e_derivati"),
         true},
        {"mnuDolci", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "D&olci")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Dolci")), QStringLiteral("dolci"), true},
        {"mnuFast", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "&Fast Food a base di carne")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Fast Food a base di carne")),
         QStringLiteral("Fast_Food_a_base_di_carne"), true},
        {"mnuForm", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Formaggi e &latticini")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Formaggi e latticini")),
         QStringLiteral("Formaggi_e_latticini"), true},
        {"mnuFrattaglie", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "F&rattaglie")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Frattaglie")), QStringLiteral("Frattaglie"), true},
        {"mnuFrutta", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Fr&utta")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Frutta")), QStringLiteral("Frutta"), true},
        {"mnuLatte", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Latte e &yogurt")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Latte e yogurt")), QStringLiteral("Latte_e_Yogurt"), false},
        {"mnuLegumi", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "L&egumi")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Legumi")), QStringLiteral("Legumi"), true},
        {"mnuOlii", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "&Oli e grassi")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Oli e grassi")), QStringLiteral("Olii_e_grassi"), false},
        {"mnuPesca", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "&Prodotti della pesca")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Prodotti della pesca")),
         QStringLiteral("Prodotti_della_pesca"), true},
        {"mnuProdotti", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Pro&dotti vari")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Prodotti vari")), QStringLiteral("Prodotti_vari"), false},
        {"mnuUova", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "&Uova")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Uova")), QStringLiteral("Uova"), true},
        {"mnuVerdure", QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "&Verdure ed ortaggi")),
         QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Verdure ed ortaggi")), QStringLiteral("Verdure_ed_ortaggi"),
         false},
    }};
    return categories;
}

const FoodCategory &personalCategory()
{
    static const FoodCategory personal{"mnuPersonali",
                                       QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Alimenti perso&nali")),
                                       QStringLiteral(QT_TRANSLATE_NOOP("FoodCategory", "Alimenti personali")),
                                       QStringLiteral("alimenti_personali"),
                                       false,
                                       false};
    return personal;
}

const FoodCategory &foodCategory(int index)
{
    return isPersonalCategory(index) ? personalCategory() : foodCategories()[static_cast<std::size_t>(index)];
}

const std::array<QString, 8> &foodColumns()
{
    static const std::array<QString, 8> columns{QStringLiteral("alimenti"),    QStringLiteral("edibile"),
                                                QStringLiteral("proteine"),    QStringLiteral("lipidi"),
                                                QStringLiteral("carboidrati"), QStringLiteral("energia"),
                                                QStringLiteral("fibra"),       QStringLiteral("colesterolo")};
    return columns;
}

QString foodColumnList()
{
    return QStringList(foodColumns().cbegin(), foodColumns().cend()).join(u',');
}

QStringList foodsByNameStatements()
{
    const QString columns = foodColumnList();
    // WITHOUT ROWID: the rows lie in the primary key's order, so a name is found, with every row
    // of it, by one search of one tree. The table names are the program's own.
    QStringList statements{QStringLiteral("CREATE TABLE %1 (alimenti TEXT NOT NULL, edibile REAL, proteine REAL, "
                                          "lipidi REAL, carboidrati REAL, energia REAL, fibra REAL, colesterolo REAL, "
                                          "%2 TEXT, categoria INTEGER NOT NULL, riga INTEGER NOT NULL, "
                                          "PRIMARY KEY (alimenti, categoria, riga)) WITHOUT ROWID")
                               .arg(kFoodsByNameTable, kEnglishNameColumn)};
    for (int category = 0; category < kFoodCategoryCount; ++category)
        statements.append(QStringLiteral("INSERT INTO %1 SELECT %2,%3,%4,rowid FROM %5")
                              .arg(kFoodsByNameTable, columns, kEnglishNameColumn)
                              .arg(category)
                              .arg(foodCategories()[static_cast<std::size_t>(category)].table));
    return statements;
}

QString nameKey(const QString &name)
{
    // Most names are plain ASCII, already in their key form.
    const bool ascii = std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return name;
    QString key = name;
    for (QChar &c : key) {
        switch (c.unicode()) {
        case 0x02BC:
        case 0x2018:
        case 0x2019:
        case 0x201A:
        case 0x201B:
        case 0x2032: c = u'\''; break;
        case 0x201C:
        case 0x201D:
        case 0x201E:
        case 0x201F:
        case 0x2033: c = u'"'; break;
        default: break;
        }
    }
    return key.normalized(QString::NormalizationForm_C);
}

std::optional<int> findFoodCategory(const QString &name)
{
    const QString wanted = nameKey(name.trimmed());
    for (int i = 0; i < kAllCategoryCount; ++i) {
        const FoodCategory &c = foodCategory(i);
        if (c.heading.compare(wanted, Qt::CaseInsensitive) == 0 || c.table.compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    // The translated headings last: files hold the Italian ones, which need no translation looked up.
    for (int i = 0; i < kAllCategoryCount; ++i)
        if (foodCategory(i).shownHeading().compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

}  // namespace velmo
