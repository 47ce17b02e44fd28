#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodsearch.h"
#include "catalogue/personalcatalogue.h"
#include "common/inputecho.h"
#include "common/consoleoutput.h"
#include "common/numbertext.h"
#include "common/programdir.h"
#include "common/safefile.h"
#include "meal/mealcomposer.h"
#include "meal/mealfile.h"
#include "meal/cli/mealreport.h"
#include "meal/mealcsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using namespace velmo;

// Exit codes: the meal was computed; the food database is missing or unreadable; the input
// (options, file, lines) is at fault; the result could not be written.
constexpr int kDone = 0;
constexpr int kDatabaseFailure = 1;
constexpr int kInputFailure = 2;
static_assert(kOutputFailure == 3);

int fail(int code, const QStringList &messages)
{
    for (const QString &m : messages)
        writeStandardError(QStringLiteral("velmo-pasto: %1\n").arg(m));
    return code;
}

// Reading a folder fails only at the first read, with the system's English words: say it first.
bool standardInputIsFolder()
{
#ifdef Q_OS_WIN
    return false;
#else
    struct stat status {};
    return fstat(STDIN_FILENO, &status) == 0 && S_ISDIR(status.st_mode);
#endif
}

// The whole result in one piece, then standard output closed: done only if all of it arrived.
int write(ConsoleOutput &output, const QString &text)
{
    if (output.write(text) && output.close())
        return kDone;
    writeStandardError(output.failureMessage(QStringLiteral("velmo-pasto")) + u'\n');
    return kOutputFailure;
}

// The personal catalogue, with a word on standard error for every permission it had to tighten.
std::unique_ptr<PersonalCatalogue> openPersonal(bool create, QString *error)
{
    auto personal = PersonalCatalogue::open(PersonalCatalogue::defaultPath(), create, error);
    if (personal)
        for (const QString &notice : personal->notices())
            writeStandardError(QStringLiteral("velmo-pasto: %1\n").arg(notice));
    return personal;
}

