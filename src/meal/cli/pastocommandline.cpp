// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/cli/pastocommandline.h"

#include "meal/cli/balancecommand.h"

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodsearch.h"
#include "catalogue/personalcatalogue.h"
#include "common/inputecho.h"
#include "common/numbertext.h"
#include "common/translation.h"
#include "meal/cli/balancecommand.h"
#include "meal/cli/personcommand.h"
#include "meal/cli/rankingcommand.h"
#include "meal/dayfile.h"
#include "meal/mealfile.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <algorithm>

namespace velmo {

namespace {

// The options; the help text is written out in pastoHelpText, not made by the parser.
struct PastoOptions {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption csv{QStringLiteral("csv")};
    QCommandLineOption requirement{QStringLiteral("fabbisogno"), QString(), QStringLiteral("KCAL")};
    QCommandLineOption search{QStringLiteral("cerca"), QString(), QStringLiteral("TESTO")};
    QCommandLineOption importFoods{QStringLiteral("importa-alimenti"), QString(), QStringLiteral("FILE.csv")};
    QCommandLineOption force{QStringLiteral("forza")};
    QCommandLineOption exportFoods{QStringLiteral("esporta-alimenti")};
    QCommandLineOption nutrients{QStringLiteral("nutrienti")};
    QCommandLineOption sex{QStringLiteral("sesso"), QString(), QStringLiteral("M|F")};
    QCommandLineOption age{QStringLiteral("anni"), QString(), QStringLiteral("N")};
    QCommandLineOption pregnant{QStringLiteral("gravidanza")};
    QCommandLineOption lactating{QStringLiteral("allattamento")};
    QCommandLineOption source{QStringLiteral("riferimento"), QString(), QStringLiteral("larn|efsa")};
    QCommandLineOption pdf{QStringLiteral("pdf"), QString(), QStringLiteral("FILE.pdf")};
    // Read before the parser by chooseLanguage; goes with any other option.
    QCommandLineOption language{QStringLiteral("lingua"), QString(), QStringLiteral("LINGUA")};

    QList<QCommandLineOption> all() const
    {
        return {help,     csv, requirement, search,   importFoods, force,  exportFoods, nutrients,
                language, sex, age,         pregnant, lactating,   source, pdf};
    }
};

// Whether the argument is a spelling velmo-pasto takes for the option: "-h", "--name", and
// "--name=VALUE" for --fabbisogno and --cerca, which have always been taken so, and --lingua.
bool spells(const QString &argument, const QCommandLineOption &option)
{
    for (const QString &name : option.names()) {
        const QString dashed = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        const bool joinable = name == QStringLiteral("fabbisogno") || name == QStringLiteral("cerca")
                              || name == QStringLiteral("lingua") || name == QStringLiteral("pdf");
        if (argument == dashed || (joinable && argument.startsWith(dashed + u'=')))
            return true;
    }
    return false;
}

// The parser also takes "--h", "-hh" or "-hcsv" for options, "--csv=1" as a fault of its own and
// "--" as the end of the options; velmo-pasto never did, and scripts may count on the refusal.
// The first argument, in line order, that is none of `options`' spellings yet begins with "-"
// (any argument that is no option at all, when `othersAllowed` is false); the value that follows
// an option is not looked at.
std::optional<QString> firstStrayArgument(const QStringList &arguments, const QList<QCommandLineOption> &options,
                                          bool othersAllowed)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const auto option = std::find_if(options.cbegin(), options.cend(),
                                         [&](const QCommandLineOption &o) { return spells(argument, o); });
        if (option == options.cend()) {
            if (!othersAllowed || (argument.startsWith(u'-') && argument != QStringLiteral("-")))
                return argument;
        } else if (!option->valueName().isEmpty() && !argument.contains(u'=')) {
            ++i;
        }
    }
    return std::nullopt;
}

// The option was the last argument, without the value it takes.
bool missingValue(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    return parser.optionNames().count(option.names().constFirst()) > parser.values(option).size();
}

std::optional<PastoCommand> refuse(QString *error, const QString &message)
{
    *error = message;
    return std::nullopt;
}

