#include "catalogue/personalfood.h"

#include "catalogue/foodcategory.h"
#include "common/csv.h"
#include "common/inputecho.h"
#include "common/numbertext.h"
#include "common/safefile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QStringDecoder>

#include <cmath>

namespace velmo {

const std::array<FoodQuantity, 7> &foodQuantities()
{
    // Ranges per 100 g: no food holds more than 100 g of any component, fat alone gives 900
    // kcal, and the richest organ meats stay far below 5000 mg of cholesterol.
    static const std::array<FoodQuantity, 7> quantities{{
        {"edibile", QStringLiteral("Parte edibile"), QStringLiteral("%"), 1, 100},
        {"proteine", QStringLiteral("Proteine"), QStringLiteral("g"), 0, 100},
        {"lipidi", QStringLiteral("Lipidi"), QStringLiteral("g"), 0, 100},
        {"carboidrati", QStringLiteral("Carboidrati"), QStringLiteral("g"), 0, 100},
        {"energia", QStringLiteral("Energia"), QStringLiteral("kcal"), 0, 900},
        {"fibra", QStringLiteral("Fibra"), QStringLiteral("g"), 0, 100},
        {"colesterolo", QStringLiteral("Colesterolo"), QStringLiteral("mg"), 0, 5000},
    }};
    return quantities;
}

QString personalFoodName(const QString &typed)
{
    return nameKey(typed.trimmed());
}

QString personalFoodKey(const QString &name)
{
    return personalFoodName(name).toCaseFolded();
}

QString nameProblem(const QString &name)
{
    const QString kept = personalFoodName(name);
    if (kept.isEmpty())
        return QStringLiteral("Il nome dell'alimento è vuoto.");
    if (kept.size() > kMaxFoodNameLength)
        return QStringLiteral("Il nome dell'alimento è troppo lungo (al massimo %1 caratteri).")
            .arg(kMaxFoodNameLength);
    for (QChar c : kept)
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("Il nome dell'alimento contiene caratteri di controllo.");
    return {};
}

QString quantityProblem(int index, double value)
{
    const FoodQuantity &q = foodQuantities()[static_cast<std::size_t>(index)];
    if (value >= q.minimum && value <= q.maximum)
        return {};
    const QLocale locale;
    return QStringLiteral("%1: il valore deve essere compreso fra %2 e %3 %4.")
        .arg(q.label, formatPlain(q.minimum, locale), formatPlain(q.maximum, locale), q.unit);
}

QString energyMismatch(const PersonalFood &food)
{
    const auto &n = food.nutrients;
    if (!n[0] || !n[1] || !n[2] || !n[3])
        return {};
    const double computed = 4 * *n[0] + 9 * *n[1] + 4 * *n[2];
    if (std::fabs(*n[3] - computed) <= 0.15 * computed)
        return {};
    const QLocale locale;
    return QStringLiteral("L'energia indicata (%1 kcal) differisce di più del 15% da quella calcolata da proteine, "
                          "lipidi e carboidrati (4 × %2 + 9 × %3 + 4 × %4 = %5 kcal).\n\n"
                          "Può essere giusta (per esempio per l'alcol o i polioli). Conservare il valore indicato?")
        .arg(formatGroupedUpTo2(*n[3], locale), formatGroupedUpTo2(*n[0], locale), formatGroupedUpTo2(*n[1], locale),
             formatGroupedUpTo2(*n[2], locale), formatGroupedUpTo2(computed, locale));
}

QString foodsToCsv(const std::vector<PersonalFood> &foods)
{
    QString text = csvRecord(QStringList(foodColumns().cbegin(), foodColumns().cend()));
    for (const PersonalFood &food : foods) {
        QStringList fields{food.name, formatPlainDecimal(food.edible)};
        for (const auto &value : food.nutrients)
            fields.append(value ? formatPlainDecimal(*value) : QString());
        text += csvRecord(fields);
    }
    return text;
}

namespace {

// One record of the file as a food, or the reason it is not one.
QString readFood(const QStringList &fields, PersonalFood *food)
{
    if (fields.size() != 8)
        return QStringLiteral(
                   "servono 8 campi (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), "
                   "ce ne sono %1")
            .arg(fields.size());
    if (const QString problem = nameProblem(fields[0]); !problem.isEmpty())
        return problem;
    food->name = personalFoodName(fields[0]);
    for (int i = 0; i < 7; ++i) {
        const QString &field = fields[i + 1];
        const FoodQuantity &q = foodQuantities()[static_cast<std::size_t>(i)];
        if (field.trimmed().isEmpty()) {
            if (i == 0)
                return QStringLiteral("%1: manca il valore").arg(q.label);
            food->nutrients[static_cast<std::size_t>(i - 1)].reset();
            continue;
        }
        const auto value = readPlainDecimal(field);
        if (!value)
            return QStringLiteral(
                       "%1: %2 non è un numero (usare cifre e al più un separatore decimale, punto o virgola)")
                .arg(q.label, echoInput(field));
        if (const QString problem = quantityProblem(i, *value); !problem.isEmpty())
            return problem;
        if (i == 0)
            food->edible = *value;
        else
            food->nutrients[static_cast<std::size_t>(i - 1)] = *value;
    }
    return {};
}

}  // namespace

CsvFoods foodsFromCsv(const QByteArray &bytes, int maxErrors)
{
    CsvFoods result;
    if (bytes.size() > kMaxFoodCsvBytes) {
        result.errors.append(QStringLiteral("il file supera %1 MB").arg(kMaxFoodCsvBytes / (1024 * 1024)));
        return result;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        result.errors.append(QStringLiteral("il file non è testo UTF-8"));
        return result;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const CsvParseResult parsed = parseCsv(text);
    if (!parsed.ok()) {
        result.errors.append(parsed.error);
        return result;
    }
    const auto &records = parsed.records;
    QStringList header;
    if (!records.empty())
        for (const QString &field : records.front().fields)
            header.append(field.trimmed().toLower());
    if (header != QStringList(foodColumns().cbegin(), foodColumns().cend())) {
        result.errors.append(QStringLiteral("riga %1: la prima riga deve essere l'intestazione "
                                            "alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo")
                                 .arg(records.empty() ? 1 : records.front().line));
        return result;
    }
    QHash<QString, int> lineOfName;
    int failures = 0;
    const auto fail = [&](int line, const QString &why) {
        if (failures++ < maxErrors)
            result.errors.append(QStringLiteral("riga %1: %2").arg(line).arg(why));
    };
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord &record = records[r];
        PersonalFood food;
        if (const QString problem = readFood(record.fields, &food); !problem.isEmpty()) {
            fail(record.line, problem);
            continue;
        }
        const QString key = personalFoodKey(food.name);
        if (const auto known = lineOfName.constFind(key); known != lineOfName.cend()) {
            fail(record.line,
                 QStringLiteral("l'alimento %1 compare già alla riga %2").arg(echoInput(food.name)).arg(*known));
            continue;
        }
        lineOfName.insert(key, record.line);
        result.foods.push_back(std::move(food));
    }
    if (failures > maxErrors)
        result.errors.append(QStringLiteral("e altri %1 errori").arg(failures - maxErrors));
    if (!result.errors.isEmpty())
        result.foods.clear();
    return result;
}

CsvFoods readFoodsFile(const QString &path, int maxErrors)
{
    QFile file(path);
    QString reason;
    CsvFoods result;
    if (openRegularFile(file, &reason)) {
        const QByteArray bytes = file.read(kMaxFoodCsvBytes + 1);
        if (file.error() == QFileDevice::NoError)
            return foodsFromCsv(bytes, maxErrors);
        reason = file.errorString();
    }
    result.errors.append(QStringLiteral("impossibile leggere %1: %2").arg(QDir::toNativeSeparators(path), reason));
    return result;
}

}  // namespace velmo
