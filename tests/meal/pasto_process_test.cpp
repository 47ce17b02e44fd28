#include "catalogue/fooddatabase.h"
#include "common/csv.h"
#include "support/fooddbfixture.h"
#include "support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmo::test {
namespace {

// `velmo-pasto` run as a whole process, as a dietitian runs it.
struct PastoRun {
    int exitCode = -1;
    QString out;
    QString err;
};

PastoRun runPasto(const QStringList &arguments, const QByteArray &input = {}, const char *locale = "it_IT.UTF-8",
             const QString &program = QStringLiteral(VELMO_PASTO))
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForStarted());
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// A food's values straight from the shipped database, to check the program's arithmetic.
std::array<double, 7> foodValues(const QString &table, const QString &name)
{
    std::array<double, 7> values{};
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pasto-check"));
        db.setDatabaseName(QDir(QStringLiteral(VELMO_BIN_DIR)).filePath(QStringLiteral("elementi97.db")));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM %1 "
                                 "WHERE alimenti = ?").arg(table));
        q.addBindValue(name);
        EXPECT_TRUE(q.exec() && q.next()) << name.toStdString();
        for (int i = 0; i < 7; ++i)
            values[static_cast<std::size_t>(i)] = q.value(i).toDouble();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pasto-check"));
    return values;
}

const QByteArray kLunch = "# pranzo\n"
                          "Cereali e derivati;Pane tipo italiano;80\n"
                          "\n"
                          "Frutta;Banana, cruda;150\n"
                          "Frutta;Banana, cruda;150\n";

TEST(PastoProcess, GoodFileGivesTheAlignedTable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pranzo.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kLunch);
    file.close();

    const PastoRun run = runPasto({path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7) << run.out.toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Pane tipo italiano")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Banana, cruda")));
    EXPECT_EQ(lines[3], lines[4]);
    // Banana: 150 g gross at 64 % edible is 96 g net.
    const auto banana = foodValues(QStringLiteral("Frutta"), QStringLiteral("Banana, cruda"));
    EXPECT_TRUE(lines[3].contains(QStringLiteral(" %1 ").arg(QLocale(QLocale::Italian).toString(150 * banana[0] / 100))));
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral("Calcolo per una persona")));
    // Every column ends where its heading ends.
    const qsizetype energyEnd = lines[0].indexOf(QStringLiteral("Energia: kcal")) + 13;
    for (int i : {2, 3, 4, 6})
        EXPECT_TRUE(lines[i].at(energyEnd - 1).isDigit()) << lines[i].toStdString();
}

TEST(PastoProcess, CsvFromStandardInputInTheUsersLocale)
{
    const auto bread = foodValues(QStringLiteral("cereali_e_derivati"), QStringLiteral("Pane tipo italiano"));
    const auto banana = foodValues(QStringLiteral("Frutta"), QStringLiteral("Banana, cruda"));
    for (const char *locale : {"it_IT.UTF-8", "en_US.UTF-8"}) {
        SCOPED_TRACE(locale);
        const QLocale user(QString::fromLatin1(locale).section(u'.', 0, 0));
        const PastoRun run = runPasto({QStringLiteral("--csv"), QStringLiteral("-")}, kLunch, locale);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const CsvParseResult csv = parseCsv(run.out);
        ASSERT_TRUE(csv.ok());
        ASSERT_EQ(csv.records.size(), 5u);
        EXPECT_EQ(csv.records[0].fields,
                  (QStringList{QStringLiteral("Alimento"), QStringLiteral("Peso lordo: g"), QStringLiteral("Peso netto: g"),
                               QStringLiteral("Protidi: g"), QStringLiteral("Lipidi: g"), QStringLiteral("Glucidi: g"),
                               QStringLiteral("Energia: kcal"), QStringLiteral("Fibra alim: g"),
                               QStringLiteral("Colesterolo: mg")}));
        const QStringList totals = csv.records[4].fields;
        EXPECT_EQ(totals[0], QStringLiteral("Calcolo per una persona"));
        EXPECT_EQ(totals[1], QStringLiteral("380"));
        // Energy of the whole meal, from the database, within the rounding of each row.
        const double breadNet = 80 * bread[0] / 100, bananaNet = 150 * banana[0] / 100;
        const double energy = bread[4] * breadNet / 100 + 2 * banana[4] * bananaNet / 100;
        bool ok = false;
        EXPECT_NEAR(user.toDouble(totals[6], &ok), energy, 0.015);
        EXPECT_TRUE(ok) << totals[6].toStdString();
        EXPECT_EQ(run.out.contains(QStringLiteral("\r\n")), true);
    }
}

