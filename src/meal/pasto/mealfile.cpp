#include "meal/pasto/mealfile.h"

#include "catalogue/foodcategory.h"
#include "meal/mealgrid.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace velmo {

namespace {

InputError lineError(int line, const QString &what)
{
    return {line, what};
}

}  // namespace

QString decodeMealFile(const QByteArray &bytes, QString *error)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        // Name the first line that is not UTF-8, to help whoever saved it in another encoding.
        int line = 1;
        for (const QByteArray &raw : bytes.split('\n')) {
            QStringDecoder probe(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString decoded = probe.decode(raw);
            if (probe.hasError())
                break;
            ++line;
        }
        *error = lineError(line, QStringLiteral("il testo non è in codifica UTF-8; salvare il file come UTF-8")).message();
        return {};
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

MealFile readMealFile(const QString &text)
{
    MealFile file;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        const QString content = lines[i].trimmed();
        if (content.isEmpty() || content.startsWith(u'#'))
            continue;

        const QStringList fields = content.split(u';');
        if (fields.size() != 3) {
            file.errors.push_back(lineError(line, QStringLiteral("attese tre voci separate da \";\" "
                                                              "(categoria;alimento;grammi), trovate %1")
                                                   .arg(fields.size())));
            continue;
        }
        MealFileEntry entry;
        entry.line = line;
        const QString category = fields[0].trimmed();
        entry.food = fields[1].trimmed();
        entry.grams = fields[2].trimmed();

        const auto found = findFoodCategory(category);
        if (category.isEmpty()) {
            file.errors.push_back(lineError(line, QStringLiteral("manca la categoria")));
        } else if (!found) {
            file.errors.push_back(lineError(line, QStringLiteral("categoria sconosciuta \"%1\" (l'elenco delle "
                                                              "categorie è in velmo-pasto --help)")
                                                   .arg(category)));
        } else {
            entry.category = *found;
        }
        if (entry.food.isEmpty()) {
            file.errors.push_back(lineError(line, QStringLiteral("manca il nome dell'alimento")));
        }
        if (entry.grams.isEmpty() || !MealGrid::allDigits(entry.grams)) {
            file.errors.push_back(lineError(line, QStringLiteral("il peso lordo \"%1\" non è un numero intero di grammi")
                                                   .arg(entry.grams)));
        } else if (const qsizetype firstNonZero = entry.grams.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
                   firstNonZero < 0) {
            // The table would take a weight of 0 and drop the row at once: say so instead.
            file.errors.push_back(
                lineError(line, QStringLiteral("il peso lordo è 0: un alimento del pasto pesa almeno 1 grammo")));
        } else if (!MealGrid::acceptsGrossText(entry.grams)) {
            // The window's gross-weight boxes take no more digits either.
            file.errors.push_back(lineError(line, QStringLiteral("il peso lordo \"%1\" è troppo grande (al massimo %2 cifre)")
                                                   .arg(entry.grams)
                                                   .arg(kMaxGrossWeightDigits)));
        }

        // Faulty lines count as foods too: the limit of twelve is about the lines the user wrote.
        file.entries.push_back(entry);
        if (static_cast<int>(file.entries.size()) == kMealRows + 1)
            file.errors.push_back(lineError(line, QStringLiteral("più di dodici alimenti: la tabella del pasto ha %1 righe")
                                                   .arg(kMealRows)));
    }
    if (file.entries.empty() && file.errors.empty())
        file.errors.push_back({0, QStringLiteral("nessun alimento da calcolare: il testo è vuoto o contiene solo commenti")});
    return file;
}

}  // namespace velmo
