// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/mealfile.h"

#include "meal/mealfilelines.h"

#include "catalogue/foodcategory.h"
#include "common/csv.h"
#include "common/inputecho.h"
#include "meal/mealgrid.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <optional>
#include <utility>

namespace velmo {

namespace {

// A weight written with zeros only.
bool isZero(const QString &digits)
{
    return std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c == u'0'; });
}

// Checks UTF-8 one byte at a time, so that a line can be judged while it is read and a text
// that is no UTF-8 stops the reading at its first faulty byte. Overlong forms, surrogates and
// code points beyond U+10FFFF are faults, as in every strict decoder.
class Utf8Check {
public:
    // False at a faulty byte. `lead` is set when the byte starts a character.
    bool feed(unsigned char b, bool *lead)
    {
        *lead = pending_ == 0;
        if (pending_ > 0) {
            if (b < low_ || b > high_)
                return false;
            --pending_;
            low_ = 0x80;
            high_ = 0xBF;
            return true;
        }
        if (b < 0x80)
            return true;
        if (b >= 0xC2 && b <= 0xDF)
            return start(1, 0x80, 0xBF);
        if (b == 0xE0)
            return start(2, 0xA0, 0xBF);
        if (b == 0xED)
            return start(2, 0x80, 0x9F);
        if (b >= 0xE1 && b <= 0xEF)
            return start(2, 0x80, 0xBF);
        if (b == 0xF0)
            return start(3, 0x90, 0xBF);
        if (b >= 0xF1 && b <= 0xF3)
            return start(3, 0x80, 0xBF);
        if (b == 0xF4)
            return start(3, 0x80, 0x8F);
        return false;
    }
    // A line may not end inside a character.
    bool complete() const { return pending_ == 0; }

private:
    bool start(int pending, unsigned char low, unsigned char high)
    {
        pending_ = pending;
        low_ = low;
        high_ = high;
        return true;
    }
    int pending_ = 0;
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;
};

// Quoted only where the reader would otherwise split the field, take its quotes for quoting or
// trim it; any other text is written as it always was, so that older readers read it alike.
QString mealFileField(const QString &text)
{
    const bool quoted = text.contains(u';') || text.contains(u'"') || text != text.trimmed();
    return quoted ? csvQuoted(text) : text;
}

// A food's line as Velmo writes it: the category's own heading, the fields quoted where needed.
QString entryLine(const MealFileEntry &entry)
{
    return mealFileField(foodCategory(entry.category).heading) + u';' + mealFileField(entry.food) + u';'
           + mealFileField(entry.grams) + (entry.portion.isEmpty() ? QString() : u';' + mealFileField(entry.portion));
}

}  // namespace

bool namesPortion(const QString &field)
{
    return !field.isEmpty() && (field.front().isDigit() || QStringView(u"½¼¾").contains(field.front()))
           && std::any_of(field.cbegin(), field.cend(), [](QChar c) { return c.isLetter(); });
}

