// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/personalfood.h"

#include "catalogue/foodcategory.h"
#include "common/csv.h"
#include "common/inputecho.h"
#include "common/numbertext.h"
#include "common/safefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace velmo {

namespace {

// The texts of the personal foods and of their CSV files, in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PersonalFood)
};

// A separator of the user's thousands before the last three digits, the first not a zero: "1.300"
// typed in Italian may mean 1300 as well as 1,3. A file's number is doubted only when its last digit is
// a zero, which an export never writes ("12.125" comes back as it went).
bool maybeThousands(QStringView typed, const QLocale &locale, bool inFile)
{
    return mayBeThousands(typed, locale.groupSeparator(), inFile);
}

// What to write in place of a number maybeThousands() doubts.
QString thousandsHint(QStringView typed, const QLocale &locale)
{
    return Text::tr("Scrivere le migliaia senza separatore (%1) e i decimali con \"%2\".")
        .arg(typed.toString().remove(locale.groupSeparator()), locale.decimalPoint());
}

QString tooLarge()
{
    return Text::tr("il file supera %1 MB").arg(kMaxFoodCsvBytes / (1024 * 1024));
}

}  // namespace

QString FoodQuantity::shownLabel() const
{
    return Text::tr(label.toUtf8().constData());
}

const std::array<FoodQuantity, 7> &foodQuantities()
{
    // Ranges per 100 g: no food holds more than 100 g of any component, fat alone gives 900
    // kcal, and the richest organ meats stay far below 5000 mg of cholesterol.
    static const std::array<FoodQuantity, 7> quantities{{
        {"edibile", QStringLiteral(QT_TRANSLATE_NOOP("PersonalFood", "Parte edibile")), QStringLiteral("%"), 1, 100},
        {"proteine", QStringLiteral(QT_TRANSLATE_NOOP("PersonalFood", "Protidi")), QStringLiteral("g"), 0, 100},
        {"lipidi", QStringLiteral(QT_TRANSLATE_NOOP("PersonalFood", "Lipidi")), QStringLiteral("g"), 0, 100},
        {"carboidrati", QStringLiteral(QT_TRANSLATE_NOOP("PersonalFood", "Glucidi")), QStringLiteral("g"), 0, 100},
        {"energia", QStringLiteral(QT_TRANSLATE_NOOP("PersonalFood", "Energia")), QStringLiteral("kcal"), 0, 900},
        {"fibra", QStringLiteral(QT_TRANSLATE_NOOP("PersonalFood", "Fibra")), QStringLiteral("g"), 0, 100},
        {"colesterolo", QStringLiteral(QT_TRANSLATE_NOOP("PersonalFood", "Colesterolo")), QStringLiteral("mg"), 0,
         5000},
    }};
    return quantities;
}