TEST(PastoProcess, CsvNumbersHaveNoThousandsSeparators)
{
    const auto oil = foodValues(QStringLiteral("Olii_e_grassi"), QStringLiteral("Olio d'oliva"));
    const QByteArray input = "Oli e grassi;Olio d'oliva;300\n";
    for (const char *locale : {"it_IT.UTF-8", "en_US.UTF-8"}) {
        SCOPED_TRACE(locale);
        QLocale user(QString::fromLatin1(locale).section(u'.', 0, 0));
        const QString grouped = user.toString(3 * oil[4], 'f', 2);
        user.setNumberOptions(QLocale::OmitGroupSeparator);
        const QString plain = user.toString(3 * oil[4], 'f', 2);
        ASSERT_NE(grouped, plain);  // the energy needs a thousands separator in the table
        EXPECT_TRUE(runPasto({}, input, locale).out.contains(grouped));
        const CsvParseResult csv = parseCsv(runPasto({QStringLiteral("--csv")}, input, locale).out);
        ASSERT_TRUE(csv.ok());
        ASSERT_EQ(csv.records.size(), 3u);
        EXPECT_EQ(csv.records[1].fields[6], plain);
    }
}

struct BadCase {
    int line;
    QByteArray input;
    const char *message;
};

const BadCase kBadCases[] = {
    {__LINE__, "Frutta;Banana, cruda;150\nVerdura;Carote;10\n", "velmo-pasto: riga 2: categoria sconosciuta \"Verdura\""},
    {__LINE__, "Frutta;Banane;150\n", "velmo-pasto: riga 1: l'alimento \"Banane\" non è nella categoria \"Frutta\""},
    {__LINE__, "Frutta;banana, cruda;150\n", "(forse \"Banana, cruda\"?)"},
    {__LINE__, "Frutta;Banana, cruda;1,5\n", "velmo-pasto: riga 1: il peso lordo \"1,5\" non è un numero intero di grammi"},
    {__LINE__, "\n\nFrutta;Banana, cruda;abc\n", "velmo-pasto: riga 3: il peso lordo \"abc\""},
    {__LINE__, "Frutta;Banana, cruda;0\n", "riga 1: il peso lordo è 0"},
    {__LINE__, "Frutta Banana 150\n", "riga 1: attese tre voci"},
    {__LINE__, "# niente\n", "velmo-pasto: nessun alimento da calcolare"},
    {__LINE__, "Frutta;Caff\xE8;1\n", "riga 1: il testo non è in codifica UTF-8"},
    {__LINE__, "Frutta;Banana, cruda;1\n\x1b]2\x07" "Frutta;Banana, cruda;1\n",
     "riga 2: categoria sconosciuta \"\\x1b]2\\x07Frutta\""},
    {__LINE__, QByteArray("Frutta;Banana, cruda;1\r\rFrutta;\0;1\n", 35), "riga 3: il testo contiene un carattere nullo"},
};

TEST(PastoProcess, BadInputsNameTheLineAndPrintNothing)
{
    for (const BadCase &c : kBadCases) {
        SCOPED_TRACE(testing::Message() << "case at " << __FILE__ << ":" << c.line);
        const PastoRun run = runPasto({}, c.input);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
    }
}

TEST(PastoProcess, ThirteenFoodsAreTooMany)
{
    QByteArray input;
    for (int i = 1; i <= 13; ++i)
        input += "Frutta;Banana, cruda;" + QByteArray::number(i) + "\n";
    const PastoRun run = runPasto({}, input);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, QString());
    EXPECT_TRUE(run.err.contains(QStringLiteral("riga 13: più di dodici alimenti"))) << run.err.toStdString();
    input.chop(input.size() - input.lastIndexOf("Frutta"));
    const PastoRun twelve = runPasto({}, input);
    EXPECT_EQ(twelve.exitCode, 0) << twelve.err.toStdString();
    EXPECT_EQ(twelve.out.count(QStringLiteral("Banana, cruda")), 12);
}