// `--cerca TESTO` (or `--cerca=TESTO`), alone or with the help.
std::optional<PastoCommand> readSearch(const QCommandLineParser &parser, const PastoOptions &options,
                                       const QStringList &arguments, QString *error)
{
    if (const auto other = firstStrayArgument(arguments, {options.help, options.search, options.language}, false))
        return refuse(
            error, QCoreApplication::translate("PastoCommandLine", "--cerca non si usa insieme ad altri argomenti (%1)")
                       .arg(echoInput(*other)));
    if (parser.optionNames().count(options.search.names().constFirst()) > 1)
        return refuse(error, QCoreApplication::translate("PastoCommandLine", "indicare --cerca una volta sola"));
    PastoCommand command;
    if (parser.isSet(options.help)) {
        command.action = PastoCommand::Action::ShowHelp;
        return command;
    }
    if (missingValue(parser, options.search))
        return refuse(error, QCoreApplication::translate("PastoCommandLine", "manca il testo da cercare dopo --cerca"));
    command.action = PastoCommand::Action::SearchFoods;
    command.searchText = parser.value(options.search);
    if (searchKey(command.searchText).simplified().isEmpty())  // a lone accent has no letter to look for
        return refuse(error, QCoreApplication::translate("PastoCommandLine", "il testo da cercare è vuoto"));
    return command;
}

// The daily requirement of `--fabbisogno`, in kcal, as the energy windows would show it; each
// given is checked, the last counts.
std::optional<PastoCommand> readRequirement(const QCommandLineParser &parser, const PastoOptions &options,
                                            PastoCommand command, QString *error)
{
    for (const QString &value : parser.values(options.requirement)) {
        const auto kcal = readWholeArgument16(value, ArgumentFraction::CommaOrPoint, QLocale());
        if (!kcal || *kcal <= 0)
            return refuse(error, QCoreApplication::translate("PastoCommandLine",
                                                             "fabbisogno non valido %1: indicare le kcal al giorno, un "
                                                             "numero maggiore di 0 e al massimo 32767 (per esempio "
                                                             "--fabbisogno 2244)")
                                     .arg(echoInput(value)));
        command.requirement = *kcal;
    }
    if (missingValue(parser, options.requirement))
        return refuse(error, QCoreApplication::translate("PastoCommandLine",
                                                         "manca il fabbisogno dopo --fabbisogno (le kcal al giorno, "
                                                         "per esempio --fabbisogno 2244)"));
    return command;
}

// The person of --nutrienti's reference intakes: sex and age together, a pregnancy or a
// lactation only for a woman and not both, LARN unless --riferimento says EFSA.
std::optional<PastoCommand> readPerson(const QCommandLineParser &parser, const PastoOptions &options,
                                       PastoCommand command, QString *error)
{
    const auto said = [&](const QCommandLineOption &o) { return parser.isSet(o); };
    const auto text = [](const char *source) { return QCoreApplication::translate("PastoCommandLine", source); };
    if (!said(options.sex) && !said(options.age) && !said(options.pregnant) && !said(options.lactating)
        && !said(options.source))
        return command;
    if (!command.nutrients)
        return refuse(error,
                      text(QT_TRANSLATE_NOOP("PastoCommandLine", "--sesso, --anni, --gravidanza, --allattamento "
                                                                 "e --riferimento valgono solo con --nutrienti")));
    const QString sex = parser.value(options.sex).toUpper();
    if (sex != u"M"_qs && sex != u"F"_qs)
        return refuse(error, text(QT_TRANSLATE_NOOP("PastoCommandLine",
                                                    "indicare il sesso con --sesso M o --sesso F insieme a --anni")));
    const auto age = readWholeArgument16(parser.value(options.age), ArgumentFraction::Refused, QLocale());
    if (!age || *age < 1 || *age > 120)
        return refuse(error, text(QT_TRANSLATE_NOOP("PastoCommandLine",
                                                    "indicare l'età con --anni N, in anni interi da 1 a 120")));
    IntakePerson person;
    person.female = sex == u"F"_qs;
    person.ageYears = *age;
    person.pregnant = said(options.pregnant);
    person.lactating = said(options.lactating);
    if ((person.pregnant || person.lactating) && (!person.female || (person.pregnant && person.lactating)))
        return refuse(error, text(QT_TRANSLATE_NOOP("PastoCommandLine", "--gravidanza e --allattamento valgono per "
                                                                        "una donna (--sesso F), uno solo alla volta")));
    const QString source = parser.value(options.source).toLower();
    if (said(options.source) && source != u"larn"_qs && source != u"efsa"_qs)
        return refuse(error, text(QT_TRANSLATE_NOOP("PastoCommandLine", "riferimento sconosciuto %1: indicare "
                                                                        "--riferimento larn o --riferimento efsa"))
                                 .arg(echoInput(parser.value(options.source))));
    person.source = source == u"efsa"_qs ? ReferenceSource::Efsa : ReferenceSource::Larn;
    command.person = person;
    return command;
}

