// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// velmo-pasto --esporta-persona and --importa-persona, as a script runs them.

#include "plan/personjson.h"
#include "plan/personstore.h"
#include "plan/plantestsupport.h"
#include "support/tablecase.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace velmo::test {
namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// One run after another on the same data: the exit code, words standard error holds, and the
// standard output (none: not looked at). No message names the person.
TEST(PersonCli, ExportAndImportSayWhatHappenedWithTheProgramsExitCodes)
{
    QTemporaryDir dir;
    const PersonRecord record = fullRecord();
    const QByteArray json = personJson(record);
    const QString file = dir.filePath(u"persona.json"_s);
    const QString exported = dir.filePath(u"esportata.json"_s);
    write(file, json);
    write(dir.filePath(u"sbagliata.json"_s), QByteArray(json).replace("163.5", "16.35"));
    // A stored day of shipped foods, one with a portion label beside its grams that names no measure
    // of the food (one since renamed): the grams count.
    PersonRecord bice = fullRecord(u"Bice"_s);
    const auto fruit = std::find_if(foodCategories().cbegin(), foodCategories().cend(),
                                    [](const FoodCategory &c) { return c.heading == u"Frutta"_s; });
    bice.days[0].second.meals = {
        {u"Cena"_s, {{0, int(fruit - foodCategories().cbegin()), u"Banana, cruda"_s, u"150"_s, u"1 spicchio"_s}}}};
    write(dir.filePath(u"bice.json"_s), personJson(bice));
    PersonRecord ciro = bice;  // a food that is not where the day says
    ciro.person.name = u"Ciro"_s;
    ciro.days[0].second.meals[0].entries[0].food = u"Xyz"_s;
    write(dir.filePath(u"ciro.json"_s), personJson(ciro));
    PersonRecord dina = bice;  // a personal food written in other capitals than its catalogue's
    dina.person.name = u"Dina"_s;
    dina.days[0].second.meals[0].entries[0] = {0, kPersonalCategory, u"TORTA"_s, u"150"_s, {}};
    write(dir.filePath(u"dina.json"_s), personJson(dina));
    PersonRecord ezio = bice;  // an adult without his activity, and a child: no requirement
    ezio.person.name = u"Ezio"_s;
    ezio.person.activity = ActivityLevel::NotChosen;
    write(dir.filePath(u"ezio.json"_s), personJson(ezio));
    PersonRecord fede = bice;
    fede.person.name = u"Fede"_s;
    fede.person.condition = PersonCondition::None;
    fede.person.birthDate = QDate::currentDate().addYears(-7);
    fede.person.weights = {{QDate::currentDate(), 25, std::nullopt}};
    write(dir.filePath(u"fede.json"_s), personJson(fede));
    // Weighed tomorrow: a file from where that is today already; the day after is no file's today.
    PersonRecord gaia = fede;
    gaia.person.name = u"Gaia"_s;
    gaia.person.weights = {{QDate::currentDate().addDays(1), 25, std::nullopt}};
    write(dir.filePath(u"gaia.json"_s), personJson(gaia));
    gaia.person.weights = {{QDate::currentDate().addDays(2), 25, std::nullopt}};
    write(dir.filePath(u"gaia2.json"_s), personJson(gaia));
    write(dir.filePath(u"miei.csv"_s), "alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo\n"
                                       "Torta,100,6,12,50,340,,\n");
    write(dir.filePath(u"olio.pasto"_s), "Oli e grassi;Olio d'oliva;1 porzione standard\n");
    write(dir.filePath(u"giorno.pasto"_s),
          "[Colazione]\nCereali e derivati;Pane tipo italiano;80\n[Cena]\nFrutta;Banana, cruda;150\n");
    write(dir.filePath(u"fette.pasto"_s),
          "[Colazione]\nCereali e derivati;Pane tipo italiano;2 fette medie\n[Cena]\nFrutta;Banana, cruda;150\n");
    const auto at = [&](const char *name) { return dir.filePath(QString::fromLatin1(name)).toStdString(); };
    const std::string name = record.person.name.toStdString();
    // Imported whole, with a word on the foods that this computer lacks.
    const char *const warned = "con 2 giorni\nvelmo-pasto: attenzione: alcuni giorni nominano alimenti che qui non ci "
                               "sono, e la finestra li mostra";
    // clang-format off
    const struct { int line; std::vector<std::string> arguments; int exitCode; const char *err; std::optional<QByteArray> out = {}; const char *outHas = ""; } cases[] = {
        {__LINE__, {"--esporta-persona", name, "-"}, 2, "nessuna persona con questo nome"},
        {__LINE__, {"--importa-persona", at("persona.json")}, 0, warned, QByteArray()},
        {__LINE__, {"--importa-persona", at("persona.json")}, 2, "Esiste già una persona con questo nome"},
        {__LINE__, {"--importa-persona", at("sbagliata.json")}, 2, "campo \"altezza_cm\": L'altezza deve essere fra 40 e 250 cm"},
        {__LINE__, {"--importa-persona", at("persona.json"), "--sostituisci"}, 0, warned, QByteArray()},
        {__LINE__, {"--esporta-persona", name, "-"}, 0, "", json},
        {__LINE__, {"--esporta-persona", name, at("esportata.json")}, 0, "", QByteArray()},
        {__LINE__, {"--esporta-persona", "Nessuno", "-"}, 2, "nessun file scritto"},
        {__LINE__, {"--esporta-persona", name, at("manca/esportata.json")}, 3, "impossibile scrivere"},
        {__LINE__, {"--esporta-persona", name}, 2, "--esporta-persona vuole il NOME della persona e il FILE"},
        {__LINE__, {"--sostituisci"}, 2, "vanno usati da soli"},
        {__LINE__, {"--importa-persona", at("bice.json")}, 0, "persona importata in"},
        {__LINE__, {"--persona", "Bice", "--data", "2025-04-07"}, 0, "", {}, "Cena\nAlimento"},
        {__LINE__, {"--bilancia", at("giorno.pasto"), "--persona", "Bice", "--piu-vicino"}, 4, "Proteine: 18.1 g (obiettivo ≥ 54", {}, "[Cena]\nFrutta;Banana, cruda;"},
        {__LINE__, {"--bilancia", at("fette.pasto"), "--persona", "Bice", "--piu-vicino"}, 4, "Proteine: ", {}, "[Colazione]\nCereali e derivati;Pane tipo italiano;"},
        {__LINE__, {"--importa-persona", at("ezio.json")}, 0, "persona importata in"},
        {__LINE__, {"--bilancia", at("giorno.pasto"), "--persona", "Ezio"}, 2, "della persona mancano il livello di attività o le attività fisiche auspicabili"},
        {__LINE__, {"--importa-persona", at("fede.json")}, 0, "persona importata in"},
        {__LINE__, {"--importa-persona", at("gaia2.json")}, 2, "campo \"pesi[0].data\""},
        {__LINE__, {"--importa-persona", at("gaia.json")}, 0, "persona importata in"},
        {__LINE__, {"--bilancia", at("giorno.pasto"), "--persona", "Fede"}, 2, "sotto i 10 anni si conosce solo il metabolismo basale, non il fabbisogno"},
        {__LINE__, {"--persona", "Bice", "--data", "2025-04-03", "--settimana"}, 0, "", {}, "== 2025-04-07 ==\nCena\n"},
        {__LINE__, {"--persona", "Bice", "--data", "2025-04-03", "--settimana"}, 0, "", {}, "Media giornaliera di 1 giorno "},  // the day stored empty is not planned
        {__LINE__, {"--persona", "Bice", "--data", "2025-04-07", "--settimana", "--csv"}, 0, "", {}, "2025-04-07,Cena,\"Banana, cruda\",150,"},
        {__LINE__, {"--persona", "Bice", "--data", "2025-04-08"}, 2, "nessun giorno conservato per la persona in questa data"},
        {__LINE__, {"--importa-persona", at("ciro.json")}, 0, warned},
        {__LINE__, {"--importa-persona", at("ciro.json"), "--sostituisci"}, 0, "la finestra li mostra senza quelle righe (gli alimenti personali si aggiungono con --importa-alimenti):\nvelmo-pasto: 2025-04-07, \"Cena\": l'alimento \"Xyz\" non è nella categoria \"Frutta\""},
        {__LINE__, {"--persona", "Ciro", "--data", "2025-04-03", "--settimana"}, 2, "2025-04-07, \"Cena\": l'alimento \"Xyz\" non è nella categoria \"Frutta\""},
        {__LINE__, {"--importa-persona", at("dina.json")}, 0, warned},  // her own food comes next
        {__LINE__, {"--importa-alimenti", at("miei.csv")}, 0, "importato 1 alimento"},
        {__LINE__, {"--persona", "Dina", "--data", "2025-04-07"}, 0, "", {}, "\nTorta                              150             150        9.00      18.00       75.00         510.00\n"},
        {__LINE__, {"--persona", "Dina", "--data", "2025-04-03", "--settimana"}, 0, "", {}, "Media giornaliera di 1 giorno         150.00"},
        // A slip of a name replaces no store of Velmo's, nor the file read.
        {__LINE__, {"--esporta-persona", "Dina", at("dati/Velmo/Velmo/persone.db")}, 2, "è un archivio di Velmo, che andrebbe perduto"},
        {__LINE__, {"--persona", "Dina", "--data", "2025-04-07", "--pdf", at("dati/Velmo/Velmo/alimenti-personali.db")}, 2, "è un archivio di Velmo"},
        {__LINE__, {"--pdf", at("olio.pasto"), at("olio.pasto")}, 2, "è il file da leggere"},
        {__LINE__, {"--persona", "Dina", "--data", "2025-04-07"}, 0, "", {}, "\nTorta  "},
        {__LINE__, {"--persona", "Nessuno", "--data", "2025-04-07"}, 2, "nessuna persona con questo nome"},
        {__LINE__, {"--persona", "Bice", "--data", "7/4/2025"}, 2, "la data di --data non è valida"},
        {__LINE__, {"--persona", "Bice"}, 2, "--persona NOME e --data AAAA-MM-GG vanno dati"},
        {__LINE__, {"--persona", "Bice", "--data", "2025-04-07", "--pdf", at("bice.pdf")}, 0, ""},
        {__LINE__, {"--pdf", at("olio.pdf"), at("olio.pasto")}, 0, ""},  // a meal file, its food as a portion
        {__LINE__, {"--pdf", at("olio-f.pdf"), "--nutrienti", "--sesso", "F", "--anni", "25", "--allattamento", at("olio.pasto")}, 0, ""},
        {__LINE__, {"--persona", "Bice", "--data", "2025-04-07", "--pdf", at("manca/bice.pdf")}, 3, "nessun file scritto"},
        {__LINE__, {"--persona", "Bice", "--data", "2025-04-07", "--pdf", at("b.pdf"), "--csv"}, 2, "--csv o --pdf"},
        {__LINE__, {"--persona", "Bice", "--data", "2025-04-07", "--pdf", ""}, 2, "--csv o --pdf"},
        {__LINE__, {"--persona", "Bice", "--data", "2025-04-07", "--pdf", "-"}, 2, "--csv o --pdf"},
    };
    // clang-format on
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_DATA_HOME"_s, dir.filePath(u"dati"_s));
    const mode_t umask = ::umask(022);
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QProcess process;
        process.setProcessEnvironment(env);
        QStringList arguments;
        for (const std::string &a : c.arguments)
            arguments.append(QString::fromStdString(a));
        process.start(QStringLiteral(VELMO_PASTO), arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), c.exitCode) << err.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.err))) << err.toStdString();
        EXPECT_EQ(err.contains(u"attenzione"_s), QString::fromUtf8(c.err).contains(u"la finestra li mostra"_s));
        EXPECT_FALSE(err.contains(u"Zanzibar"_s) || err.contains(u"Bice"_s) || err.contains(u"lattosio"_s))
            << err.toStdString();
        const QByteArray out = process.readAllStandardOutput();
        if (c.out) {
            EXPECT_EQ(out, *c.out);
        }
        EXPECT_TRUE(out.contains(c.outHas)) << out.toStdString();
    }
    ::umask(umask);
    EXPECT_EQ(fileBytes(exported), json);
    EXPECT_EQ(QFile::permissions(exported), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    // The printed plan: private, the person and the food in its text, nothing left where it failed.
    const QString pdf = dir.filePath(u"bice.pdf"_s);
    EXPECT_EQ(QFile::permissions(pdf), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"manca"_s)) || QFileInfo::exists(dir.filePath(u"b.pdf"_s)));
    const auto pdfText = [](const QString &path) {
        QProcess text;
        text.start(u"pdftotext"_s, {path, u"-"_s});
        return text.waitForFinished(60000) ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
    };
    const QString printed = pdfText(pdf);
    EXPECT_TRUE(printed.contains(u"Bice"_s) && printed.contains(u"Banana, cruda"_s) && printed.contains(u"150 g"_s))
        << printed.toStdString();
    const QString oil = pdfText(dir.filePath(u"olio.pdf"_s));  // 9 g of oil, counted
    EXPECT_TRUE(oil.contains(u"Pasto — 80 kcal"_s) && oil.contains(u"quelli di un uomo adulto di 30 anni"_s))
        << oil.toStdString();                                        // whose references, with no person named
    const QString nursing = pdfText(dir.filePath(u"olio-f.pdf"_s));  // whose, when given
    EXPECT_TRUE(nursing.contains(u"femmina"_s) && nursing.contains(u"25 anni"_s) && nursing.contains(u"allattamento"_s)
                && !nursing.contains(u"uomo adulto"_s))
        << nursing.toStdString();
    // The meal file read on the standard input is not replaced either.
    QProcess piped;
    piped.setProcessEnvironment(env);
    piped.setStandardInputFile(dir.filePath(u"olio.pasto"_s));
    piped.start(QStringLiteral(VELMO_PASTO), {u"--pdf"_s, dir.filePath(u"olio.pasto"_s)});
    ASSERT_TRUE(piped.waitForFinished(60000));
    EXPECT_EQ(piped.exitCode(), 2);
    EXPECT_TRUE(piped.readAllStandardError().contains("è il file da leggere"));
    EXPECT_EQ(fileBytes(dir.filePath(u"olio.pasto"_s)), "Oli e grassi;Olio d'oliva;1 porzione standard\n");
    // A store that cannot be read ends with the code of a database's fault, not of the input's.
    write(dir.filePath(u"dati/Velmo/Velmo/persone.db"_s), "non è un archivio");
    QProcess broken;
    broken.setProcessEnvironment(env);
    broken.start(QStringLiteral(VELMO_PASTO), {u"--persona"_s, u"Bice"_s, u"--data"_s, u"2025-04-07"_s});
    ASSERT_TRUE(broken.waitForFinished(60000));
    EXPECT_EQ(broken.exitCode(), 1) << broken.readAllStandardError().toStdString();
}

