// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/personalfood.h"
#include "support/fooddbfixture.h"
#include "support/qtprinters.h"
#include "support/tablecase.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmo::test {
namespace {

// How the input reaches the program: written to its standard input, saved to a file named as
// its last argument, a named pipe nobody writes to named so, (`input` is a path) that path as
// standard input, written to a standard input the caller left non-blocking only once the program
// has started reading, or with standard input closed.
enum class Feed { Pipe, FileArgument, FifoArgument, PathStdin, LatePipe, Closed };
// The food database beside the program: the shipped one, none, or one without most category
// tables (the catalogue's tests check every other fault of the file).
enum class Db { Shipped, Missing, Partial };

// Where the standard output goes: to the test, or to a disk that is always full.
enum class Out { Test, FullDisk };

// The run, then what it gives: the exit code, a pattern the standard output matches (`kNothing`:
// it is empty), words the standard error holds (empty: it is empty) and at most how many lines it has.
// clang-format off
struct ProcessCase {
    int line; std::vector<const char *> arguments; QByteArray input; Feed feed; const char *locale; Db db;
    int exitCode; const char *out; const char *err; int errLines; Out output = Out::Test;
};
// clang-format on

const char *const kNothing = "\\A\\z";
const char *const kIt = "it_IT.UTF-8";
const char *const kEn = "en_US.UTF-8";
const QByteArray kFoods = "alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo\n";
const QByteArray kLunch = "# pranzo\n"
                          "Cereali e derivati;Pane tipo italiano;80\n"
                          "\n"
                          "Frutta;Banana, cruda;150\n"
                          "Frutta;Banana, cruda;150\n";
// The same lunch as a day, and a day of 80 g of bread (7.04 g protein, 2.8 g fat, 40.08 g
// carbohydrate, 216.8 kcal, 2.56 g fibre) at breakfast and at lunch in two halves.
const QByteArray kLunchDay = "[Colazione]\nCereali e derivati;Pane tipo italiano;80\n[Pranzo]\n"
                             "Frutta;Banana, cruda;150\nFrutta;Banana, cruda;150\n";
const QByteArray kBreadDay = "[Colazione]\nCereali e derivati;Pane tipo italiano;80\n\n[Merenda]\n[Pranzo]\n"
                             "Cereali e derivati;Pane tipo italiano;40\nCereali e derivati;Pane tipo italiano;40\n";
const char *const kLunchProfile = "\nProfilo nutrizionale\nEnergia e macronutrienti\n  Energia +388 kcal\n[\\s\\S]*"
                                  "\n  Amido +≥ 10,3 g +\\(1 alimento senza valore\\)\n[\\s\\S]*\n  Sodio +442 mg\n"
                                  "  Sale \\(sodio × 2,5\\) +1,10 g\n";

// clang-format off
const ProcessCase kCases[] = {
    {__LINE__, {"--help"}, {}, Feed::Pipe, kIt, Db::Shipped, 0, "\\AUso: velmo-pasto \\[--csv\\] \\[--fabbisogno KCAL\\] \\[FILE\\][\\s\\S]*Verdure ed ortaggi", "", 0},
    {__LINE__, {"--xml"}, {}, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "opzione sconosciuta \"--xml\"", 1},
    {__LINE__, {"/nessuna/cartella/pasto.txt"}, {}, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "il file non esiste", 1},
    {__LINE__, {""}, {}, Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: il nome del file è vuoto (per leggere lo standard input ometterlo o scrivere \"-\")\n", 1},
    {__LINE__, {}, "/", Feed::PathStdin, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: impossibile leggere lo standard input: è una cartella, non un file\n", 1},
    {__LINE__, {"/"}, {}, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "velmo-pasto: impossibile leggere \"/\": è una cartella, non un file\n", 1},
    {__LINE__, {}, {}, Feed::FifoArgument, kIt, Db::Shipped, 2, kNothing, "pasto.txt\": non è un file normale (è una pipe,", 1},
    {__LINE__, {"--importa-alimenti"}, {}, Feed::FifoArgument, kIt, Db::Shipped, 2, kNothing, "pasto.txt\": non è un file normale (è una pipe,", 2},
    // Balancing: the file with the new weights, sections kept, the oil fixed; or, when no plan meets the targets, nothing but the conflicts.
    {__LINE__, {"--kcal", "700", "--libero", "1,2,4", "--bilancia"}, "[Pranzo]\nCereali e derivati;Pane tipo italiano;80\nFormaggi e latticini;Mozzarella di latte intero;125\nOli e grassi;Olio d'oliva;10\nFrutta;Mela, con buccia, cruda;200\n", Feed::FileArgument, kIt, Db::Shipped, 0,
     "\\A#.*\n\n\\[Pranzo\\]\nCereali e derivati;Pane tipo italiano;1\\d\\d\nFormaggi e latticini;Mozzarella di latte intero;\\d+\nOli e grassi;Olio d'oliva;10\nFrutta;Mela, con buccia, cruda;\\d+\n\\z", "Energia: 6", 6},
    {__LINE__, {"--kcal", "2000", "--libero", "1", "--bilancia"}, kLunch, Feed::FileArgument, kIt, Db::Shipped, 4, kNothing, "Con questi alimenti l'energia arriva al massimo a 577 kcal.\n", 12},
    {__LINE__, {"--piu-vicino", "--tolleranza", "5", "--kcal", "2000", "--libero", "1", "--bilancia"}, kLunch, Feed::FileArgument, kIt, Db::Shipped, 4, "\\A#.*\nCereali e derivati;Pane tipo italiano;150\nFrutta;Banana, cruda;150\n", "Energia: 577 kcal (obiettivo 1900-2100 kcal), mancato di 1323 kcal", 11},
    // A food taken down to nothing leaves the file; a portion in place of the weight counts as its grams, and gives way to the new weight.
    {__LINE__, {"--kcal", "500", "--bilancia"}, "Cereali e derivati;Pane tipo italiano;2 fette medie\nFormaggi e latticini;Mozzarella di latte intero;125\nOli e grassi;Olio d'oliva;10\nFrutta;Mela, con buccia, cruda;200\nDolci;Zucchero bianco semolato;60\n", Feed::FileArgument, kIt, Db::Shipped, 0,
     "\\A#.*\nCereali e derivati;Pane tipo italiano;\\d+\nFormaggi e latticini;Mozzarella di latte intero;\\d+\nOli e grassi;Olio d'oliva;\\d+\nFrutta;Mela, con buccia, cruda;\\d+\n\\z", "Energia: 486 kcal", 6},
    {__LINE__, {"--kcal", "300", "--libero", "2", "--piu-vicino", "--bilancia"}, "Cereali e derivati;Pane tipo italiano;2 fette medie\nFrutta;Mela, con buccia, cruda;200\n", Feed::FileArgument, kIt, Db::Shipped, 4,
     "\\A#.*\nCereali e derivati;Pane tipo italiano;;2 fette medie\nFrutta;Mela, con buccia, cruda;\\d+\n\\z", "Energia: 291 kcal (obiettivo 291-309 kcal), raggiunto", 9},
    // The beans lack sugars: the other foods' sugars are kept within the most, which stays unverifiable.
    {__LINE__, {"--kcal", "800", "--bilancia"}, "Legumi;Fagioli borlotti, bolliti, senza sale;150\nCereali e derivati;Pane tipo italiano;80\nFrutta;Banana, cruda;150\nFrutta;Mela, con buccia, cruda;200\nOli e grassi;Olio d'oliva;10\n", Feed::FileArgument, kIt, Db::Shipped, 0,
     "\\A#.*\nLegumi;Fagioli borlotti, bolliti, senza sale;\\d+\n", "Zuccheri: ≥ 15 %En (obiettivo ≤ 15 %En), non verificabile: mancano i valori di Fagioli borlotti", 6},
    // Under English the messages name the foods in English; the day written keeps the files' names.
    {__LINE__, {"--lingua", "en", "--kcal", "800", "--bilancia"}, "Legumi;Fagioli borlotti, bolliti, senza sale;150\nCereali e derivati;Pane tipo italiano;80\nFrutta;Banana, cruda;150\nFrutta;Mela, con buccia, cruda;200\nOli e grassi;Olio d'oliva;10\n", Feed::FileArgument, kEn, Db::Shipped, 0,
     "\\A#.*\nLegumi;Fagioli borlotti, bolliti, senza sale;\\d+\n", "cannot be verified: the values of Beans, cranberry (roman)", 6},
    {__LINE__, {"--kcal", "600", "--libero", "1", "--piu-vicino", "--bilancia"}, "Oli e grassi;Olio d'oliva;30\n[Pranzo]\nCereali e derivati;Pane tipo italiano;200\nFrutta;Mela Fuji, con buccia, cruda;150\n", Feed::FileArgument, kIt, Db::Shipped, 4,
     "\\A#.*\n\n\\[Pranzo\\]\nCereali e derivati;Pane tipo italiano;200\nFrutta;Mela Fuji, con buccia, cruda;150\n\\z", "Energia: 626 kcal", 9},  // the foods above the first meal all gone
    {__LINE__, {"--kcal", "700", "--bilancia"}, "[Colazione]\n[Pranzo]\n", Feed::FileArgument, kIt, Db::Shipped, 2, kNothing, "velmo-pasto: nessun alimento da bilanciare\n", 1},
    {__LINE__, {"--kcal", "700", "--persona", "Anna", "--bilancia"}, kLunch, Feed::FileArgument, kIt, Db::Shipped, 2, kNothing, "uso: --bilancia FILE", 1},
    {__LINE__, {"--kcal", "700", "--libero", "4", "--bilancia"}, kLunch, Feed::FileArgument, kIt, Db::Shipped, 2, kNothing, "--libero: il file ha 3 alimenti, non c'è il 4", 1},
    // A good meal: the aligned table, or CSV, with the numbers as the user's locale writes them.
    {__LINE__, {}, kLunch, Feed::FileArgument, kIt, Db::Shipped, 0,
     "Pane tipo italiano +80 +\\d+ +\\d+,\\d\\d .*\nBanana, cruda +150 .*\nBanana, cruda +150 .*\n-+\n"
     "Calcolo per una persona +380 .*\n\\z", "", 0},
    // Portions in place of the weight (bread: 20 g a medium slice, 50 g the standard portion) or beside it.
    {__LINE__, {}, "Cereali e derivati;Pane tipo italiano;2 fette medie\nCereali e derivati;Pane tipo italiano;1 PORZIONE\n"
     "Cereali e derivati;Pane tipo italiano;50;1 porzione standard\n", Feed::Pipe, kIt, Db::Shipped, 0,
     "\nPane tipo italiano \\(2 fette medie\\) +40 +40 .*\nPane tipo italiano \\(1 PORZIONE\\) +50 .*\n"
     "Pane tipo italiano \\(1 porzione standard\\) +50 .*\n-+\nCalcolo per una persona +140 ", "", 0},
    {__LINE__, {}, "Oli e grassi;Olio d'oliva;1 porzione standard\n", Feed::Pipe, kIt, Db::Shipped, 0, "\nOlio d'oliva \\(1 porzione standard\\) +9 ", "", 0},
    // Under English the measures are read and shown by their English names, as the files hold them or so typed.
    {__LINE__, {"--lingua", "en"}, "Cereali e derivati;Pane tipo italiano;2 fette medie\nCereali e derivati;Pane tipo italiano;1 slice, medium\n", Feed::Pipe, kEn, Db::Shipped, 0,
     "\nBread, italian \\(2 slice, medium\\) +40 .*\nBread, italian \\(1 slice, medium\\) +20 ", "", 0},
    {__LINE__, {"--lingua", "en"}, "Cereali e derivati;Pane tipo italiano;2 tazze\n", Feed::Pipe, kEn, Db::Shipped, 2, kNothing,
     "(you can write: slice, large (4-1/2\" x 3-1/4\" x 3/4\"), slice, medium, slice, small", 1},
    {__LINE__, {"--lingua=en"}, "Oli e grassi;Olio d'oliva;1½ porzioni standard\n", Feed::Pipe, kIt, Db::Shipped, 0, "\nOil, olive, salad or cooking \\(1½ standard portions\\) +14 ", "", 0},
    {__LINE__, {}, "# pranzo\nCereali e derivati;Pane tipo italiano;2 tazze\n", Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: riga 2: la porzione \"2 tazze\" non è una misura di \"Pane tipo italiano\" (si può scrivere: fetta grande "
     "(11 × 8,5 cm, spessa 2 cm), fetta media, fetta piccola (8,5 × 6,5 cm, spessa 1,5 cm), porzione standard, g di parte edibile; "
     "o i grammi di peso lordo)\n", 1},
    // Three digits after a separator, the last a zero, may be thousands; Velmo's own "12.125" reads back.
    {__LINE__, {}, "Frutta;Anguria (cocomero), cruda;1.500 g di parte edibile\n", Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: riga 1: la porzione \"1.500 g di parte edibile\" non è chiara: 1.500 può essere in migliaia o con decimali; scrivere le migliaia senza separatore (1500) o i decimali senza gli zeri finali (1.5)\n", 1},
    {__LINE__, {}, "Cereali e derivati;Pane tipo italiano;2,000 fette medie\n", Feed::Pipe, kEn, Db::Shipped, 2, kNothing, "la porzione \"2,000 fette medie\" non è chiara", 1},
    {__LINE__, {}, "Cereali e derivati;Pane tipo italiano;12.125 g di parte edibile\n", Feed::Pipe, kIt, Db::Shipped, 0, "\nPane tipo italiano \\(12.125 g di parte edibile\\) +12 ", "", 0},
    {__LINE__, {}, "Cereali e derivati;Pane tipo italiano;0 g di parte edibile\n", Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "velmo-pasto: riga 1: la porzione \"0 g di parte edibile\" non è una misura", 1},
    // A pinch is less than the gram the table weighs; a portion after the grams must be the food's, and is shown only while it weighs them.
    {__LINE__, {}, "Frutta;Mela, con buccia, cruda;100\nProdotti vari;Pepe nero;1 pizzico\n", Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "velmo-pasto: riga 2: La porzione pesa meno di 1 g", 1},
    {__LINE__, {}, "Frutta;Mela, con buccia, cruda;100\nCereali e derivati;Pane tipo italiano;40;2 tazze\n", Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "velmo-pasto: riga 2: la porzione \"2 tazze\" non è una misura", 1},
    {__LINE__, {}, "Cereali e derivati;Pane tipo italiano;40;2 fette medie\nCereali e derivati;Pane tipo italiano;500;1 fetta media\n", Feed::Pipe, kIt, Db::Shipped, 0,
     "\nPane tipo italiano \\(2 fette medie\\) +40 .*\nPane tipo italiano +500 .*\n-+\n", "", 0},
    {__LINE__, {"--csv", "-"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 0,
     "Pane tipo italiano,80,\\d+,\"\\d+,\\d\\d\",.*\r\n\"Banana, cruda\",150,.*\r\n\"Banana, cruda\",150,.*\r\n"
     "Calcolo per una persona,380,\\d+,\"\\d+,\\d\\d\",.*\r\n\\z", "", 0},
    {__LINE__, {"--csv"}, kLunch, Feed::Pipe, kEn, Db::Shipped, 0, "\r\nPane tipo italiano,80,\\d+,\\d+\\.\\d\\d,", "", 0},
    // The meal against a daily requirement: a line after the totals, or five more columns.
    {__LINE__, {"--fabbisogno", "2244"}, kLunch, Feed::FileArgument, kIt, Db::Shipped, 0,
     "\nCalcolo per una persona .*\nPasto \\d+ kcal = \\d+ % di 2244 kcal · Protidi \\d+ % Lipidi \\d+ % Glucidi \\d+ % "
     "dell'energia\n\\z", "", 0},
    {__LINE__, {"--csv", "--fabbisogno=2244,5"}, kLunch, Feed::Pipe, kEn, Db::Shipped, 0,
     ",Colesterolo: mg,Fabbisogno: kcal,Pasto: % del fabbisogno,Protidi: % energia,Lipidi: % energia,Glucidi: % "
     "energia\r\n[\\s\\S]*,,,,,\r\nCalcolo per una persona,[^\r]*,2244,\\d+,\\d+,\\d+,\\d+\r\n\\z", "", 0},
    {__LINE__, {"--fabbisogno", "0"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "fabbisogno non valido \"0\"", 1},
    {__LINE__, {"--fabbisogno"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "manca il fabbisogno dopo --fabbisogno", 1},
    // The nutrient profile after the totals: a food without a value makes a lower bound, none an "n.d.".
    {__LINE__, {"--nutrienti"}, kLunch, Feed::FileArgument, kIt, Db::Shipped, 0, kLunchProfile, "", 0},
    // A day: each meal's table under its name, then a line per meal with its share of the day's
    // energy and the day's totals; the profile is that of all the day's foods together.
    {__LINE__, {}, kBreadDay, Feed::Pipe, kIt, Db::Shipped, 0,
     "\\AColazione\nAlimento .*\n-+\nPane tipo italiano +80 +80 +7,04 .*\n-+\nCalcolo per una persona +80 .*\n\nMerenda\n"
     "[\\s\\S]*\nPranzo\n[\\s\\S]*\n\nTotali del giorno\nPasto +Peso lordo: g .* Quota: % energia del giorno\n-+\n"
     "Colazione +80 +80 +7,04 +2,8 +40,08 +216,8 +2,56 +0 +50\nMerenda +0\nPranzo +80 +80 +7,04 +2,8 +40,08 +216,8 +2,56 +0 +50\n-+\n"
     "Totale del giorno +160 +160 +14,08 +5,6 +80,16 +433,6 +5,12 +0\n\\z", "", 0},
    {__LINE__, {"--fabbisogno", "2000"}, kBreadDay, Feed::Pipe, kIt, Db::Shipped, 0,
     "\\AColazione\n[^·]*\nPasto 217 kcal = 11 % di 2000 kcal · Protidi 13 % Lipidi 12 % Glucidi 75 % dell'energia\n\nMerenda\n"
     "[\\s\\S]*\nTotale del giorno .*\nGiorno 434 kcal = 22 % di 2000 kcal · Protidi 13 % Lipidi 12 % Glucidi 75 % dell'energia\n\\z", "", 0},
    {__LINE__, {"--csv"}, kBreadDay, Feed::Pipe, kEn, Db::Shipped, 0,
     "\\APasto,Alimento,Peso lordo: g,[^\r]*,Colesterolo: mg\r\nColazione,Pane tipo italiano,80,80,7.04,2.80,40.08,216.80,2.56,\r\n"
     "Colazione,Calcolo per una persona,80,80,7.04,2.8,40.08,216.8,2.56,0\r\nMerenda,Calcolo per una persona,,,,,,,,\r\n"
     "(Pranzo,Pane tipo italiano,40,40,3.52,1.40,20.04,108.40,1.28,\r\n){2}Pranzo,Calcolo per una persona,80,80,7.04,2.8,40.08,216.8,2.56,0\r\n"
     ",Totale del giorno,160,160,14.08,5.6,80.16,433.6,5.12,0\r\n\\z", "", 0},
    {__LINE__, {"--nutrienti"}, kLunchDay, Feed::FileArgument, kIt, Db::Shipped, 0, kLunchProfile, "", 0},
    {__LINE__, {}, "[Pranzo]\n[Cena]\n", Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "velmo-pasto: nessun alimento da calcolare: i pasti del giorno sono vuoti\n", 1},
    {__LINE__, {}, "[Cena]\nFrutta;Banane;1\n[cena]\n", Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: riga 2: l'alimento \"Banane\" non è nella categoria \"Frutta\"\nvelmo-pasto: riga 3: il pasto \"cena\" c'è già alla riga 1", 2},
    {__LINE__, {"--nutrienti", "--csv"}, "Cereali e derivati;Pane tipo italiano;80\n", Feed::Pipe, kEn, Db::Shipped, 0,
     "\\Achiave,nutriente,unita,quantita,limite_inferiore,alimenti_senza_valore,riferimento,tipo,percentuale,"
     "limite_massimo\r\nENERC_KCAL,Energia,kcal,217,0,0,,,,\r\n[\\s\\S]*\r\nSTARCH,Amido,g,,0,1,,,,\r\n[\\s\\S]*"
     "\r\nNA,Sodio,mg,440,0,0,,,,\r\nSALE,\"Sale \\(sodio × 2,5\\)\",g,1.10,0,0,,,,\r\n", "", 0},
    // Baking powder: 5876 mg of calcium in 53 kcal, 11087 mg per 100 kcal; foods without the value last.
    {__LINE__, {"--classifica", "ca", "--categoria", "Prodotti_vari", "--per", "100kcal"}, {}, Feed::Pipe, kIt, Db::Shipped, 0,
     "\\A# Calcio \\(CA\\): mg per 100 kcal\nProdotti vari;Lievito chimico in polvere, a doppia azione;11087\n[\\s\\S]*;n\\.d\\.\n\\z", "", 0},
    {__LINE__, {"--classifica", "SALE"}, {}, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "\"SALE\" è un valore derivato", 1},
    // Wheat germ oil's 10 ml standard portion: 218 g a cup of 236,6 ml, so 9,2 g, with 149,4 mg of vitamin E per 100 g.
    {__LINE__, {"--classifica", "TOCPHA", "--categoria", "Olii_e_grassi", "--per", "porzione"}, {}, Feed::Pipe, kIt, Db::Shipped, 0,
     "\\A# Vitamina E \\(alfa-tocoferolo\\) \\(TOCPHA\\): mg per porzione standard\nOli e grassi;Olio di germe di grano;13,7\n[\\s\\S]*;n\\.d\\.\n\\z", "", 0},
    {__LINE__, {"--classifica", "CA", "--categoria", "Pesci"}, {}, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "categoria sconosciuta \"Pesci\"", 1},
    {__LINE__, {"--nutrienti", "--csv", "--fabbisogno", "2000"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "--fabbisogno non si usa con --nutrienti --csv", 1},
    // Against a person's references (80 g of bread: calcium 62.4 mg, iron 2.352 mg, sodium 440 mg;
    // 217 kcal, 1.11 g of polyunsaturated fat, 1.03 of 18:2, 0.08 of 18:3, so 4.6, 4.3 and 0.33 %En):
    // a share of one value, none of a range or a bound, the upper level, the pregnancy's own rows.
    {__LINE__, {"--nutrienti", "--csv", "--sesso", "F", "--anni", "30"}, "Cereali e derivati;Pane tipo italiano;80\n",
     Feed::Pipe, kEn, Db::Shipped, 0, "\r\nEN_CHO,[^\r]*,45-60,RI,,\r\n[\\s\\S]*"
     "\r\nFIB_1000KCAL,[^\r]*,12.6-16.7,RI,,\r\n[\\s\\S]*\r\nEN_FASAT,[^\r]*,<10,SDT,,"
     "\r\nEN_FAPU,[^\r]*,%En,4.6,0,0,5.0-10.0,RI,,\r\nEN_F18D2,[^\r]*,%En,4.3,0,0,4.0-8.0,RI,,"
     "\r\nEN_F18D3,[^\r]*,%En,0.3,0,0,,,,"
     "\r\nCA,Calcio,mg,62,0,0,1000,PRI,6,2500\r\nFE,Ferro,mg,2.4,0,0,18.0,PRI,13,\r\n[\\s\\S]*\r\nNA,Sodio,mg,440,0,0,1500,AI,29,\r\n"
     "[\\s\\S]*\r\nID,[^,\r]+,µg,,0,,150,AI,,600\r\n", "", 0},
    {__LINE__, {"--nutrienti", "--sesso", "F", "--anni", "30", "--gravidanza"}, "Cereali e derivati;Pane tipo italiano;80\n",
     Feed::Pipe, kIt, Db::Shipped, 0, "\n  Proteine [^\n]*PRI 54,0 g[^\n]*in gravidanza \\+1, \\+8, \\+26 g \\(I, II, III trimestre\\)\n"
     "[\\s\\S]*\n  Amido +n\\.d\\.\n[\\s\\S]*\n  Ferro +2,4 mg +PRI 27,0 mg +9 %\n[\\s\\S]*\n  Iodio  AI 200 µg  non disponibile nei dati degli alimenti\n", "", 0},
    {__LINE__, {"--nutrienti", "--csv", "--sesso", "M", "--anni", "70", "--riferimento", "efsa"}, "Cereali e derivati;Pane tipo italiano;80\n",
     Feed::Pipe, kEn, Db::Shipped, 0, "\r\nFIBTG,[^\r]*,2.6,0,0,25.0,AI,10,\r\n[\\s\\S]*\r\nEN_F18D3,[^\r]*,0.3,0,0,0.5,AI,66,\r\n"
     "CA,Calcio,mg,62,0,0,950,PRI,7,2500\r\n[\\s\\S]*\r\nZN,Zinco,mg,[^\r]*,9.4-16.3,PRI,,25.0\r\n", "", 0},
    // Sodium's adequate intake comes with its goal, which an amount above it passes.
    {__LINE__, {"--nutrienti", "--sesso", "M", "--anni", "40"}, "Cereali e derivati;Pane tipo italiano;80\n",
     Feed::Pipe, kIt, Db::Shipped, 0, "\n  Sodio +440 mg +AI 1500 mg, SDT ≤ 2000 mg +29 % ", "", 0},
    {__LINE__, {"--nutrienti", "--sesso", "F"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "indicare l'età con --anni N", 1},
    {__LINE__, {"--nutrienti", "--sesso", "M", "--anni", "121"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "in anni interi da 1 a 120", 1},
    {__LINE__, {"--nutrienti", "--sesso", "M", "--anni", "30", "--gravidanza"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "--gravidanza e --allattamento valgono per una donna", 1},
    {__LINE__, {"--sesso", "F", "--anni", "30"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "valgono solo con --nutrienti", 1},
    // Faults of the input name their line, every one in line order, and print nothing.
    {__LINE__, {}, "# solo commenti\n", Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: nessun alimento da calcolare", 1},
    {__LINE__, {}, "Frutta;Banane;150\n", Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: riga 1: l'alimento \"Banane\" non è nella categoria \"Frutta\"", 1},
    {__LINE__, {}, "Frutta;Pesca;1\nFrutta;Banana, cruda;x\n", Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "\nvelmo-pasto: riga 2: ", 2},
    {__LINE__, {}, QByteArray(";;x\n").repeated(12), Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: riga 7: manca il nome dell'alimento\nvelmo-pasto: e altri 16 errori\n", 21},
    // The language of --lingua, before LANGUAGE (Italian in every run); one Velmo does not speak is a fault.
    {__LINE__, {"--lingua=en"}, QByteArray(";;x\n").repeated(12), Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: line 7: the food's name is missing\nvelmo-pasto: and 16 more errors\n", 21},
    {__LINE__, {"--lingua", "en", "--help"}, {}, Feed::Pipe, kIt, Db::Shipped, 0,
     "\\AUsage: velmo-pasto [\\s\\S]*\nOptions:\n[\\s\\S]*\nExit codes: [\\s\\S]*\nCategories:\n", "", 0},
    {__LINE__, {"--csv", "--lingua", "fr"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: lingua sconosciuta \"fr\": --lingua vuole it (italiano) o en (inglese)\n", 1},
    {__LINE__, {"--lingua=en", "--csv", "--lingua", "fr"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: unknown language \"fr\": --lingua takes it (Italian) or en (English)\n", 1},
    // A standard input left non-blocking is waited for; a closed one is an empty one.
    {__LINE__, {"--csv"}, kLunch, Feed::LatePipe, kEn, Db::Shipped, 0, "\r\nPane tipo italiano,80,", "", 0},
    {__LINE__, {}, {}, Feed::Closed, kIt, Db::Shipped, 2, kNothing, "velmo-pasto: nessun alimento da calcolare", 1},
    // Inputs without end stop at once with their reason (the meal file's tests try every kind).
    {__LINE__, {}, "/dev/zero", Feed::PathStdin, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: riga 1: il testo contiene un carattere nullo", 1},
    {__LINE__, {}, "/dev/urandom", Feed::PathStdin, kIt, Db::Shipped, 2, kNothing, "velmo-pasto: riga ", 21},
    // A search prints "categoria;alimento" lines (the real name of a food found by a common name:
    // the four lettuces and nothing else), nothing when nothing is found.
    {__LINE__, {"--cerca=WÜRSTEL DI POLLO"}, {}, Feed::Pipe, kEn, Db::Shipped, 0,
     "\\ACarni trasformate e conservate;Würstel di pollo\n\\z", "", 0},
    {__LINE__, {"--cerca", "insalata"}, {}, Feed::Pipe, kIt, Db::Shipped, 0, "\\A(Verdure ed ortaggi;Lattuga [^;\n]+\n){4}\\z", "", 0},
    {__LINE__, {"--cerca", "nessun cibo ha questo nome"}, {}, Feed::Pipe, kIt, Db::Shipped, 0, kNothing, "", 0},
    {__LINE__, {"--cerca"}, {}, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "manca il testo da cercare dopo --cerca", 1},
    {__LINE__, {"--cerca", " "}, {}, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "il testo da cercare è vuoto", 1},
    {__LINE__, {"--cerca", "\u00b4"}, {}, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "il testo da cercare è vuoto", 1},
    {__LINE__, {"--csv", "--cerca", "pane"}, {}, Feed::Pipe, kIt, Db::Shipped, 2, kNothing,
     "--cerca non si usa insieme ad altri argomenti (\"--csv\")", 1},
    {__LINE__, {"--cerca", "pane"}, {}, Feed::Pipe, kIt, Db::Partial, 1, kNothing, "mancano le tabelle", 4},
    // A food database that cannot serve ends with code 1 and is left as it was.
    {__LINE__, {}, kLunch, Feed::Pipe, kIt, Db::Missing, 1, kNothing, "elementi97.db\n\nIl file non esiste", 4},
    {__LINE__, {}, kLunch, Feed::Pipe, kIt, Db::Partial, 1, kNothing, "mancano le tabelle bevande_alcoliche", 4},
    // The PDF is written by the program's twin: without it, nothing is.
    {__LINE__, {"--pdf", "pasto.pdf"}, kLunch, Feed::Pipe, kIt, Db::Missing, 3, kNothing,
     "velmo-pasto-pdf\", il programma che scrive i PDF: reinstallare Velmo\nvelmo-pasto: nessun file scritto", 2},
    {__LINE__, {"--pdf", ""}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "--pdf vuole un solo FILE.pdf", 2},
    {__LINE__, {"--pdf", "-"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "--pdf vuole un solo FILE.pdf", 2},  // no file named "-"
    {__LINE__, {"--pdf="}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "--pdf vuole un solo FILE.pdf", 2},
    // Personal foods: none yet, so an empty export and no such food; a bad import names its line.
    {__LINE__, {"--esporta-alimenti"}, {}, Feed::Pipe, kIt, Db::Shipped, 0, "\\Aalimenti,edibile,[a-z,]+\r\n\\z", "", 0},
    {__LINE__, {"--esporta-alimenti", "--pdf", "alimenti.pdf"}, {}, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "vanno usati da soli", 2},
    {__LINE__, {"--importa-alimenti"}, kFoods + "Torta,100,x,,,,,\n",
     Feed::FileArgument, kIt, Db::Shipped, 2, kNothing, "riga 2: Protidi: \"x\" non è un numero", 2},
    // What the food window asks to confirm is refused, unless forced; hard limits always.
    {__LINE__, {"--importa-alimenti"}, kFoods + "Torta,100,10,10,10,1,,\n", Feed::FileArgument, kIt, Db::Shipped, 2, kNothing,
     "velmo-pasto: se i valori da confermare sono giusti, importarli con --forza\n", 3},
    {__LINE__, {"--forza", "--importa-alimenti"}, kFoods + "Torta,100,10,10,10,1,,\n", Feed::FileArgument, kIt, Db::Shipped, 0, kNothing,
     "velmo-pasto: importato 1 alimento da ", 1},
    {__LINE__, {"--forza", "--importa-alimenti"}, kFoods + "Torta,100,10,10,10,1000,,\n", Feed::FileArgument, kIt, Db::Shipped, 2, kNothing,
     "riga 2: Energia: il valore deve essere compreso fra 0 e 900 kcal", 2},
    {__LINE__, {"--forza"}, kLunch, Feed::Pipe, kIt, Db::Shipped, 2, kNothing, "--forza vale solo con --importa-alimenti", 1},
    // An import done is done, whatever becomes of standard output; an export not written is not.
    {__LINE__, {"--importa-alimenti"}, kFoods + "Torta,100,10,10,10,170,,\n", Feed::FileArgument, kIt, Db::Shipped, 0, kNothing,
     "velmo-pasto: importato 1 alimento da ", 1, Out::FullDisk},
    {__LINE__, {"--esporta-alimenti"}, {}, Feed::Pipe, kIt, Db::Shipped, 3, kNothing,
     "velmo-pasto: impossibile scrivere il risultato sullo standard output", 1, Out::FullDisk},
};
// clang-format on

// Import, export, and a meal that names a personal food, in one user's data folder; a folder
// found open to other users is closed, with a word on standard error.
TEST(PastoProcess, PersonalFoodsImportedExportedAndEaten)
{
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("it"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("dati")));
    QString err;
    const auto run = [&env, &err](const QStringList &arguments, const QByteArray &input = {}) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(VELMO_PASTO), arguments);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(30000));
        err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 0) << err.toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QString csv = dir.filePath(QStringLiteral("miei.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF"
               "alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo,CA\n"
               "\"Torta, fetta\",100,\"6,5\",12,50,340,,40,\nBirra,100,0.5,0,3.5,,,,12\n");
    file.close();
    EXPECT_EQ(run({QStringLiteral("--importa-alimenti"), csv}), QString());
    EXPECT_TRUE(err.startsWith(u"velmo-pasto: importati 2 alimenti")) << err.toStdString();
#ifdef Q_OS_UNIX
    const QString folder = dir.filePath(QStringLiteral("dati/Velmo/Velmo"));
    QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ReadOther | QFile::ExeOther);
#endif
    const QString exported = run({QStringLiteral("--esporta-alimenti")});
    EXPECT_EQ(exported, QStringLiteral("alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo,CA\r\n"
                                       "\"Torta, fetta\",100,6.5,12,50,340,,40,\r\nBirra,100,0.5,0,3.5,,,,12\r\n"));
#ifdef Q_OS_UNIX
    EXPECT_TRUE(err.contains(u"era accessibile anche ad altri utenti del computer")) << err.toStdString();
    EXPECT_FALSE(QFile::permissions(folder) & QFile::ReadOther);
#endif
    EXPECT_TRUE(
        run({QStringLiteral("--cerca"), QStringLiteral("fetta torta")}).contains(u"Alimenti personali;Torta, fetta\n"));
    EXPECT_TRUE(run({}, "Alimenti personali;Torta, fetta;200\n")
                    .contains(QRegularExpression(QStringLiteral("Torta, fetta +200 +200 +13,00 "))));
    EXPECT_TRUE(run({QStringLiteral("--nutrienti"), QStringLiteral("--csv")}, "Alimenti personali;Birra;200\n")
                    .contains(u"\r\nCA,Calcio,mg,24,0,0,"));
    EXPECT_TRUE(run({QStringLiteral("--nutrienti"), QStringLiteral("--csv")}, "Alimenti personali;Torta, fetta;200\n")
                    .contains(u"\r\nCHOLE,Colesterolo,mg,80,0,0,"));
    // A personal food is one whatever the capitals it is written in, as the catalogue keeps them.
    EXPECT_TRUE(run({}, "Alimenti personali;TORTA, Fetta;200\n")
                    .contains(QRegularExpression(QStringLiteral("Torta, fetta +200 +200 +13,00 "))));
    EXPECT_TRUE(run({QStringLiteral("--nutrienti"), QStringLiteral("--csv")}, "Alimenti personali;birra;200\n")
                    .contains(u"\r\nCA,Calcio,mg,24,0,0,"));
    EXPECT_TRUE(run({QStringLiteral("--classifica"), QStringLiteral("CA"), QStringLiteral("--categoria"),
                     QStringLiteral("Alimenti personali")})
                    .endsWith(u"\nAlimenti personali;Birra;12\nAlimenti personali;Torta, fetta;n.d.\n"));

    // Names a meal line must quote: what the search prints, once weighed, is a meal of that food.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(foodsToCsv(hostileFoods()).toUtf8());
    file.close();
    EXPECT_EQ(run({QStringLiteral("--importa-alimenti"), csv}), QString());
    EXPECT_TRUE(err.contains(u"importati 12 alimenti")) << err.toStdString();
    for (const QString &name : kHostileFoodNames) {
        SCOPED_TRACE(name.toStdString());
        const QString found = run({QStringLiteral("--cerca"), name});
        EXPECT_TRUE(
            run({}, QString(found).replace(u'\n', QStringLiteral(";100\n")).toUtf8())
                .contains(QRegularExpression(u'^' + QRegularExpression::escape(name) + QStringLiteral(" +100 +100\\s"),
                                             QRegularExpression::MultilineOption)));
    }
}

// `velmo-pasto` run as a whole process, as a dietitian runs it: from its own folder, or copied
// into `dir` beside the database the case asks for.
TEST(PastoProcess, ArgumentsAndInputGiveTheExitCodeAndTheOutput)
{
    for (const ProcessCase &c : kCases) {
        VELMO_CASE(c);
        QTemporaryDir dir;
        QString program = QStringLiteral(VELMO_PASTO);
        const QString database = dir.filePath(QStringLiteral("elementi97.db"));
        if (c.db != Db::Shipped) {
            program = dir.filePath(QFileInfo(program).fileName());
            ASSERT_TRUE(QFile::copy(QStringLiteral(VELMO_PASTO), program));
            if (c.db == Db::Partial) {
                ASSERT_TRUE(writeFoodDatabase(database, {{QStringLiteral("Frutta"), {}}}, false));
            }
        }
        const QByteArray databaseBefore = fileBytes(database);
        QStringList arguments;
        for (const char *argument : c.arguments)
            arguments << QString::fromUtf8(argument);
        QProcess process;
        if (c.feed == Feed::FileArgument) {
            QFile file(dir.filePath(QStringLiteral("pasto.txt")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.input) == c.input.size());
            arguments << file.fileName();
        } else if (c.feed == Feed::FifoArgument) {
            arguments << dir.filePath(QStringLiteral("pasto.txt"));
            ASSERT_EQ(mkfifo(QFile::encodeName(arguments.back()).constData(), 0600), 0);
        } else if (c.feed == Feed::PathStdin) {
            process.setStandardInputFile(QString::fromUtf8(c.input));
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(c.locale));
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("it"));  // the messages the cases expect
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("dati")));
        process.setProcessEnvironment(env);
        if (c.output == Out::FullDisk)
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
        if (c.feed == Feed::LatePipe)
            process.setChildProcessModifier(
                [] { fcntl(STDIN_FILENO, F_SETFL, fcntl(STDIN_FILENO, F_GETFL) | O_NONBLOCK); });
        if (c.feed == Feed::Closed)
            process.setChildProcessModifier([] { ::close(STDIN_FILENO); });
        process.start(program, arguments);
        ASSERT_TRUE(process.waitForStarted());
        if (c.feed == Feed::LatePipe)
            QThread::msleep(500);
        if (c.feed == Feed::Pipe || c.feed == Feed::LatePipe)
            process.write(c.input);
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());

        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), c.exitCode) << err.toStdString();
        EXPECT_TRUE(QRegularExpression(QString::fromUtf8(c.out)).match(out).hasMatch()) << out.toStdString();
        const QString words = QString::fromUtf8(c.err);
        EXPECT_TRUE(words.isEmpty() ? err.isEmpty() : err.contains(words)) << err.toStdString();
        EXPECT_LE(err.count(u'\n'), c.errLines) << err.toStdString();
        EXPECT_EQ(fileBytes(database), databaseBefore);
        if (c.feed == Feed::FifoArgument) {  // an input that cannot be read creates no personal catalogue
            EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("dati"))));
        }
    }
}

}  // namespace
}  // namespace velmo::test