const std::array<ExtraNutrient, kExtraNutrientCount> &extraNutrients()
{
    constexpr double g = 100;
    constexpr double mg = 100'000;
    constexpr double ug = 100'000'000;
    static const std::array<ExtraNutrient, kExtraNutrientCount> nutrients{{
        {"ENERC_KJ", QT_TRANSLATE_NOOP("PersonalFood", "Energia"), "kJ", 3800},
        {"WATER", QT_TRANSLATE_NOOP("PersonalFood", "Acqua"), "g", g},
        {"ALC", QT_TRANSLATE_NOOP("PersonalFood", "Alcol etilico"), "g", g},
        {"STARCH", QT_TRANSLATE_NOOP("PersonalFood", "Amido"), "g", g},
        {"SUGAR", QT_TRANSLATE_NOOP("PersonalFood", "Zuccheri totali"), "g", g},
        {"LACS", QT_TRANSLATE_NOOP("PersonalFood", "Lattosio"), "g", g},
        {"FASAT", QT_TRANSLATE_NOOP("PersonalFood", "Acidi grassi saturi totali"), "g", g},
        {"FAMS", QT_TRANSLATE_NOOP("PersonalFood", "Acidi grassi monoinsaturi totali"), "g", g},
        {"FAPU", QT_TRANSLATE_NOOP("PersonalFood", "Acidi grassi polinsaturi totali"), "g", g},
        {"FATRN", QT_TRANSLATE_NOOP("PersonalFood", "Acidi grassi trans totali"), "g", g},
        {"F18D2", QT_TRANSLATE_NOOP("PersonalFood", "Acidi grassi 18:2 (isomeri non distinti)"), "g", g},
        {"F18D3", QT_TRANSLATE_NOOP("PersonalFood", "Acidi grassi 18:3 (isomeri non distinti)"), "g", g},
        {"F20D5", QT_TRANSLATE_NOOP("PersonalFood", "Acido eicosapentaenoico 20:5 n-3 (EPA)"), "g", g},
        {"F22D6", QT_TRANSLATE_NOOP("PersonalFood", "Acido docosaesaenoico 22:6 n-3 (DHA)"), "g", g},
        {"CA", QT_TRANSLATE_NOOP("PersonalFood", "Calcio"), "mg", mg},
        {"FE", QT_TRANSLATE_NOOP("PersonalFood", "Ferro"), "mg", mg},
        {"MG", QT_TRANSLATE_NOOP("PersonalFood", "Magnesio"), "mg", mg},
        {"P", QT_TRANSLATE_NOOP("PersonalFood", "Fosforo"), "mg", mg},
        {"K", QT_TRANSLATE_NOOP("PersonalFood", "Potassio"), "mg", mg},
        {"NA", QT_TRANSLATE_NOOP("PersonalFood", "Sodio"), "mg", mg},
        {"ZN", QT_TRANSLATE_NOOP("PersonalFood", "Zinco"), "mg", mg},
        {"CU", QT_TRANSLATE_NOOP("PersonalFood", "Rame"), "mg", mg},
        {"MN", QT_TRANSLATE_NOOP("PersonalFood", "Manganese"), "mg", mg},
        {"SE", QT_TRANSLATE_NOOP("PersonalFood", "Selenio"), "µg", ug},
        {"VITA_RAE", QT_TRANSLATE_NOOP("PersonalFood", "Vitamina A (equivalenti di attività del retinolo)"), "µg", ug},
        {"RETOL", QT_TRANSLATE_NOOP("PersonalFood", "Retinolo"), "µg", ug},
        {"CARTB", QT_TRANSLATE_NOOP("PersonalFood", "Beta-carotene"), "µg", ug},
        {"VITD", QT_TRANSLATE_NOOP("PersonalFood", "Vitamina D (D2 + D3)"), "µg", ug},
        {"TOCPHA", QT_TRANSLATE_NOOP("PersonalFood", "Vitamina E (alfa-tocoferolo)"), "mg", mg},
        {"VITK1", QT_TRANSLATE_NOOP("PersonalFood", "Vitamina K (fillochinone)"), "µg", ug},
        {"VITC", QT_TRANSLATE_NOOP("PersonalFood", "Vitamina C (acido ascorbico totale)"), "mg", mg},
        {"THIA", QT_TRANSLATE_NOOP("PersonalFood", "Tiamina (vitamina B1)"), "mg", mg},
        {"RIBF", QT_TRANSLATE_NOOP("PersonalFood", "Riboflavina (vitamina B2)"), "mg", mg},
        {"NIA", QT_TRANSLATE_NOOP("PersonalFood", "Niacina (preformata)"), "mg", mg},
        {"PANTAC", QT_TRANSLATE_NOOP("PersonalFood", "Acido pantotenico"), "mg", mg},
        {"VITB6A", QT_TRANSLATE_NOOP("PersonalFood", "Vitamina B6"), "mg", mg},
        {"FOL", QT_TRANSLATE_NOOP("PersonalFood", "Folati totali"), "µg", ug},
        {"FOLDFE", QT_TRANSLATE_NOOP("PersonalFood", "Folati (equivalenti alimentari di folato)"), "µg", ug},
        {"VITB12", QT_TRANSLATE_NOOP("PersonalFood", "Vitamina B12"), "µg", ug},
        {"CHOLN", QT_TRANSLATE_NOOP("PersonalFood", "Colina totale"), "mg", mg},
        {"CAFFN", QT_TRANSLATE_NOOP("PersonalFood", "Caffeina"), "mg", mg},
    }};
    return nutrients;
}

QString ExtraNutrient::shownName() const
{
    return Text::tr(name);
}

QString ExtraNutrient::label() const
{
    return QStringLiteral("%1 (%2)").arg(shownName(), QLatin1String(tag));
}

