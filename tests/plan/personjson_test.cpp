// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "plan/personjson.h"
#include "plan/plantestsupport.h"
#include "support/tablecase.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace velmo::test {
namespace {

const QDate kToday(2026, 1, 31);

TEST(PersonJson, ARecordComesBackEqualAndTheTextNamesEveryField)
{
    const PersonRecord record = fullRecord(u"Zoë \"Zizì\" D'Annunzio"_s);
    const QByteArray json = personJson(record);
    QString error;
    EXPECT_EQ(readPersonJson(json, kToday, &error), record) << error.toStdString();
    const QJsonObject top = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(top.value(u"formato"_s), u"velmo-persona"_s);
    EXPECT_EQ(top.value(u"versione"_s), 2);    // a portion, which version 1 does not have
    EXPECT_EQ(json.count("\"porzione\""), 1);  // only on the row that has one
    EXPECT_EQ(top.value(u"condizione"_s), u"allattamento"_s);
    // Categories by their headings, which no new category shifts.
    EXPECT_TRUE(json.contains(u"\"categoria\": \"%1\""_s.arg(personalCategory().heading).toUtf8()))
        << json.toStdString();
    // The fewest fields a file may have: the rest takes its default.
    const auto least = readPersonJson(R"({"formato": "velmo-persona", "versione": 1, "nome": "Ugo", "sesso": "M",
        "data_di_nascita": "1950-01-01", "altezza_cm": 170})",
                                      kToday, &error);
    ASSERT_TRUE(least) << error.toStdString();
    EXPECT_EQ(*least, (PersonRecord{{u"Ugo"_s, Sex::Male, QDate(1950, 1, 1), 170, {}, {}, {}, {}, u""_s}, {}}));
    EXPECT_TRUE(personJson(*least).contains("\"versione\": 1\n"));  // written as a reader without portions reads it
}

// One line per fault: the message names the line of a broken text, or the field, and nothing is
// read.
// Years of full days: what the export writes, the import takes back, its text kept within the
// size the import reads.
TEST(PersonJson, YearsOfFullDaysComeBackWhole)
{
    PersonRecord record = fullRecord();
    const MealFileEntry row{0, *findFoodCategory(u"Frutta"_s), u"Albicocche, crude"_s, u"150"_s, u"1 frutto"_s};
    MealDay full;
    for (const char *meal : {"Colazione", "Spuntino", "Pranzo", "Merenda", "Cena", "Dopocena"})
        full.meals.push_back({QString::fromLatin1(meal), std::vector<MealFileEntry>(12, row)});
    record.days.clear();
    for (int d = 0; d < 1300; ++d)
        record.days.emplace_back(QDate(2020, 1, 1).addDays(d), full);
    const QByteArray json = personJson(record);
    EXPECT_LE(json.size(), kMaxPersonJsonBytes);
    QString error;
    EXPECT_EQ(readPersonJson(json, kToday, &error), record) << error.toStdString();
}

TEST(PersonJson, EveryFaultIsRefusedNamingWhereItIs)
{
    const QByteArray good = personJson(fullRecord());
    const auto with = [&](const char *from, const char *to) {
        QByteArray changed = good;
        return changed.replace(from, to);
    };
    const auto replaced = [&](const char *key, const QJsonValue &value) {
        QJsonObject top = QJsonDocument::fromJson(good).object();
        top.insert(QLatin1String(key), value);
        return QJsonDocument(top).toJson();
    };
    // clang-format off
    const struct { int line; QByteArray text; const char *message; } cases[] = {
        {__LINE__, "{\n\"formato\": \"velmo-persona\",\n\"versione\": 2,,\n}", "riga 3: il testo non è JSON valido"},
        {__LINE__, "[1, 2]", "non è l'esportazione di una persona di Velmo"},
        {__LINE__, with("velmo-persona", "velmo-pasto"), "non è l'esportazione di una persona di Velmo"},
        {__LINE__, with("\"versione\": 2", "\"versione\": 3"), "versione più recente di Velmo (versione 3"},
        {__LINE__, with("\"versione\": 2", "\"versione\": \"2\""), "campo \"versione\": deve essere 1 o 2"},
        {__LINE__, with("\"nome\": \"Zanzibar Quintavalle\"", "\"nome\": 12"), "campo \"nome\": manca o non è un testo"},
        {__LINE__, with("\"altezza_cm\"", "\"altezza\""), "campo \"altezza\": campo sconosciuto"},
        {__LINE__, with("\"altezza_cm\": 163.5", "\"altezza_cm\": 263.5"), "campo \"altezza_cm\": L'altezza deve essere fra 40 e 250 cm"},
        {__LINE__, with("\"sesso\": \"F\"", "\"sesso\": \"f\""), "campo \"sesso\": valore non ammesso: scrivere uno fra \"F\", \"M\""},
        {__LINE__, with("\"attivita\": \"moderata\"", "\"attivita\": \"media\""), "campo \"attivita\": valore non ammesso"},
        {__LINE__, with("1984-02-29", "1985-02-29"), "campo \"data_di_nascita\": data non valida"},
        {__LINE__, with("\"kg\": 60.5", "\"kg\": 0.5"), "campo \"pesi[1].kg\": Il peso deve essere fra 2 e 400 kg"},
        {__LINE__, with("\"vita_cm\": 78.5", "\"vita_cm\": \"78\""), "campo \"pesi[0].vita_cm\": manca o non è un numero"},
        {__LINE__, with("\"pesi\": [", "\"pesi\": [3, "), "campo \"pesi[0]\": non è un oggetto"},
        {__LINE__, replaced("giorni", 3), "campo \"giorni\": manca o non è un elenco tra parentesi quadre"},
        {__LINE__, with("\"2025-04-09\"", "\"2025-04-07\""), "campo \"giorni[1].data\": La data del giorno"},
        {__LINE__, with("\"grammi\": \"150\"", "\"grammi\": 150"), "campo \"giorni[0].pasti[2].righe[0].grammi\": manca o non è un testo"},
        {__LINE__, with("\"grammi\": \"150\"", "\"grammi\": \"1,5\""), "campo \"giorni[0].pasti[2].righe[0].grammi\": I grammi"},
        {__LINE__, with("\"porzione\": \"2 fette\"", "\"porzione\": \"fette\""), "campo \"giorni[0].pasti[0].righe[0].porzione\": La porzione"},
        {__LINE__, with("\"categoria\": \"Frutta\"", "\"categoria\": \"Frutti\""), "campo \"giorni[0].pasti[2].righe[0].categoria\": categoria sconosciuta"},
        {__LINE__, with("\"nome\": \"Cena\"", "\"nome\": \"Cena\", \"ora\": 20"), "campo \"giorni[0].pasti[2].ora\": campo sconosciuto"},
        {__LINE__, with("\"nome\": \"Zanzibar Quintavalle\"", "\"nome\": \"Zanzibar Quintavalle\", \"p\\u0065si\": []"), "campo \"pesi\": scritto due volte nello stesso oggetto"},
        {__LINE__, with("\"nome\": \"Cena\"", "\"nome\": \"Cena\", \"nome\": \"Pranzo\""), "campo \"giorni[0].pasti[2].nome\": scritto due volte"},
        {__LINE__, QByteArray(kMaxPersonJsonBytes + 1, ' '), "supera i 20 MB"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        ASSERT_NE(c.text, good);
        QString error;
        EXPECT_FALSE(readPersonJson(c.text, kToday, &error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.message))) << error.toStdString();
        EXPECT_FALSE(error.contains(u"Zanzibar"_s));
    }
}

}  // namespace
}  // namespace velmo::test