QString helpText()
{
    QString categories;
    for (const FoodCategory &c : foodCategories())
        categories += QStringLiteral("  %1 (tabella %2)\n").arg(c.heading, c.table);
    categories += QStringLiteral("  %1 (i propri alimenti, nell'archivio %2)\n")
                      .arg(personalCategory().heading, QDir::toNativeSeparators(PersonalCatalogue::defaultPath()));
    return QStringLiteral(
               "Uso: velmo-pasto [--csv] [--fabbisogno KCAL] [FILE]\n"
               "     velmo-pasto --cerca TESTO\n"
               "     velmo-pasto --importa-alimenti FILE.csv [--forza]\n"
               "     velmo-pasto --esporta-alimenti\n"
               "\n"
               "Calcola le calorie e i nutrienti di un pasto, come la tabella di composizione di Velmo.\n"
               "Legge il FILE indicato, oppure lo standard input se il FILE manca o è \"-\". Il FILE è un file\n"
               "normale: una pipe con nome, un dispositivo o un socket si passano come standard input.\n"
               "\n"
               "Ogni riga descrive un alimento, al massimo dodici:\n"
               "  categoria;alimento;grammi\n"
               "- categoria: il titolo della categoria (per esempio \"Frutta\") o il nome della sua tabella;\n"
               "- alimento: il nome esatto dell'alimento, come appare nella griglia degli alimenti;\n"
               "- grammi: il peso lordo, un numero intero di grammi.\n"
               "Una voce che contiene \";\" o virgolette, o che inizia o finisce con spazi, va tra virgolette\n"
               "doppie, raddoppiando quelle al suo interno: \"Pasta; sugo\", \"Torta \"\"della nonna\"\"\".\n"
               "Le righe vuote e quelle che iniziano con \"#\" sono ignorate. Il testo è in UTF-8, con righe\n"
               "di al massimo %2 caratteri e in tutto al massimo 1 MB; la lettura si ferma alla tredicesima\n"
               "riga di alimenti e alla prima riga che non è testo.\n"
               "\n"
               "Sullo standard output stampa la tabella: una riga per alimento (nome, peso lordo, peso netto,\n"
               "protidi, lipidi, glucidi, energia, fibra, colesterolo) e la riga dei totali, con i numeri\n"
               "nel formato della lingua dell'utente.\n"
               "\n"
               "Opzioni:\n"
               "  --csv     stampa la tabella in formato CSV (RFC 4180) con le intestazioni della finestra\n"
               "  --cerca TESTO  non calcola un pasto: elenca gli alimenti di tutte le categorie il cui nome\n"
               "            contiene ogni parola del TESTO (senza distinguere maiuscole, accenti e apostrofi\n"
               "            tipografici), una riga \"categoria;alimento\" per alimento: prima quelli il cui\n"
               "            nome inizia con la prima parola, poi gli altri, in ordine alfabetico; aggiungendo\n"
               "            \";grammi\" la riga diventa una riga valida di un pasto (i nomi che lo richiedono\n"
               "            sono già tra virgolette). Nessun alimento trovato: non stampa nulla ed esce con 0\n"
               "  --fabbisogno KCAL  confronta il pasto con un fabbisogno giornaliero di KCAL kcal (un numero\n"
               "            maggiore di 0): una riga dopo i totali, o cinque colonne in più con --csv\n"
               "  --importa-alimenti FILE.csv  aggiunge agli alimenti personali quelli del file CSV (UTF-8,\n"
               "            RFC 4180, intestazione alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,\n"
               "            colesterolo; numeri con punto o virgola decimale; valori vuoti = sconosciuti). Un\n"
               "            alimento con lo stesso nome viene aggiornato. Tutte le righe o nessuna; il riepilogo\n"
               "            va sullo standard error. Sono rifiutati, con il numero della riga, anche i valori\n"
               "            che la finestra dell'alimento fa confermare (energia lontana più del 15% da quella\n"
               "            di proteine, lipidi e carboidrati; proteine, lipidi e carboidrati oltre 100 g).\n"
               "  --forza   con --importa-alimenti: importa anche i valori da confermare\n"
               "  --esporta-alimenti  stampa gli alimenti personali in quel formato CSV\n"
               "  -h, --help  mostra questo aiuto\n"
               "\n"
               "Codici di uscita: 0 pasto calcolato (o alimenti importati o esportati); 1 archivio degli\n"
               "alimenti (%1, accanto al programma o in ../share/velmo) o archivio degli alimenti personali\n"
               "mancante, illeggibile o incompleto; 2 errore nelle opzioni o nel testo (i messaggi indicano\n"
               "la riga; sono mostrati i primi %3 errori e il numero dei successivi); 3 impossibile scrivere\n"
               "il risultato sullo standard output (disco pieno, output chiuso, pipe interrotta). Gli alimenti\n"
               "importati sono nell'archivio se e solo se il codice è 0.\n"
               "Con i codici 1 e 2 non viene stampato nulla sullo standard output.\n"
               "\n"
               "Categorie:\n")
               .arg(QString::fromLatin1(FoodDatabase::kFileName), QString::number(kMaxLineLength),
                    QString::number(kMaxReportedErrors))
           + categories;
}

// `--cerca TESTO` (or `--cerca=TESTO`): the foods the window's search finds, in its order, as
// the first two fields of a meal line.
int searchFoods(ConsoleOutput &output, const QStringList &arguments)
{
    std::optional<QString> text;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help"))
            return write(output, helpText());
        const bool joined = argument.startsWith(QStringLiteral("--cerca="));
        if (argument != QStringLiteral("--cerca") && !joined)
            return fail(
                kInputFailure,
                {QStringLiteral("--cerca non si usa insieme ad altri argomenti (%1)").arg(echoInput(argument))});
        if (text)
            return fail(kInputFailure, {QStringLiteral("indicare --cerca una volta sola")});
        if (!joined && i + 1 == arguments.size())
            return fail(kInputFailure, {QStringLiteral("manca il testo da cercare dopo --cerca")});
        text = joined ? argument.mid(8) : arguments[++i];
    }
    if (!text || text->trimmed().isEmpty())
        return fail(kInputFailure, {QStringLiteral("il testo da cercare è vuoto")});

    QString error;
    const auto database = FoodDatabase::open(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error);
    if (!database)
        return fail(kDatabaseFailure, {error});
    FoodSearch search;
    if (!search.load(database->connection(), &error))
        return fail(kDatabaseFailure, {error});
    // The personal foods too, when there are some; a catalogue that cannot be read is said, and
    // the shipped foods are searched all the same.
    const auto personal = openPersonal(false, &error);
    if (!personal || !search.readCategory(personal->connection(), kPersonalCategory, &error))
        writeStandardError(QStringLiteral("velmo-pasto: %1 (gli alimenti personali non sono cercati)\n").arg(error));
    QString lines;
    for (int food : search.find(*text).foods)
        lines += mealFileLine(search.heading(food), search.food(food).name) + u'\n';
    return write(output, lines);
}