// What the options ask for, once each is known to be sound on its own.
std::optional<PastoCommand> readAction(const QCommandLineParser &parser, const PastoOptions &options,
                                       PastoCommand command, QString *error)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refuse(error, QCoreApplication::translate("PastoCommandLine",
                                                         "indicare un solo file (vedere velmo-pasto --help)"));
    const bool importing = parser.isSet(options.importFoods);
    const bool exporting = parser.isSet(options.exportFoods);
    command.force = parser.isSet(options.force);
    if (importing || exporting) {
        if (command.csv || command.nutrients || parser.isSet(options.pdf) || !files.isEmpty() || command.requirement
            || (importing && exporting) || (exporting && command.force))
            return refuse(error, QCoreApplication::translate(
                                     "PastoCommandLine", "--importa-alimenti e --esporta-alimenti vanno usati da soli "
                                                         "(vedere velmo-pasto --help)"));
        command.action = importing ? PastoCommand::Action::ImportFoods : PastoCommand::Action::ExportFoods;
        command.foodsFile = parser.value(options.importFoods);
        return command;
    }
    if (command.force)
        return refuse(
            error, QCoreApplication::translate("PastoCommandLine",
                                               "--forza vale solo con --importa-alimenti (vedere velmo-pasto --help)"));
    if (command.nutrients && command.csv && command.requirement)
        return refuse(error, QCoreApplication::translate("PastoCommandLine",
                                                         "--fabbisogno non si usa con --nutrienti --csv, che stampa "
                                                         "solo il profilo (vedere velmo-pasto --help)"));
    if (parser.isSet(options.pdf)) {
        // "-" would be a file of that name: a PDF is never written to standard output.
        if (command.csv || parser.values(options.pdf).size() != 1 || parser.value(options.pdf).isEmpty()
            || parser.value(options.pdf) == QStringLiteral("-"))
            return refuse(error, QCoreApplication::translate("PastoCommandLine",
                                                             "--pdf vuole un solo FILE.pdf e non si usa con --csv "
                                                             "(vedere velmo-pasto --help)"));
        command.pdfFile = parser.value(options.pdf);
    }
    if (!files.isEmpty() && files.first().isEmpty())
        return refuse(error, QCoreApplication::translate("PastoCommandLine",
                                                         "il nome del file è vuoto (per leggere lo standard input "
                                                         "ometterlo o scrivere \"-\")"));
    if (!files.isEmpty() && files.first() != QStringLiteral("-"))
        command.mealFile = files.first();
    return command;
}