void readFoodLine(int line, const QString &content, std::vector<MealFileEntry> &entries,
                  std::vector<InputError> &errors)
{
    QString fault;
    const std::optional<QStringList> split = splitQuotedLine(content, u';', &fault);
    if (!split) {
        errors.push_back({line, fault});
        return;
    }
    const QStringList &fields = *split;
    if (fields.size() != 3 && fields.size() != 4) {
        errors.push_back({line, QCoreApplication::translate(
                                    "MealFile", "attese tre voci separate da \";\" (categoria;alimento;grammi), "
                                                "trovate %1")
                                    .arg(fields.size())});
        return;
    }
    MealFileEntry entry;
    entry.line = line;
    const QString &category = fields[0];
    entry.food = fields[1];
    entry.grams = fields[2];
    if (fields.size() == 4)
        entry.portion = fields[3];
    else if (namesPortion(entry.grams))
        entry.portion = std::exchange(entry.grams, QString());

    const auto found = findFoodCategory(category);
    if (category.isEmpty()) {
        errors.push_back({line, QCoreApplication::translate("MealFile", "manca la categoria")});
    } else if (!found) {
        errors.push_back(
            {line, QCoreApplication::translate("MealFile", "categoria sconosciuta %1 (l'elenco delle categorie è in "
                                                           "velmo-pasto --help)")
                       .arg(echoInput(category))});
    } else {
        entry.category = *found;
    }
    if (entry.food.isEmpty())
        errors.push_back({line, QCoreApplication::translate("MealFile", "manca il nome dell'alimento")});
    if (entry.grams.isEmpty() && !entry.portion.isEmpty()) {
        // The composer works the weight out of the food's measures.
    } else if (fields.size() == 4 && !namesPortion(entry.portion)) {
        errors.push_back({line, QCoreApplication::translate("MealFile", "la porzione %1 non dice quale misura")
                                    .arg(echoInput(entry.portion))});
    } else if (entry.grams.isEmpty() || !MealGrid::allDigits(entry.grams)) {
        errors.push_back(
            {line, QCoreApplication::translate("MealFile", "il peso lordo %1 non è un numero intero di grammi")
                       .arg(echoInput(entry.grams))});
    } else if (isZero(entry.grams)) {
        // The table would take a weight of 0 and drop the row at once: say so instead.
        errors.push_back({line, QCoreApplication::translate(
                                    "MealFile", "il peso lordo è 0: un alimento del pasto pesa almeno 1 grammo")});
    } else if (!MealGrid::acceptsGrossText(entry.grams)) {
        // The window's gross-weight boxes take no more digits either.
        errors.push_back(
            {line, QCoreApplication::translate("MealFile", "il peso lordo %1 è troppo grande (al massimo %2 cifre)")
                       .arg(echoInput(entry.grams), QString::number(kMaxGrossWeightDigits))});
    }
    // Quotes doubled or added may lengthen a line: one that Velmo would write too long to read
    // again is refused now, not once saved. Characters are counted as the reader counts them.
    if (entry.category >= 0 && entryLine(entry).toUcs4().size() > kMaxLineLength)
        errors.push_back({line, QCoreApplication::translate("MealFile", "la riga, come Velmo la salva, supera i %1 "
                                                                        "caratteri: accorciare il nome o la porzione")
                                    .arg(kMaxLineLength)});
    entries.push_back(entry);
}

namespace {

// Splits the input into lines as it arrives, a block at a time: memory stays at one block and
// one line whatever the input, and reading ends as soon as the rest cannot change the verdict.
class LineSplitter {
public:
    LineSplitter(QIODevice &input, MealTextLines &lines, std::vector<InputError> &errors)
        : input_(input), lines_(lines), errors_(errors)
    {
    }

    void read()
    {
        static constexpr qint64 kBlock = 64 * 1024;
        QByteArray block(kBlock, Qt::Uninitialized);
        qint64 total = 0;
        while (!stopped_) {
            // One byte beyond the limit tells a text of exactly the limit from a longer one.
            const qint64 wanted = std::min(kBlock, kMaxMealFileBytes + 1 - total);
            const qint64 got = input_.read(block.data(), wanted);
            if (got < 0) {
                stop(QCoreApplication::translate("MealFile", "lettura interrotta da un errore del sistema (%1)")
                         .arg(input_.errorString()));
                break;
            }
            if (got == 0)
                break;
            total += got;
            const qint64 usable = std::min(got, kMaxMealFileBytes - (total - got));
            for (qint64 i = 0; i < usable && !stopped_; ++i)
                feed(static_cast<unsigned char>(block[i]));
            if (!stopped_ && total > kMaxMealFileBytes) {
                // The line that was being read when the limit came may already be too long.
                if (characters_ > kMaxLineLength)
                    errors_.push_back({lineNumber_, lineTooLong()});
                stop(QCoreApplication::translate("MealFile",
                                                 "il testo supera 1 MB: non è un file di pasto; lettura interrotta"));
            }
        }
        if (!stopped_ && characters_ > 0)
            endLine();
    }

private:
    void feed(unsigned char b)
    {
        if (afterCarriageReturn_) {
            afterCarriageReturn_ = false;
            if (b == '\n')
                return;
        }
        if (b == '\n' || b == '\r') {
            afterCarriageReturn_ = b == '\r';
            endLine();
            return;
        }
        bool lead = false;
        if (b == 0) {
            stop(QCoreApplication::translate(
                "MealFile", "il testo contiene un carattere nullo: non è un file di testo; lettura interrotta"));
            return;
        }
        if (!utf8_.feed(b, &lead)) {
            notUtf8();
            return;
        }
        if (lead)
            ++characters_;
        if (characters_ <= kMaxLineLength)
            line_.append(static_cast<char>(b));
    }