QString extraProblem(std::size_t index, double value)
{
    const ExtraNutrient &n = extraNutrients()[index];
    if (value >= 0 && value <= n.maximum)
        return {};
    const QLocale locale;
    return Text::tr("%1: il valore deve essere compreso fra %2 e %3 %4.")
        .arg(n.label(), formatPlain(0, locale), formatPlain(n.maximum, locale), QString::fromUtf8(n.unit));
}

std::optional<std::size_t> extraNutrientIndex(const QString &tag)
{
    const auto &all = extraNutrients();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (tag.compare(QLatin1String(all[i].tag), Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

QString personalFoodName(const QString &typed)
{
    return nameKey(typed.trimmed());
}

QString personalFoodKey(const QString &name)
{
    return personalFoodName(name).toCaseFolded();
}

QString measuresText(const std::vector<PersonalMeasure> &measures, const QLocale *shownIn)
{
    QStringList parts;
    for (const PersonalMeasure &m : measures) {
        QString grams = formatPlainDecimal(m.grams);
        if (shownIn)
            grams.replace(u'.', shownIn->decimalPoint());
        parts.append(m.name + u'=' + grams);
    }
    return parts.join(u'|');
}

std::optional<std::vector<PersonalMeasure>> readMeasuresText(QStringView text, QString *problem, const QLocale *typedIn,
                                                             bool inFile)
{
    std::vector<PersonalMeasure> measures;
    if (text.trimmed().isEmpty())
        return measures;
    const QLocale locale;
    for (QStringView part : text.split(u'|')) {
        const qsizetype equals = part.indexOf(u'=');
        const QString name = (equals < 0 ? part : part.first(equals)).trimmed().toString();
        const auto grams = equals < 0 ? std::nullopt : readPlainDecimal(part.mid(equals + 1));
        if (name.isEmpty() || !grams) {
            *problem = Text::tr("%1 non è una misura: scrivere nome=grammi, per esempio fetta=30, le misure "
                                "separate da \"|\".")
                           .arg(echoInput(part.trimmed().toString()));
            return std::nullopt;
        }
        if (const QStringView typed = part.mid(equals + 1).trimmed();
            typedIn && maybeThousands(typed, *typedIn, inFile)) {
            *problem = Text::tr("%1: i grammi %2 non sono chiari.").arg(name, echoInput(typed.toString())) + u' '
                       + thousandsHint(typed, *typedIn);
            return std::nullopt;
        }
        if (name.size() > kMaxMeasureNameLength || hasHiddenCharacters(name)) {
            *problem = Text::tr("Il nome di misura %1 è troppo lungo (al massimo %2 caratteri) o contiene caratteri "
                                "di controllo o invisibili.")
                           .arg(echoInput(name))
                           .arg(kMaxMeasureNameLength);
            return std::nullopt;
        }
        // A portion is a count and a measure's name, told apart by the name's letters ("2 fetta").
        if (std::none_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLetter(); })) {
            *problem = Text::tr("Il nome di misura %1 non ha lettere: scrivere una parola, per esempio fetta.")
                           .arg(echoInput(name));
            return std::nullopt;
        }
        if (!(*grams > 0 && *grams <= kMaxMeasureGrams)) {
            *problem = Text::tr("%1: i grammi di parte edibile devono essere maggiori di 0 e al più %2.")
                           .arg(name, formatGroupedUpTo2(kMaxMeasureGrams, locale));
            return std::nullopt;
        }
        if (std::any_of(measures.cbegin(), measures.cend(),
                        [&](const PersonalMeasure &m) { return m.name.compare(name, Qt::CaseInsensitive) == 0; })) {
            *problem = Text::tr("La misura %1 compare più volte.").arg(echoInput(name));
            return std::nullopt;
        }
        measures.push_back({name, *grams});
    }
    if (measures.size() > kMaxPersonalMeasures) {
        *problem = Text::tr("Al massimo %1 misure per alimento.").arg(kMaxPersonalMeasures);
        return std::nullopt;
    }
    return measures;
}

QString nameProblem(const QString &name)
{
    const QString kept = personalFoodName(name);
    if (kept.isEmpty())
        return Text::tr("Il nome dell'alimento è vuoto.");
    // The composition table takes a row as filled only from two characters on: a shorter name
    // would vanish from every meal it is weighed in.
    if (kept.size() < 2)
        return Text::tr("Il nome dell'alimento deve avere almeno due caratteri.");
    if (kept.size() > kMaxFoodNameLength)
        return Text::tr("Il nome dell'alimento è troppo lungo (al massimo %1 caratteri).").arg(kMaxFoodNameLength);
    if (hasHiddenCharacters(kept))
        return Text::tr("Il nome dell'alimento contiene caratteri di controllo o invisibili.");
    return {};
}

QString quantityProblem(int index, double value)
{
    const FoodQuantity &q = foodQuantities()[static_cast<std::size_t>(index)];
    if (value >= q.minimum && value <= q.maximum)
        return {};
    const QLocale locale;
    return Text::tr("%1: il valore deve essere compreso fra %2 e %3 %4.")
        .arg(q.shownLabel(), formatPlain(q.minimum, locale), formatPlain(q.maximum, locale), q.unit);
}

std::vector<ValueDoubt> valueDoubts(const PersonalFood &food)
{
    std::vector<ValueDoubt> doubts;
    const auto &n = food.nutrients;
    const QLocale locale;
    if (n[0] && n[1] && n[2] && n[3]) {
        const double computed = 4 * *n[0] + 9 * *n[1] + 4 * *n[2];
        if (std::fabs(*n[3] - computed) > 0.15 * computed)
            doubts.push_back(
                {4, Text::tr("L'energia indicata (%1 kcal) differisce di più del 15% da quella calcolata da "
                             "protidi, lipidi e glucidi (4 × %2 + 9 × %3 + 4 × %4 = %5 kcal); può essere "
                             "giusta, per esempio per l'alcol o i polioli.")
                        .arg(formatGroupedUpTo2(*n[3], locale), formatGroupedUpTo2(*n[0], locale),
                             formatGroupedUpTo2(*n[1], locale), formatGroupedUpTo2(*n[2], locale),
                             formatAmount(computed, Amount::Kilocalories, locale))});
    }
    // Each of them is at most 100 g already; a sum just above can be the rounding of the tables.
    const double sum = n[0].value_or(0) + n[1].value_or(0) + n[2].value_or(0);
    if (sum > 100)
        doubts.push_back({1, Text::tr("Protidi, lipidi e glucidi insieme fanno %1 g, più dei 100 g di "
                                      "alimento a cui si riferiscono.")
                                 .arg(formatGroupedUpTo2(sum, locale))});
    return doubts;
}

QString foodsCsvHeader(const ExtraColumns &columns)
{
    QStringList header(foodColumns().cbegin(), foodColumns().cend());
    for (std::size_t i = 0; i < kExtraNutrientCount; ++i)
        if (columns[i])
            header.append(QLatin1String(extraNutrients()[i].tag));
    if (columns[kMeasuresColumn])
        header.append(QStringLiteral("misure"));
    return csvRecord(header);
}

QString foodCsvRecord(const PersonalFood &food, const ExtraColumns &columns)
{
    QStringList fields{spreadsheetSafeText(food.name), formatPlainDecimal(food.edible)};
    const auto add = [&fields](const std::optional<double> &value) {
        fields.append(value ? formatPlainDecimal(*value) : QString());
    };
    for (const auto &value : food.nutrients)
        add(value);
    for (std::size_t i = 0; i < kExtraNutrientCount; ++i)
        if (columns[i])
            add(food.extra[i]);
    if (columns[kMeasuresColumn])
        fields.append(spreadsheetSafeText(measuresText(food.measures)));
    return csvRecord(fields);
}

ExtraColumns extraColumnsOf(const PersonalFood &food)
{
    ExtraColumns columns;
    for (std::size_t i = 0; i < kExtraNutrientCount; ++i)
        columns[i] = food.extra[i].has_value();
    columns[kMeasuresColumn] = !food.measures.empty();
    return columns;
}

QString foodsToCsv(const std::vector<PersonalFood> &foods)
{
    ExtraColumns columns;
    for (const PersonalFood &food : foods)
        columns |= extraColumnsOf(food);
    QString text = foodsCsvHeader(columns);
    for (const PersonalFood &food : foods)
        text += foodCsvRecord(food, columns);
    return text;
}

namespace {

// A row of 49 short fields is far below this; an unclosed quote would otherwise take the
// whole file into one field.
constexpr qsizetype kMaxRecordChars = 64 * 1024;

// A number of the file, or why it is not one.
QString readNumber(const QString &field, const QString &label, double *value)
{
    const auto read = readPlainDecimal(field);
    if (!read)
        return Text::tr("%1: %2 non è un numero (usare cifre e al più un separatore decimale, punto o virgola)")
            .arg(label, echoInput(field));
    // Typed by the user in a spreadsheet or an editor: "1.300" in Italian may be thousands.
    if (const QLocale user; maybeThousands(field.trimmed(), user, true))
        return Text::tr("%1: il valore %2 non è chiaro.").arg(label, echoInput(field)) + u' '
               + thousandsHint(field.trimmed(), user);
    *value = *read;
    return {};
}

// The extra nutrients' fields of a record, after the eight, in the order `columns` gives their
// indexes of extraNutrients().
QString readExtra(const QStringList &fields, const std::vector<std::size_t> &columns, PersonalFood *food)
{
    food->unstated.set();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::size_t i = columns[c];
        const QString &field = fields[static_cast<qsizetype>(c) + 8];
        food->unstated.reset(i);
        if (i == kMeasuresColumn) {
            QString problem;
            // Typed by the user in a spreadsheet or an editor: "1.000" in Italian is no gram.
            const QLocale user;
            const auto measures = readMeasuresText(csvTextField(field), &problem, &user, true);
            if (!measures)
                return Text::tr("misure: %1").arg(problem);
            food->measures = *measures;
            continue;
        }
        const ExtraNutrient &n = extraNutrients()[i];
        if (field.trimmed().isEmpty())
            continue;
        double value = 0;
        if (QString problem = readNumber(field, n.label(), &value); !problem.isEmpty())
            return problem;
        if (QString problem = extraProblem(i, value); !problem.isEmpty())
            return problem;
        food->extra[i] = value;
    }
    return {};
}

// One record of the file as a food, or the reason it is not one.
QString readFood(const QStringList &fields, const std::vector<std::size_t> &columns, PersonalFood *food)
{
    const auto expected = static_cast<qsizetype>(columns.size()) + 8;
    if (fields.size() != expected)
        return columns.empty() ? Text::tr("servono 8 campi (alimenti,edibile,proteine,lipidi,carboidrati,energia,"
                                          "fibra,colesterolo), ce ne sono %n",
                                          nullptr, static_cast<int>(fields.size()))
                               : Text::tr("servono tanti campi quante sono le colonne dell'intestazione (%1), ce "
                                          "ne sono %n",
                                          nullptr, static_cast<int>(fields.size()))
                                     .arg(expected);
    const QString name = csvTextField(fields[0]);
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        return problem;
    food->name = personalFoodName(name);
    for (int i = 0; i < 7; ++i) {
        const QString &field = fields[i + 1];
        const FoodQuantity &q = foodQuantities()[static_cast<std::size_t>(i)];
        if (field.trimmed().isEmpty()) {
            if (i == 0)
                return Text::tr("%1: manca il valore").arg(q.shownLabel());
            food->nutrients[static_cast<std::size_t>(i - 1)].reset();
            continue;
        }
        double value = 0;
        if (QString problem = readNumber(field, q.shownLabel(), &value); !problem.isEmpty())
            return problem;
        if (QString problem = quantityProblem(i, value); !problem.isEmpty())
            return problem;
        if (i == 0)
            food->edible = value;
        else
            food->nutrients[static_cast<std::size_t>(i - 1)] = value;
    }
    return readExtra(fields, columns, food);
}

// The length of the head of `bytes` that does not end inside a UTF-8 sequence: the rest waits
// for the next piece of the file.
qsizetype wholeUtf8(QByteArrayView bytes)
{
    for (qsizetype back = 1; back <= std::min<qsizetype>(4, bytes.size()); ++back) {
        const auto c = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if (c < 0x80)
            return bytes.size();
        if (c >= 0xC0)
            return (c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2) > back ? bytes.size() - back : bytes.size();
    }
    return bytes.size();
}

// Whether `line`, the file's first, is the header with semicolons between its columns, quoted or
// not, as a spreadsheet set to Italian saves it: the comma reader would see one column, or a
// quote out of place.
bool semicolonHeader(QStringView line)
{
    QStringList fields;
    for (QStringView field : line.split(u';')) {
        field = field.trimmed();
        if (field.size() >= 2 && field.front() == u'"' && field.back() == u'"')
            field = field.mid(1, field.size() - 2);
        fields.append(field.toString().toLower());
    }
    return fields.mid(0, 8) == QStringList(foodColumns().cbegin(), foodColumns().cend());
}

QString headerProblem()
{
    return Text::tr("la prima riga deve essere l'intestazione "
                    "alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo");
}

// One reading of a foods CSV, a piece at a time. A fault of the whole file is reported alone;
// the graver one when there are several, as if each check had read the whole file before the
// next.
class FoodsCsvReading {
public:
    explicit FoodsCsvReading(const FoodReading &how) : how_(how) {}

    // Reads `csv` to its end, or until the sink stops the reading.
    void read(QIODevice &csv);
    CsvFoods result();

private:
    enum class Fault { None, Header, Syntax, Encoding, Size, Cancelled };

    void wholeFile(Fault f, const QString &text)
    {
        if (f > fault_) {
            fault_ = f;
            faultText_ = text;
        }
    }
    void fail(int line, const QString &why)
    {
        if (result_.faulty++ < how_.maxErrors)
            result_.errors.append(Text::tr("riga %1: %2").arg(line).arg(why));
    }
    // The reader's records: the header, then the foods. False stops the reading.
    bool take(const CsvRecord &record);
    void readHeader(const CsvRecord &record);
    // The sink when none is given: the foods kept in the result.
    int keepInMemory(const PersonalFood &food, int line, bool keep);
    // The text of the next piece of the file; none once it is not UTF-8.
    std::optional<QString> decode(const char *bytes, qint64 size, bool first);

    const FoodReading &how_;
    CsvFoods result_;
    Fault fault_ = Fault::None;
    QString faultText_;
    QHash<QString, int> lineOfName_;
    std::vector<std::size_t> columns_;  // of the extra nutrients, after the eight
    bool headerRead_ = false;
    bool semicolons_ = false;  // the header's columns are separated by semicolons
    bool stopped_ = false;
    QStringDecoder decoder_{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
    QByteArray pending_;
};

int FoodsCsvReading::keepInMemory(const PersonalFood &food, int line, bool keep)
{
    const QString key = personalFoodKey(food.name);
    if (const auto known = lineOfName_.constFind(key); known != lineOfName_.cend())
        return *known;
    lineOfName_.insert(key, line);
    if (keep)
        result_.foods.push_back(food);
    return 0;
}

void FoodsCsvReading::readHeader(const CsvRecord &record)
{
    headerRead_ = true;
    QStringList header;
    for (const QString &field : record.fields)
        header.append(field.trimmed().toLower());
    const QStringList eight(foodColumns().cbegin(), foodColumns().cend());
    if (header.mid(0, 8) != eight) {
        wholeFile(Fault::Header, Text::tr("riga %1: %2").arg(record.line).arg(headerProblem()));
        return;
    }
    ExtraColumns seen;
    for (qsizetype c = 8; c < header.size(); ++c) {
        const QString &tag = record.fields[c].trimmed();
        const auto index = header[c] == u"misure" ? std::optional(kMeasuresColumn) : extraNutrientIndex(tag);
        if (!index || seen[*index]) {
            wholeFile(Fault::Header,
                      Text::tr("riga %1: %2")
                          .arg(record.line)
                          .arg(index ? Text::tr("la colonna %1 compare più volte").arg(echoInput(tag))
                                     : Text::tr("colonna sconosciuta %1: dopo le otto colonne possono venire solo "
                                                "le sigle INFOODS dei nutrienti (per esempio CA, FE, VITC) e misure")
                                           .arg(echoInput(tag))));
            return;
        }
        seen.set(*index);
        columns_.push_back(*index);
    }
}

bool FoodsCsvReading::take(const CsvRecord &record)
{
    if (!headerRead_) {
        readHeader(record);
        return true;
    }
    if (fault_ != Fault::None)
        return true;  // only the syntax of the rest may still matter
    PersonalFood food;
    if (const QString problem = readFood(record.fields, columns_, &food); !problem.isEmpty()) {
        fail(record.line, problem);
        return true;
    }
    QStringList doubts;
    if (!how_.force)
        for (const ValueDoubt &d : valueDoubts(food))
            doubts.append(d.text);
    const bool keep = result_.faulty == 0 && doubts.isEmpty();
    const int earlier = how_.sink ? how_.sink(food, record.line, keep) : keepInMemory(food, record.line, keep);
    if (earlier < 0) {
        stopped_ = true;
        return false;
    }
    if (earlier > 0) {
        fail(record.line, Text::tr("l'alimento %1 compare già alla riga %2").arg(echoInput(food.name)).arg(earlier));
    } else if (!doubts.isEmpty()) {
        ++result_.doubtful;
        fail(record.line, doubts.join(u' '));
    }
    return true;
}

std::optional<QString> FoodsCsvReading::decode(const char *bytes, qint64 size, bool first)
{
    pending_.append(bytes, size);
    const qsizetype whole = wholeUtf8(pending_);
    QString text = decoder_.decode(QByteArrayView(pending_).first(whole));
    pending_.remove(0, whole);
    if (decoder_.hasError())
        return std::nullopt;
    if (first && text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

void FoodsCsvReading::read(QIODevice &csv)
{
    CsvReader reader([this](const CsvRecord &record) { return take(record); }, kMaxRecordChars);
    qint64 total = 0;
    bool parsing = true;
    char buffer[64 * 1024];
    for (qint64 n; !stopped_ && (n = csv.read(buffer, sizeof buffer)) > 0;) {
        total += n;
        if (total > kMaxFoodCsvBytes) {
            wholeFile(Fault::Size, tooLarge());
            break;
        }
        if (fault_ == Fault::Encoding)
            continue;  // only the size can still matter
        const std::optional<QString> text = decode(buffer, n, total == n);
        if (!text) {
            wholeFile(Fault::Encoding, Text::tr("il file non è testo UTF-8"));
            continue;
        }
        if (total == n)
            semicolons_ = semicolonHeader(
                QStringView(*text).first(text->contains(u'\n') ? text->indexOf(u'\n') : text->size()));
        if (parsing && !reader.feed(*text)) {
            parsing = false;
            if (!reader.error().isEmpty())
                wholeFile(Fault::Syntax, reader.error());
        }
        if (how_.progress && !how_.progress(total)) {
            wholeFile(Fault::Cancelled, Text::tr("lettura annullata"));
            return;
        }
    }
    if (!pending_.isEmpty() && fault_ < Fault::Encoding)
        wholeFile(Fault::Encoding, Text::tr("il file non è testo UTF-8"));
    if (parsing && !stopped_ && fault_ < Fault::Syntax && !reader.finish() && !reader.error().isEmpty())
        wholeFile(Fault::Syntax, reader.error());
    if (!stopped_ && !headerRead_ && fault_ == Fault::None)
        wholeFile(Fault::Header, Text::tr("riga 1: %1").arg(headerProblem()));
    // What the comma reader made of semicolons says nothing to the user: the semicolons do.
    if (semicolons_ && (fault_ == Fault::Header || fault_ == Fault::Syntax))
        faultText_ = Text::tr("riga 1: %1")
                         .arg(Text::tr("le colonne devono essere separate da virgole, non da punti e virgola"));
}

CsvFoods FoodsCsvReading::result()
{
    if (fault_ != Fault::None) {
        result_.errors = QStringList{faultText_};
        result_.faulty = 1;
        result_.doubtful = 0;
        result_.cancelled = fault_ == Fault::Cancelled;
    } else if (result_.faulty > how_.maxErrors) {
        result_.errors.append(Text::tr("e altri %n errori", nullptr, result_.faulty - how_.maxErrors));
    }
    if (!result_.errors.isEmpty())
        result_.foods.clear();
    return std::move(result_);
}

}  // namespace

CsvFoods readFoods(QIODevice &csv, const FoodReading &how)
{
    FoodsCsvReading reading(how);
    reading.read(csv);
    return reading.result();
}

CsvFoods foodsFromCsv(const QByteArray &bytes, int maxErrors)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readFoods(buffer, {{}, false, maxErrors});
}

CsvFoods readFoodsFile(const QString &path, const FoodReading &how)
{
    QFile file(path);
    QString reason;
    CsvFoods result;
    if (openRegularFile(file, &reason)) {
        // Too large a file is refused before it is read, however long reading it would take.
        if (file.size() > kMaxFoodCsvBytes)
            return {{}, {tooLarge()}, 1, 0};
        result = readFoods(file, how);
        if (file.error() == QFileDevice::NoError)
            return result;
        reason = file.errorString();
        result = {};
    }
    result.errors.append(Text::tr("impossibile leggere %1: %2").arg(QDir::toNativeSeparators(path), reason));
    return result;
}

}  // namespace velmo