// The options of `--help`, one paragraph each.
QString optionsHelpText()
{
    return QCoreApplication::translate(
        "PastoCommandLine",
        "Opzioni:\n"
        "  --csv     stampa la tabella in formato CSV (RFC 4180) con le intestazioni della finestra\n"
        "  --nutrienti  dopo i totali stampa il profilo nutrizionale del pasto: 47 nutrienti e i valori\n"
        "            derivati (sale, quota dell'energia da proteine, lipidi, carboidrati, acidi grassi\n"
        "            saturi, polinsaturi, 18:2 e 18:3 e zuccheri, fibra per 1000 kcal), per gruppi. Un valore\n"
        "            che manca nei dati di un alimento non vale zero: il totale degli altri è un limite\n"
        "            inferiore (\"≥ 12,3 mg (2 alimenti senza valore)\"); \"n.d.\" se nessun alimento ha il\n"
        "            valore. Con --csv stampa solo il profilo, una riga per nutriente: chiave,nutriente,unita,\n"
        "            quantita,limite_inferiore,alimenti_senza_valore,riferimento,tipo,percentuale,limite_massimo\n"
        "  --sesso M|F, --anni N  con --nutrienti: confronta il profilo con i livelli di riferimento\n"
        "            di una persona di quel sesso e di quell'età (anni interi da 1 a 120): il riferimento\n"
        "            (PRI, altrimenti AI, altrimenti SDT o intervallo RI), la percentuale raggiunta e il\n"
        "            livello massimo tollerabile (UL); tra parentesi quadre dove l'unità del riferimento\n"
        "            non è quella dei dati degli alimenti. Senza, solo le quantità\n"
        "  --gravidanza, --allattamento  con --sesso F: i riferimenti della gravidanza o\n"
        "            dell'allattamento\n"
        "  --riferimento larn|efsa  i livelli LARN 2014 (SINU; il predefinito) o i valori di\n"
        "            riferimento dell'EFSA\n"
        "  --cerca TESTO  non calcola un pasto: elenca gli alimenti di tutte le categorie il cui nome,\n"
        "            o un loro nome comune (\"insalata\": le lattughe), contiene ogni parola del TESTO\n"
        "            (senza distinguere maiuscole, accenti e apostrofi tipografici), una riga\n"
        "            \"categoria;alimento\" per alimento: prima quelli che hanno il TESTO per nome comune,\n"
        "            poi quelli il cui nome o un nome comune inizia con la prima parola, poi gli altri,\n"
        "            in ordine alfabetico; aggiungendo \";grammi\" la riga diventa una riga valida di un\n"
        "            pasto (i nomi che lo richiedono sono già tra virgolette). Nessun alimento trovato:\n"
        "            non stampa nulla ed esce con 0\n"
        "  --fabbisogno KCAL  confronta il pasto con un fabbisogno giornaliero di KCAL kcal (un numero\n"
        "            maggiore di 0 e al più 32767): una riga dopo i totali, o cinque colonne in più con --csv\n"
        "  --importa-alimenti FILE.csv  aggiunge agli alimenti personali quelli del file CSV (UTF-8,\n"
        "            RFC 4180, intestazione alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,\n"
        "            colesterolo, poi a scelta, in qualsiasi ordine, altri nutrienti con la loro sigla\n"
        "            INFOODS, per esempio CA (calcio, mg), FE, VITC, per 100 g di parte edibile; numeri\n"
        "            con punto o virgola decimale; valori vuoti = sconosciuti; a scelta una colonna misure\n"
        "            con le misure casalinghe, nome=grammi di parte edibile separate da |, al più 10, per\n"
        "            esempio fetta=30|panino=60). Un alimento con lo\n"
        "            stesso nome viene aggiornato; i nutrienti che il file non ha tengono il loro valore. Tutte le "
        "righe o nessuna; il riepilogo\n"
        "            va sullo standard error. Sono rifiutati, con il numero della riga, anche i valori\n"
        "            che la finestra dell'alimento fa confermare (energia lontana più del 15% da quella\n"
        "            di proteine, lipidi e carboidrati; proteine, lipidi e carboidrati oltre 100 g).\n"
        "  --forza   con --importa-alimenti: importa anche i valori da confermare\n"
        "  --esporta-alimenti  stampa gli alimenti personali in quel formato CSV (solo le otto\n"
        "            colonne se nessun alimento ha altri nutrienti)\n"
        "  --pdf FILE.pdf  invece delle tabelle scrive nel FILE.pdf il piano stampato del pasto o della\n"
        "            giornata (A4 verticale): pasti con grammi edibili e lordi, totali del giorno con i\n"
        "            riferimenti (con --fabbisogno, anche il confronto; con --nutrienti --sesso --anni, i\n"
        "            riferimenti di quella persona), grafico dei macronutrienti, profilo nutrizionale; il\n"
        "            file è leggibile solo dal proprio utente e non serve uno schermo. Se non può essere\n"
        "            scritto esce con 3 e non lascia alcun file\n"
        "  --lingua it|en  la lingua dei messaggi e di questo aiuto: it italiano, en inglese (senza,\n"
        "            quella di LANGUAGE o della lingua dell'utente); si usa con ogni altra opzione\n"
        "  -h, --help  mostra questo aiuto\n"
        "\n");
}

}  // namespace