    void endLine()
    {
        if (!utf8_.complete()) {
            notUtf8();
            return;
        }
        const int line = lineNumber_++;
        const int characters = characters_;
        QString content = QString::fromUtf8(line_).trimmed();
        line_.clear();
        characters_ = 0;
        if (line == 1 && content.startsWith(QChar(0xFEFF)))
            content = content.mid(1).trimmed();
        if (characters > kMaxLineLength) {
            errors_.push_back({line, lineTooLong()});
            stopped_ = !lines_.line(line, std::nullopt);
        } else if (!content.isEmpty() && !content.startsWith(u'#')) {
            stopped_ = !lines_.line(line, content);
        }
    }

    static QString lineTooLong()
    {
        return QCoreApplication::translate("MealFile", "la riga è più lunga di %1 caratteri").arg(kMaxLineLength);
    }

    void notUtf8()
    {
        stop(QCoreApplication::translate("MealFile", "il testo non è in codifica UTF-8; salvare il file come UTF-8"));
    }

    void stop(const QString &why)
    {
        errors_.push_back({lineNumber_, why});
        stopped_ = true;
    }

    QIODevice &input_;
    MealTextLines &lines_;
    std::vector<InputError> &errors_;
    QByteArray line_;
    int characters_ = 0;
    int lineNumber_ = 1;
    bool afterCarriageReturn_ = false;
    bool stopped_ = false;
    Utf8Check utf8_;
};

// The foods of a meal file, one line each; a line too long to read counts as one, since the
// limit of twelve is about the lines the user wrote.
class MealFileLines : public MealTextLines {
public:
    explicit MealFileLines(MealFile &file) : file_(file) {}

    bool line(int number, const std::optional<QString> &content) override
    {
        if (content)
            readFoodLine(number, *content, file_.entries, file_.errors);
        if (++foodLines_ <= kMealRows)
            return true;
        file_.errors.push_back({number, tooManyFoods()});
        return false;
    }

private:
    MealFile &file_;
    int foodLines_ = 0;
};

}  // namespace

void readMealTextLines(QIODevice &input, MealTextLines &lines, std::vector<InputError> &errors)
{
    LineSplitter(input, lines, errors).read();
}

InputError nothingToCompute()
{
    return {0, QCoreApplication::translate("MealFile",
                                           "nessun alimento da calcolare: il testo è vuoto o contiene solo commenti")};
}

QString tooManyFoods()
{
    return QCoreApplication::translate("MealFile",
                                       "più di dodici alimenti: la tabella del pasto ha %1 righe; lettura interrotta")
        .arg(kMealRows);
}

MealFile readMealFile(QIODevice &input)
{
    MealFile file;
    MealFileLines lines(file);
    readMealTextLines(input, lines, file.errors);
    if (file.entries.empty() && file.errors.empty())
        file.errors.push_back(nothingToCompute());
    return file;
}

MealFile readMealFile(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readMealFile(buffer);
}

QString readFailureMessage(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("MealFile", "impossibile leggere %1: %2").arg(echoInput(path), reason);
}

QString mealFileLine(const QString &heading, const QString &food)
{
    return mealFileField(heading) + u';' + mealFileField(food);
}

QByteArray mealFileText(const std::vector<MealFileEntry> &entries)
{
    QString text = QStringLiteral("# Pasto di Velmo: categoria;alimento;grammi (peso lordo). "
                                  "Si apre con Velmo o si calcola con velmo-pasto.\n");
    for (const MealFileEntry &entry : entries)
        text += entryLine(entry) + u'\n';
    return text.toUtf8();
}

QStringList errorReport(std::vector<InputError> errors)
{
    std::stable_sort(errors.begin(), errors.end(),
                     [](const InputError &a, const InputError &b) { return a.line < b.line; });
    QStringList messages;
    const std::size_t shown = std::min<std::size_t>(errors.size(), kMaxReportedErrors);
    for (std::size_t i = 0; i < shown; ++i)
        messages.append(errors[i].message());
    const int more = static_cast<int>(errors.size() - shown);
    if (more > 0)
        messages.append(QCoreApplication::translate("MealFile", "e altri %n errori", nullptr, more));
    return messages;
}

}  // namespace velmo