// The daily requirement of `--fabbisogno`, in kcal, as the energy windows would show it.
std::optional<double> requirementArgument(const QString &text)
{
    const auto kcal = readWholeArgument16(text, ArgumentFraction::CommaOrPoint, QLocale());
    if (!kcal || *kcal <= 0)
        return std::nullopt;
    return *kcal;
}

// Once the foods are in the catalogue the run has done what was asked: the summary goes to
// standard error, so that a standard output that cannot be written does not make a script
// believe that nothing was imported.
int importFoods(const QString &csvPath, bool force)
{
    if (csvPath.isEmpty())
        return fail(kInputFailure, {QStringLiteral("il nome del file da importare è vuoto")});
    QString error;
    {
        // A file that cannot be read creates no catalogue.
        QFile csv(csvPath);
        if (!openRegularFile(csv, &error))
            return fail(kInputFailure,
                        {QStringLiteral("impossibile leggere %1: %2").arg(echoInput(csvPath), error),
                         QStringLiteral("nessun alimento importato")});
    }
    const auto personal = openPersonal(true, &error);
    if (!personal)
        return fail(kDatabaseFailure, {error});
    PersonalCatalogue::Merge counts;
    const CsvFoods read = personal->importFoods(
        [&](const FoodSink &sink) {
            return readFoodsFile(csvPath, {sink, force});
        },
        &counts, &error);
    if (!error.isEmpty())
        return fail(kDatabaseFailure, {error});
    if (!read.ok()) {
        QStringList messages;
        for (const QString &e : read.errors)
            messages.append(QStringLiteral("%1: %2").arg(echoInput(csvPath), e));
        messages.append(QStringLiteral("nessun alimento importato"));
        if (read.doubtful > 0)
            messages.append(QStringLiteral("se i valori da confermare sono giusti, importarli con --forza"));
        return fail(kInputFailure, messages);
    }
    writeStandardError(QStringLiteral("velmo-pasto: importati %1 alimenti da %2 in %3: %4 nuovi, %5 aggiornati.\n")
                           .arg(counts.added + counts.updated)
                           .arg(echoInput(csvPath), QDir::toNativeSeparators(personal->path()))
                           .arg(counts.added)
                           .arg(counts.updated));
    return kDone;
}

int exportPersonalFoods(ConsoleOutput &output)
{
    QString error;
    const auto personal = openPersonal(false, &error);
    if (!personal)
        return fail(kDatabaseFailure, {error});
    qint64 count = 0;
    if (!personal->exportFoods([&output](const QByteArray &piece) { return output.write(QString::fromUtf8(piece)); },
                               &count, &error)
        && !error.isEmpty())
        return fail(kDatabaseFailure, {error});
    return write(output, QString());
}

}  // namespace