// The parser reads the whole line before anything is checked: a line with several faults is
// refused for the first of them in this order: an unknown option, then --fabbisogno, a second
// FILE.csv or FILE, and the options that go alone.
std::optional<PastoCommand> readPastoCommand(const QStringList &arguments, QString *error)
{
    const PastoOptions options;
    QCommandLineParser parser;
    parser.addOptions(options.all());
    // Its faults are found again below, each with velmo-pasto's own message.
    parser.parse(QStringList{QStringLiteral("velmo-pasto")} + arguments);
    // The first --lingua chose the language before the parser ran; every other must name one too.
    for (const QString &code : parser.values(options.language))
        if (!chooseLanguage({QString(), QStringLiteral("--lingua"), code}, error))
            return std::nullopt;
    if (parser.isSet(options.search))
        return readSearch(parser, options, arguments, error);
    if (const auto unknown = firstStrayArgument(arguments, options.all(), true))
        return refuse(
            error, QCoreApplication::translate("PastoCommandLine", "opzione sconosciuta %1 (vedere velmo-pasto --help)")
                       .arg(echoInput(*unknown)));
    if (parser.isSet(options.help)) {
        PastoCommand help;
        help.action = PastoCommand::Action::ShowHelp;
        return help;
    }
    if (missingValue(parser, options.importFoods) || parser.values(options.importFoods).size() > 1)
        return refuse(error,
                      QCoreApplication::translate(
                          "PastoCommandLine", "--importa-alimenti vuole un solo FILE.csv (vedere velmo-pasto --help)"));
    PastoCommand command;
    command.csv = parser.isSet(options.csv);
    command.nutrients = parser.isSet(options.nutrients);
    const auto withRequirement = readRequirement(parser, options, command, error);
    if (!withRequirement)
        return std::nullopt;
    const auto withPerson = readPerson(parser, options, *withRequirement, error);
    if (!withPerson)
        return std::nullopt;
    return readAction(parser, options, *withPerson, error);
}

namespace {

// The headings as a meal file names its categories, whatever the language; the name the windows
// show beside it where that differs.
QString categoryHelpLines()
{
    const auto text = [](const char *source) { return QCoreApplication::translate("PastoCommandLine", source); };
    QString categories;
    for (const FoodCategory &c : foodCategories())
        categories += c.shownHeading() == c.heading
                          ? text(QT_TRANSLATE_NOOP("PastoCommandLine", "  %1 (tabella %2)\n")).arg(c.heading, c.table)
                          : text(QT_TRANSLATE_NOOP("PastoCommandLine", "  %1 (%3; tabella %2)\n"))
                                .arg(c.heading, c.table, c.shownHeading());
    return categories
           + text(QT_TRANSLATE_NOOP("PastoCommandLine", "  %1 (i propri alimenti, nell'archivio %2)\n"))
                 .arg(personalCategory().heading, QDir::toNativeSeparators(PersonalCatalogue::defaultPath()));
}

}  // namespace