// Two imports started together on a user folder that does not exist yet: each makes the store or
// finds it made, waits for the other's transaction, and both persons are there.
TEST(PersonCli, TwoImportsStartedTogetherOnANewFolderBothSucceed)
{
    QTemporaryDir dir;
    const QString files[2] = {dir.filePath(u"a.json"_s), dir.filePath(u"b.json"_s)};
    write(files[0], personJson(fullRecord(u"Anna"_s)));
    write(files[1], personJson(fullRecord(u"Bice"_s)));
    for (int round = 0; round < 10; ++round) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString data = dir.filePath(QStringLiteral("dati-%1").arg(round));
        env.insert(u"XDG_DATA_HOME"_s, data);
        QProcess imports[2];
        for (int i = 0; i < 2; ++i) {
            imports[i].setProcessEnvironment(env);
            imports[i].start(QStringLiteral(VELMO_PASTO), {u"--importa-persona"_s, files[i]});
        }
        for (QProcess &p : imports) {
            ASSERT_TRUE(p.waitForFinished(60000));
            EXPECT_EQ(p.exitCode(), 0) << "giro " << round << ": " << p.readAllStandardError().toStdString();
        }
        QString error;
        const auto store = PersonStore::open(data + u"/Velmo/Velmo/persone.db"_s, false, &error);
        ASSERT_TRUE(store) << error.toStdString();
        StoreResult result;
        EXPECT_EQ(store->personNames(&result), (QStringList{u"Anna"_s, u"Bice"_s}));
    }
}

}  // namespace
}  // namespace velmo::test