int main(int argc, char **argv)
{
    ConsoleOutput output;
    QCoreApplication app(argc, argv);
#ifdef Q_OS_WIN
    // Names and messages are written as UTF-8; the console must read them so.
    SetConsoleOutputCP(CP_UTF8);
#endif

    // The same folder as the window's: the user's data folder of Velmo.
    QCoreApplication::setApplicationName(QStringLiteral("Velmo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmo"));

    bool csv = false;
    bool exportFoods = false;
    bool force = false;
    std::optional<QString> importFile;
    QString path;
    bool havePath = false;
    std::optional<double> requirement;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (std::any_of(arguments.cbegin(), arguments.cend(), [](const QString &a) {
            return a == QStringLiteral("--cerca") || a.startsWith(QStringLiteral("--cerca="));
        }))
        return searchFoods(output, arguments);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help")) {
            return write(output, helpText());
        }
        if (argument == QStringLiteral("--csv")) {
            csv = true;
        } else if (argument == QStringLiteral("--fabbisogno") || argument.startsWith(QStringLiteral("--fabbisogno="))) {
            const bool joined = argument.contains(u'=');
            if (!joined && i + 1 == arguments.size())
                return fail(kInputFailure, {QStringLiteral("manca il fabbisogno dopo --fabbisogno (le kcal al giorno, "
                                                           "per esempio --fabbisogno 2244)")});
            const QString value = joined ? argument.section(u'=', 1) : arguments[++i];
            requirement = requirementArgument(value);
            if (!requirement)
                return fail(kInputFailure, {QStringLiteral("fabbisogno non valido %1: indicare le kcal al giorno, un "
                                                           "numero maggiore di 0 e al massimo 32767 (per esempio "
                                                           "--fabbisogno 2244)")
                                                .arg(echoInput(value))});
        } else if (argument == QStringLiteral("--forza")) {
            force = true;
        } else if (argument == QStringLiteral("--esporta-alimenti")) {
            exportFoods = true;
        } else if (argument == QStringLiteral("--importa-alimenti")) {
            if (i + 1 >= arguments.size() || importFile)
                return fail(kInputFailure,
                            {QStringLiteral("--importa-alimenti vuole un solo FILE.csv (vedere velmo-pasto --help)")});
            importFile = arguments[++i];
        } else if (argument.startsWith(u'-') && argument != QStringLiteral("-")) {
            return fail(
                kInputFailure,
                {QStringLiteral("opzione sconosciuta %1 (vedere velmo-pasto --help)").arg(echoInput(argument))});
        } else if (havePath) {
            return fail(kInputFailure, {QStringLiteral("indicare un solo file (vedere velmo-pasto --help)")});
        } else {
            path = argument;
            havePath = true;
        }
    }

    if (importFile || exportFoods) {
        if (csv || havePath || requirement || (importFile && exportFoods) || (exportFoods && force))
            return fail(kInputFailure, {QStringLiteral("--importa-alimenti e --esporta-alimenti vanno usati da soli "
                                                       "(vedere velmo-pasto --help)")});
        return importFile ? importFoods(*importFile, force) : exportPersonalFoods(output);
    }
    if (force)
        return fail(kInputFailure,
                    {QStringLiteral("--forza vale solo con --importa-alimenti (vedere velmo-pasto --help)")});

    if (havePath && path.isEmpty())
        return fail(kInputFailure, {QStringLiteral("il nome del file è vuoto (per leggere lo standard input "
                                                   "ometterlo o scrivere \"-\")")});
    QFile input;
    QString reason;
    if (havePath && path != QStringLiteral("-")) {
        // A named file must be a regular one; a pipe is welcome as standard input.
        input.setFileName(path);
        if (!openRegularFile(input, &reason))
            return fail(kInputFailure, {readFailureMessage(path, reason)});
    } else if (standardInputIsFolder()) {
        return fail(kInputFailure,
                    {QStringLiteral("impossibile leggere lo standard input: è una cartella, non un file")});
    } else if (!input.open(stdin, QIODevice::ReadOnly)) {
        return fail(kInputFailure,
                    {QStringLiteral("impossibile leggere lo standard input: indicare il pasto come FILE")});
    }
    const MealFile file = readMealFile(input);

    QString error;
    const auto database = FoodDatabase::open(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error);
    if (!database)
        return fail(kDatabaseFailure, {error});

    // The personal catalogue only when the meal names it; a missing one is empty, never created.
    std::unique_ptr<PersonalCatalogue> personal;
    if (std::any_of(file.entries.cbegin(), file.entries.cend(),
                    [](const MealFileEntry &e) { return isPersonalCategory(e.category); })) {
        personal = openPersonal(false, &error);
        if (!personal)
            return fail(kDatabaseFailure, {error});
    }
    MealComposer composer(database->connection());
    if (personal)
        composer.setPersonalDatabase(personal->connection());
    std::vector<InputError> errors = file.errors;
    QString databaseError;
    const std::vector<InputError> missing = composer.missingFoods(file.entries, &databaseError);
    if (!databaseError.isEmpty())
        return fail(kDatabaseFailure, {databaseError});
    if (!errors.empty() || !missing.empty()) {
        errors.insert(errors.end(), missing.begin(), missing.end());
        return fail(kInputFailure, errorReport(std::move(errors)));
    }

    if (!composer.addAll(file.entries, &error))
        return fail(kDatabaseFailure, {error});

    std::optional<MealComparison> comparison;
    if (requirement)
        comparison = compareWithRequirement(composer.grid().totals(), *requirement, QLocale());
    return write(output,
                 csv ? mealReportCsv(composer.grid(), comparison) : mealReportText(composer.grid(), comparison));
}