QString pastoHelpText()
{
    const auto text = [](const char *source) { return QCoreApplication::translate("PastoCommandLine", source); };
    return text(QT_TRANSLATE_NOOP(
               "PastoCommandLine",
               "Uso: velmo-pasto [--csv] [--fabbisogno KCAL] [FILE]\n"
               "     velmo-pasto --nutrienti [--csv] [--fabbisogno KCAL] [--sesso M|F --anni N\n"
               "                 [--gravidanza|--allattamento] [--riferimento larn|efsa]] [FILE]\n"
               "     velmo-pasto --pdf FILE.pdf [--fabbisogno KCAL] [FILE]\n"
               "     velmo-pasto --pdf FILE.pdf --persona NOME --data AAAA-MM-GG [--settimana]\n"
               "     velmo-pasto --cerca TESTO\n"
               "     velmo-pasto --importa-alimenti FILE.csv [--forza]\n"
               "     velmo-pasto --esporta-alimenti\n"
               "     velmo-pasto --classifica CHIAVE [--categoria NOME] [--per 100g|100kcal|porzione]\n"
               "\n"))
           + text(QT_TRANSLATE_NOOP(
               "PastoCommandLine",
               "Calcola le calorie e i nutrienti di un pasto, come la tabella di composizione di Velmo.\n"
               "Legge il FILE indicato, oppure lo standard input se il FILE manca o è \"-\". Il FILE è un file\n"
               "normale: una pipe con nome, un dispositivo o un socket si passano come standard input.\n"
               "\n"))
           + text(QT_TRANSLATE_NOOP(
                      "PastoCommandLine",
                      "Ogni riga descrive un alimento, al massimo dodici:\n"
                      "  categoria;alimento;grammi\n"
                      "- categoria: il titolo della categoria (per esempio \"Frutta\") o il nome della sua tabella;\n"
                      "- alimento: il nome esatto dell'alimento, come appare nella griglia degli alimenti;\n"
                      "- grammi: il peso lordo, un numero intero di grammi.\n"
                      "Una voce che contiene \";\" o virgolette, o che inizia o finisce con spazi, va tra virgolette\n"
                      "doppie, raddoppiando quelle al suo interno: \"Pasta; sugo\", \"Torta \"\"della nonna\"\"\".\n"
                      "Le righe vuote e quelle che iniziano con \"#\" sono ignorate. Il testo è in UTF-8, con righe\n"
                      "di al massimo %1 caratteri e in tutto al massimo 1 MB; la lettura si ferma alla tredicesima\n"
                      "riga di alimenti e alla prima riga che non è testo.\n"
                      "\n"))
                 .arg(kMaxLineLength)
           + text(QT_TRANSLATE_NOOP(
                      "PastoCommandLine",
                      "Una giornata: una riga [Nome] (per esempio [Colazione]) inizia un pasto; al massimo %1 pasti,\n"
                      "con nomi diversi di al massimo %2 caratteri, ognuno di al massimo dodici alimenti; gli\n"
                      "alimenti prima della prima riga [Nome] formano un pasto senza nome. Di una giornata stampa la\n"
                      "tabella di ogni pasto sotto il suo nome, poi i totali del giorno con la quota dell'energia di\n"
                      "ogni pasto; con --csv una colonna Pasto in testa e la riga \"Totale del giorno\"; con\n"
                      "--fabbisogno il confronto di ogni pasto e del giorno; con --nutrienti il profilo del giorno.\n"
                      "\n"))
                 .arg(QString::number(kMaxMealsPerDay), QString::number(kMaxMealNameLength))
           + text(QT_TRANSLATE_NOOP(
               "PastoCommandLine",
               "Una porzione: al posto dei grammi, o dopo i grammi come quarto campo, si può scrivere una\n"
               "porzione, un numero (anche ½ o 1,5) e una misura dell'alimento (\"2 fette\"), o \"1 porzione\" per\n"
               "la porzione standard LARN del suo gruppo; una misura che l'alimento non ha è un errore che\n"
               "elenca le sue misure.\n"
               "\n"))
           + text(QT_TRANSLATE_NOOP(
               "PastoCommandLine",
               "Sullo standard output stampa la tabella: una riga per alimento (nome, peso lordo, peso netto,\n"
               "protidi, lipidi, glucidi, energia, fibra, colesterolo) e la riga dei totali, con i numeri\n"
               "nel formato della lingua dell'utente.\n"
               "\n"))
           + optionsHelpText() + rankingHelpText() + personHelpText() + balanceHelpText()
           + text(QT_TRANSLATE_NOOP(
                      "PastoCommandLine",
                      "Codici di uscita: 0 pasto calcolato (o alimenti importati o esportati); 1 archivio degli\n"
                      "alimenti (%1, accanto al programma o in ../share/velmo) o archivio degli alimenti personali\n"
                      "mancante, illeggibile o incompleto; 2 errore nelle opzioni o nel testo (i messaggi indicano\n"
                      "la riga; sono mostrati i primi %2 errori e il numero dei successivi); 3 impossibile scrivere\n"
                      "il risultato sullo standard output (disco pieno, output chiuso, pipe interrotta) o il\n"
                      "FILE.pdf di --pdf, che allora non c'è. Gli alimenti\n"
                      "importati sono nell'archivio se e solo se il codice è 0.\n"
                      "Con i codici 1 e 2 non viene stampato nulla sullo standard output.\n"
                      "\n"))
                 .arg(QString::fromLatin1(FoodDatabase::kFileName), QString::number(kMaxReportedErrors))
           + text(QT_TRANSLATE_NOOP("PastoCommandLine", "Categorie:\n")) + categoryHelpLines();
}

}  // namespace velmo