TEST(PastoProcess, EveryFaultOfTheFileIsReportedInLineOrder)
{
    const PastoRun run = runPasto({}, "Frutta;Pesca;1\nFrutta;Banana, cruda;x\n");
    EXPECT_EQ(run.exitCode, 2);
    const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << run.err.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("velmo-pasto: riga 1: ")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("velmo-pasto: riga 2: ")));
}

TEST(PastoProcess, OptionsAndFiles)
{
    const PastoRun help = runPasto({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Uso: velmo-pasto [--csv] [FILE]")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("Verdure ed ortaggi")));
    EXPECT_EQ(help.err, QString());

    const PastoRun option = runPasto({QStringLiteral("--xml")});
    EXPECT_EQ(option.exitCode, 2);
    EXPECT_EQ(option.out, QString());
    EXPECT_TRUE(option.err.contains(QStringLiteral("opzione sconosciuta \"--xml\"")));

    const PastoRun missing = runPasto({QStringLiteral("/nessuna/cartella/pasto.txt")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.out, QString());
    EXPECT_TRUE(missing.err.contains(QStringLiteral("il file non esiste")));
}

// A copy of the program in a folder of its own, with `database` as its food database.
QString programBeside(const QTemporaryDir &dir, const QByteArray *database)
{
    const QString copy = dir.filePath(QFileInfo(QStringLiteral(VELMO_PASTO)).fileName());
    EXPECT_TRUE(QFile::copy(QStringLiteral(VELMO_PASTO), copy));
    QFile::setPermissions(copy, QFile::permissions(QStringLiteral(VELMO_PASTO)));
    if (database) {
        QFile db(dir.filePath(QStringLiteral("elementi97.db")));
        EXPECT_TRUE(db.open(QIODevice::WriteOnly));
        db.write(*database);
    }
    return copy;
}

TEST(PastoProcess, MissingOrUnreadableDatabaseEndsWithCodeOne)
{
    QTemporaryDir empty;
    const PastoRun missing = runPasto({}, kLunch, "it_IT.UTF-8", programBeside(empty, nullptr));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, QString());
    EXPECT_TRUE(missing.err.contains(QStringLiteral("elementi97.db"))) << missing.err.toStdString();
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Il file non esiste")));

    QTemporaryDir garbage;
    const QByteArray notADatabase(4096, 'x');
    const PastoRun unreadable = runPasto({}, kLunch, "it_IT.UTF-8", programBeside(garbage, &notADatabase));
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_EQ(unreadable.out, QString());
    EXPECT_TRUE(unreadable.err.contains(QStringLiteral("Impossibile aprire l'archivio degli alimenti")))
        << unreadable.err.toStdString();
}

}  // namespace
}  // namespace velmo::test

namespace velmo::test {
namespace {

// `velmo-pasto` with its standard input taken from `inputFile`, or from a shell line.
PastoRun runPastoFrom(const QString &inputFile, const QStringList &arguments = {})
{
    QProcess process;
    process.setStandardInputFile(inputFile);
    process.start(QStringLiteral(VELMO_PASTO), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

PastoRun runPastoInShell(const QString &line)
{
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), line, QStringLiteral(VELMO_PASTO)});
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

TEST(PastoProcess, NamesMatchAsTheyLookOnLinesEndedByCarriageReturns)
{
    const PastoRun run = runPasto({}, "Carni trasformate e conservate;Wu\xCC\x88rstel di pollo;100\r"
                                      "Oli e grassi;Olio d\xE2\x80\x99oliva;10\r");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6) << run.out.toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Würstel di pollo "))) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Olio d'oliva "))) << lines[3].toStdString();
}

