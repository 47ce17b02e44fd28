#include "catalogue/foodcategory.h"

#include <algorithm>

namespace velmo {

QString FoodCategory::recordSource() const
{
    // The table's name is one of the fixed list below, never a text from outside.
    QString sql = QStringLiteral("SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM ")
                  + table;
    if (trailingBlank)
        sql += u' ';
    return sql;
}

const std::array<FoodCategory, kFoodCategoryCount> &foodCategories()
{
    // clang-format off
    static const std::array<FoodCategory, kFoodCategoryCount> categories{{
        {"mnuBevande", QStringLiteral("&Bevande alcoliche"), QStringLiteral("Bevande alcoliche"), QStringLiteral("bevande_alcoliche"), true},
        {"mnuCarni", QStringLiteral("&Carni fresche"), QStringLiteral("Carni fresche"), QStringLiteral("carni_fresche"), true},
        {"mnuCarnitc", QStringLiteral("Carni &trasformate e conservate"), QStringLiteral("Carni trasformate e conservate"), QStringLiteral("carni_trasformate_e_conservate"), true},
        {"mnuCereali", QStringLiteral("Cereali e &derivati"), QStringLiteral("Cereali e derivati"), QStringLiteral("cereali_e_derivati"), true},
        {"mnuDolci", QStringLiteral("D&olci"), QStringLiteral("Dolci"), QStringLiteral("dolci"), true},
        {"mnuFast", QStringLiteral("&Fast Food a base di carne"), QStringLiteral("Fast Food a base di carne"), QStringLiteral("Fast_Food_a_base_di_carne"), true},
        {"mnuForm", QStringLiteral("Formaggi e &latticini"), QStringLiteral("Formaggi e latticini"), QStringLiteral("Formaggi_e_latticini"), true},
        {"mnuFrattaglie", QStringLiteral("F&rattaglie"), QStringLiteral("Frattaglie"), QStringLiteral("Frattaglie"), true},
        {"mnuFrutta", QStringLiteral("Fr&utta"), QStringLiteral("Frutta"), QStringLiteral("Frutta"), true},
        {"mnuLatte", QStringLiteral("Latte e &yogurt"), QStringLiteral("Latte e yogurt"), QStringLiteral("Latte_e_Yogurt"), false},
        {"mnuLegumi", QStringLiteral("L&egumi"), QStringLiteral("Legumi"), QStringLiteral("Legumi"), true},
        {"mnuOlii", QStringLiteral("&Oli e grassi"), QStringLiteral("Oli e grassi"), QStringLiteral("Olii_e_grassi"), false},
        {"mnuPesca", QStringLiteral("&Prodotti della pesca"), QStringLiteral("Prodotti della pesca"), QStringLiteral("Prodotti_della_pesca"), true},
        {"mnuProdotti", QStringLiteral("Pro&dotti vari"), QStringLiteral("Prodotti vari"), QStringLiteral("Prodotti_vari"), false},
        {"mnuUova", QStringLiteral("&Uova"), QStringLiteral("Uova"), QStringLiteral("Uova"), true},
        {"mnuVerdure", QStringLiteral("&Verdure ed ortaggi"), QStringLiteral("Verdure ed ortaggi"), QStringLiteral("Verdure_ed_ortaggi"), false},
    }};
    // clang-format on
    return categories;
}

const FoodCategory &personalCategory()
{
    static const FoodCategory personal{"mnuPersonali", QStringLiteral("Alimenti perso&nali"),
                                       QStringLiteral("Alimenti personali"), QStringLiteral("alimenti_personali"),
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
    return std::nullopt;
}

}  // namespace velmo