TEST(PastoProcess, AtMostTwentyErrorsThenHowManyMore)
{
    const PastoRun run = runPasto({}, QByteArray(";;x\n").repeated(12));
    EXPECT_EQ(run.exitCode, 2);
    const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 21) << run.err.toStdString();
    EXPECT_TRUE(lines[19].startsWith(QStringLiteral("velmo-pasto: riga 7: "))) << lines[19].toStdString();
    EXPECT_EQ(lines[20], QStringLiteral("velmo-pasto: e altri 16 errori"));
}

// Inputs without end, or far larger than any meal: each ends at once with its reason.
TEST(PastoProcess, EndlessOrHugeInputEndsWithItsReason)
{
    QTemporaryDir dir;
    auto largeFile = [&](const char *name, const QByteArray &line) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(line.repeated(static_cast<qsizetype>(2'000'000 / line.size())));
        return path;
    };
    const QString blank = largeFile("vuote.txt", "\n");
    const QString foods = largeFile("alimenti.txt", "Frutta;Banana, cruda;10\n");
    const QString bad = largeFile("errate.txt", "x;y;z\n");
    struct Case {
        PastoRun run;
        const char *message;
    };
    const Case cases[] = {
        {runPasto({QStringLiteral("/dev/zero")}), "velmo-pasto: riga 1: il testo contiene un carattere nullo"},
        {runPastoFrom(QStringLiteral("/dev/zero")), "velmo-pasto: riga 1: il testo contiene un carattere nullo"},
        {runPastoFrom(QStringLiteral("/dev/urandom")), "velmo-pasto: riga "},
        {runPasto({blank}), "velmo-pasto: riga 1000001: il testo supera 1 MB"},
        {runPastoFrom(foods), "velmo-pasto: riga 13: più di dodici alimenti"},
        {runPastoFrom(bad), "velmo-pasto: e altri 7 errori"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(c.run.exitCode, 2);
        EXPECT_EQ(c.run.out, QString());
        EXPECT_TRUE(c.run.err.contains(QString::fromUtf8(c.message))) << c.run.err.toStdString();
        EXPECT_LE(c.run.err.count(u'\n'), 21) << c.run.err.toStdString();
    }
}

TEST(PastoProcess, AFolderOnStandardInputOrAnEmptyNameIsOneItalianLine)
{
    const PastoRun folder = runPastoInShell(QStringLiteral("exec \"$0\" < /"));
    EXPECT_EQ(folder.exitCode, 2);
    EXPECT_EQ(folder.err, QStringLiteral("velmo-pasto: impossibile leggere lo standard input: è una cartella, non un file\n"));
    const PastoRun empty = runPasto({QString()});
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_EQ(empty.err, QStringLiteral("velmo-pasto: il nome del file è vuoto (per leggere lo standard input ometterlo "
                                        "o scrivere \"-\")\n"));
}

TEST(PastoProcess, IncompleteDatabaseEndsWithCodeOneAndIsLeftUntouched)
{
    QTemporaryDir emptyDir;
    const QByteArray nothing;
    const PastoRun empty = runPasto({}, kLunch, "it_IT.UTF-8", programBeside(emptyDir, &nothing));
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.out, QString());
    EXPECT_TRUE(empty.err.contains(QStringLiteral("Il file è vuoto"))) << empty.err.toStdString();
    EXPECT_EQ(QFileInfo(emptyDir.filePath(QStringLiteral("elementi97.db"))).size(), 0);

    QTemporaryDir partialDir;
    const QString program = programBeside(partialDir, nullptr);
    const QString database = partialDir.filePath(QStringLiteral("elementi97.db"));
    ASSERT_TRUE(writeFoodDatabase(database, {{QStringLiteral("Frutta"), {}}}, false));
    const QByteArray before = fileBytes(database);
    const PastoRun partial = runPasto({}, kLunch, "it_IT.UTF-8", program);
    EXPECT_EQ(partial.exitCode, 1);
    EXPECT_EQ(partial.out, QString());
    EXPECT_TRUE(partial.err.contains(QStringLiteral("mancano le tabelle bevande_alcoliche"))) << partial.err.toStdString();
    EXPECT_EQ(fileBytes(database), before);
}

}  // namespace
}  // namespace velmo::test
