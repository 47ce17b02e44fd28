// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/personstore.h"
#include "plan/plantestsupport.h"
#include "plan/storesql.h"
#include "support/tablecase.h"

#include <QDir>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace velmo::test {
namespace {

class PersonStoreTest : public ::testing::Test {
protected:
    std::unique_ptr<PersonStore> open()
    {
        QString error;
        auto store = PersonStore::open(path, true, &error);
        EXPECT_TRUE(store) << error.toStdString();
        return store;
    }
    // A connection of another program on the same file.
    QSqlQuery other()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        return QSqlQuery(db);
    }
    void TearDown() override { QSqlDatabase::removeDatabase(u"other"_s); }

    QTemporaryDir dir;
    QString path = dir.filePath(u"dati/Velmo/persone.db"_s);
    StoreResult result;
};

TEST_F(PersonStoreTest, APersonAndTheirDaysComeBackAsStoredThroughARename)
{
    auto store = open();
    QSignalSpy changed(store.get(), &PersonStore::changed);
    const PersonRecord record = fullRecord();
    ASSERT_TRUE(store->addPerson(record.person).ok());
    for (const auto &[date, day] : record.days)
        ASSERT_TRUE(store->writeDay(record.person.name, date, day, PersonStore::kNotStored).ok());
    EXPECT_EQ(store->addPerson(record.person).kind, StoreResult::Kind::Taken);
    ASSERT_TRUE(store->addPerson(fullRecord(u"Anna"_s).person).ok());
    EXPECT_EQ(store->record(record.person.name, &result), record);
    EXPECT_EQ(store->dayDates(record.person.name, QDate(2025, 4, 8), QDate(2025, 4, 30), &result),
              std::vector{QDate(2025, 4, 9)});
    EXPECT_EQ(changed.count(), 4);  // once per change, none for the refusal

    qint64 revision = 0;
    Person renamed = *store->person(record.person.name, &revision, &result);
    renamed.name = u"Zanzibar Q."_s;
    renamed.weights.pop_back();
    EXPECT_EQ(store->updatePerson(record.person.name, fullRecord(u"Anna"_s).person, revision).kind,
              StoreResult::Kind::Taken);
    ASSERT_TRUE(store->updatePerson(record.person.name, renamed, revision).ok());
    EXPECT_FALSE(store->person(record.person.name, nullptr, &result));
    EXPECT_EQ(result.kind, StoreResult::Kind::Missing);
    EXPECT_EQ(store->days(renamed.name, QDate(2025, 1, 1), QDate(2025, 12, 31), &result).size(), 2u);
    EXPECT_EQ(store->personNames(&result), (QStringList{u"Anna"_s, renamed.name}));

    ASSERT_TRUE(store->addWeight(renamed.name, {QDate(2025, 3, 1), 59, 70}).ok());
    ASSERT_TRUE(store->removeWeight(renamed.name, QDate(2025, 4, 2)).ok());
    EXPECT_EQ(store->person(renamed.name, nullptr, &result)->weights,
              (std::vector<WeightRecord>{{QDate(2025, 3, 1), 59, 70}}));
    ASSERT_TRUE(store->removeDay(renamed.name, QDate(2025, 4, 9), PersonStore::kAnyRevision).ok());
    EXPECT_FALSE(store->day(renamed.name, QDate(2025, 4, 9), &revision, &result));
    EXPECT_EQ(revision, PersonStore::kNotStored);

    const DayMeal usual = record.days[0].second.meals[0];
    ASSERT_TRUE(store->saveHabitualMeal(usual).ok());
    ASSERT_TRUE(store->saveHabitualMeal({u"Merenda"_s, {}}).ok());
    EXPECT_EQ(store->habitualMeals(&result), (QStringList{usual.name, u"Merenda"_s}));
    EXPECT_EQ(store->habitualMeal(usual.name, &result), usual);
    ASSERT_TRUE(store->removeHabitualMeal(usual.name).ok());
    EXPECT_FALSE(store->habitualMeal(usual.name, &result));
    EXPECT_EQ(result.kind, StoreResult::Kind::Missing);
}

// One line per value the store refuses, with the field the person's file would name.
TEST_F(PersonStoreTest, EveryValueOutsideItsRulesIsRefusedInItalian)
{
    auto store = open();
    const auto person = [](std::function<void(Person &)> spoil) {
        return [spoil](PersonRecord &r) { spoil(r.person); };
    };
    const auto meal = [](std::function<void(DayMeal &)> spoil) {
        return [spoil](PersonRecord &r) { spoil(r.days[0].second.meals[0]); };
    };
    const auto entry = [&](const char *grams, int category = 0, const char *food = "Mela", QString portion = {}) {
        return meal([=](DayMeal &m) {
            m.entries[0] = {0, category, QString::fromUtf8(food), QString::fromLatin1(grams), portion};
        });
    };
    // clang-format off
    const struct { int line; std::function<void(PersonRecord &)> spoil; const char *field; const char *words; } cases[] = {
        {__LINE__, person([](Person &p) { p.name = u"  "_s; }), "nome", "Il nome è vuoto"},
        {__LINE__, person([](Person &p) { p.name = QString(61, u'x'); }), "nome", "al massimo 60 caratteri"},
        {__LINE__, person([](Person &p) { p.name = u"Anna\nRossi"_s; }), "nome", "caratteri di controllo"},
        {__LINE__, person([](Person &p) { p.name = u"Anna "_s; }), "nome", "finire con uno spazio"},
        {__LINE__, person([](Person &p) { p.name = u"\u00a0Anna"_s; }), "nome", "cominciare o finire"},
        {__LINE__, person([](Person &p) { p.name = u"Anna\u200b"_s; }), "nome", "invisibili"},
        {__LINE__, person([](Person &p) { p.name = u"Anna\u202eissoR"_s; }), "nome", "invisibili"},
        {__LINE__, person([](Person &p) { p.name = u"Anna "_s + QChar(0xDC00); }), "nome", "invisibili"},
        {__LINE__, person([](Person &p) { p.birthDate = {}; }), "data_di_nascita", "data di nascita manca"},
        {__LINE__, person([](Person &p) { p.birthDate = QDate::currentDate().addDays(1); }), "data_di_nascita", "nel futuro"},
        {__LINE__, person([](Person &p) { p.heightCm = 39.9; }), "altezza_cm", "fra 40 e 250 cm"},
        {__LINE__, person([](Person &p) { p.heightCm = 250.1; }), "altezza_cm", "fra 40 e 250 cm"},
        {__LINE__, person([](Person &p) { p.heightCm = std::nan(""); }), "altezza_cm", "fra 40 e 250 cm"},
        {__LINE__, person([](Person &p) { p.sex = Sex::Male; }), "condizione", "solo per una donna"},
        {__LINE__, person([](Person &p) { p.birthDate = QDate::currentDate().addYears(-kMinConditionAge).addDays(1); }), "condizione", "dai 10 anni in su"},
        {__LINE__, person([](Person &p) { p.notes = QString(10001, u'n'); }), "note", "al massimo 10000"},
        {__LINE__, person([](Person &p) { p.weights[1].kilograms = 1.9; }), "pesi[1].kg", "fra 2 e 400 kg"},
        {__LINE__, person([](Person &p) { p.weights[1].kilograms = 400.5; }), "pesi[1].kg", "fra 2 e 400 kg"},
        {__LINE__, person([](Person &p) { p.weights[0].waistCm = 29; }), "pesi[0].vita_cm", "fra 30 e 250 cm"},
        {__LINE__, person([](Person &p) { p.weights[0].waistCm = 251; }), "pesi[0].vita_cm", "fra 30 e 250 cm"},
        {__LINE__, person([](Person &p) { p.weights[1].date = QDate::currentDate().addDays(1); }), "pesi[1].data", "nel futuro"},
        {__LINE__, person([](Person &p) { p.weights[1].date = p.weights[0].date; }), "pesi[1].data", "stessa data"},
        {__LINE__, [](PersonRecord &r) { r.days[0].second.meals.resize(9, {u"Pasto"_s, {}}); }, "giorni[0].pasti", "al massimo 8 pasti"},
        {__LINE__, meal([](DayMeal &m) { m.entries.resize(13, m.entries[0]); }), "giorni[0].pasti[0].righe", "al massimo 12 alimenti"},
        {__LINE__, meal([](DayMeal &m) { m.name.clear(); }), "giorni[0].pasti[0].nome", "Il nome è vuoto"},
        {__LINE__, meal([](DayMeal &m) { m.name = QString(41, u'p'); }), "giorni[0].pasti[0].nome", "al massimo 40 caratteri"},
        {__LINE__, meal([](DayMeal &m) { m.name = u"Cena]"_s; }), "giorni[0].pasti[0].nome", "non può contenere"},
        {__LINE__, [](PersonRecord &r) { r.days[0].second.meals[2].name = u"COLAZIONE"_s; }, "giorni[0].pasti[2].nome", "Il pasto \"COLAZIONE\" c'è già"},
        {__LINE__, entry("0"), "giorni[0].pasti[0].righe[0].grammi", "maggiore di 0"},
        {__LINE__, entry("12a"), "giorni[0].pasti[0].righe[0].grammi", "numero intero"},
        {__LINE__, entry("12345678"), "giorni[0].pasti[0].righe[0].grammi", "al massimo 7 cifre"},
        {__LINE__, entry("10", kAllCategoryCount), "giorni[0].pasti[0].righe[0].categoria", "Categoria sconosciuta"},
        {__LINE__, entry("10", 0, "\t"), "giorni[0].pasti[0].righe[0].alimento", "Il nome è vuoto"},
        {__LINE__, entry("10", 0, "Mela", u"fette"_s), "giorni[0].pasti[0].righe[0].porzione", "come \"2 fette\""},
        {__LINE__, entry("10", 0, "Mela", u"2 fette\n"_s), "giorni[0].pasti[0].righe[0].porzione", "su una riga"},
        {__LINE__, entry("10", 0, "Mela", u"2 "_s + QString(199, u'f')), "giorni[0].pasti[0].righe[0].porzione", "al massimo 200 caratteri"},
        {__LINE__, [](PersonRecord &r) { r.days[1].first = r.days[0].first; }, "giorni[1].data", "ripetuta"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        PersonRecord record = fullRecord();
        c.spoil(record);
        const auto fault = recordFault(record, QDate::currentDate());
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->field, QLatin1String(c.field));
        const StoreResult refused = store->importRecord(record, true);
        EXPECT_EQ(refused.kind, StoreResult::Kind::Invalid);
        EXPECT_TRUE(refused.message.contains(QString::fromUtf8(c.words))) << refused.message.toStdString();
    }
    EXPECT_TRUE(store->personNames(&result).isEmpty());
    EXPECT_FALSE(recordFault(fullRecord(), QDate::currentDate()));
    // Characters are counted as the user sees them: forty, one of them beyond UTF-16's first plane.
    PersonRecord pasta = fullRecord();
    pasta.days[0].second.meals[0].name = QString(39, u'p') + QString::fromUcs4(U"\U0001F35D");
    EXPECT_FALSE(recordFault(pasta, QDate::currentDate()));
}

// A change that names the revision it read is refused once another window changed the row; a
// window that holds the file makes a change wait, then say so; neither overwrites anything.
TEST_F(PersonStoreTest, AnotherWindowsChangeIsNeverOverwritten)
{
    auto mine = open();
    auto theirs = open();
    const PersonRecord record = fullRecord();
    const QString &name = record.person.name;
    ASSERT_TRUE(mine->addPerson(record.person).ok());
    qint64 personRead = 0;
    qint64 dayRead = 0;
    Person edited = *mine->person(name, &personRead, &result);
    mine->day(name, QDate(2025, 4, 7), &dayRead, &result);
    ASSERT_TRUE(theirs->addWeight(name, {QDate(2025, 5, 1), 58, std::nullopt}).ok());
    ASSERT_TRUE(theirs->writeDay(name, QDate(2025, 4, 7), record.days[0].second, PersonStore::kNotStored).ok());

    edited.notes = u"mie"_s;
    for (const StoreResult &late :
         {mine->updatePerson(name, edited, personRead), mine->writeDay(name, QDate(2025, 4, 7), MealDay{}, dayRead),
          mine->removeDay(name, QDate(2025, 4, 7), dayRead)}) {
        EXPECT_EQ(late.kind, StoreResult::Kind::Conflict);
        EXPECT_TRUE(late.message.contains(u"modificato da un'altra finestra di Velmo"_s)) << late.message.toStdString();
    }
    EXPECT_EQ(mine->person(name, &personRead, &result)->weights.size(), 3u);
    EXPECT_EQ(mine->day(name, QDate(2025, 4, 7), &dayRead, &result), record.days[0].second);
    EXPECT_TRUE(mine->writeDay(name, QDate(2025, 4, 7), MealDay{}, dayRead).ok());

    // A day removed and made again, a person replaced by an import: neither comes back at a
    // revision read before.
    mine->day(name, QDate(2025, 4, 7), &dayRead, &result);
    mine->person(name, &personRead, &result);
    ASSERT_TRUE(theirs->removeDay(name, QDate(2025, 4, 7), PersonStore::kAnyRevision).ok());
    ASSERT_TRUE(theirs->writeDay(name, QDate(2025, 4, 7), record.days[0].second, PersonStore::kNotStored).ok());
    EXPECT_EQ(mine->writeDay(name, QDate(2025, 4, 7), MealDay{}, dayRead).kind, StoreResult::Kind::Conflict);
    mine->day(name, QDate(2025, 4, 7), &dayRead, &result);
    ASSERT_TRUE(theirs->importRecord(record, true).ok());
    EXPECT_EQ(mine->writeDay(name, QDate(2025, 4, 7), MealDay{}, dayRead).kind, StoreResult::Kind::Conflict);
    EXPECT_EQ(mine->updatePerson(name, edited, personRead).kind, StoreResult::Kind::Conflict);
    EXPECT_EQ(mine->record(name, &result), record);

    QSqlQuery holder = other();
    ASSERT_TRUE(holder.exec(u"BEGIN IMMEDIATE"_s));
    theirs->setBusyTimeout(20);
    QSignalSpy changed(theirs.get(), &PersonStore::changed);
    const StoreResult busy = theirs->removePerson(name);
    EXPECT_EQ(busy.kind, StoreResult::Kind::Busy);
    EXPECT_TRUE(busy.message.contains(u"il file è in uso da un'altra finestra di Velmo, riprova"_s));
    ASSERT_TRUE(holder.exec(u"ROLLBACK"_s));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(theirs->removePerson(name).ok());
    EXPECT_EQ(changed.count(), 1);
    // Opened meanwhile, the file is waited for, then said to be in use, in words.
    ASSERT_TRUE(holder.exec(u"BEGIN EXCLUSIVE"_s));
    QString why;
    EXPECT_FALSE(PersonStore::open(path, false, &why));
    EXPECT_TRUE(why.contains(u"in uso da un altro programma"_s)) << why.toStdString();
    ASSERT_TRUE(holder.exec(u"ROLLBACK"_s));
}

// "Elimina persona" leaves nothing of the person in the file's bytes, whatever the name's
// letters; a name that other data holds is not looked for.
TEST_F(PersonStoreTest, ARemovedPersonLeavesNoTraceInTheFile)
{
    auto store = open();
    for (const QString &name : {u"Zanzibar Quintavalle"_s, u"Zoë Ñandú-Łęski"_s}) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(store->importRecord(fullRecord(name), false).ok());
        ASSERT_TRUE(store->importRecord(fullRecord(u"Anna"_s), true).ok());
        ASSERT_TRUE(fileBytes(path).contains(name.toUtf8()));
        const StoreResult removed = store->removePerson(name);
        EXPECT_TRUE(removed.ok()) << removed.message.toStdString();
        EXPECT_FALSE(fileBytes(path).contains(name.toUtf8()));
        EXPECT_FALSE(QFile::exists(path + u"-journal"_s));
    }
    PersonRecord mentioned = fullRecord(u"Bice"_s);
    mentioned.person.notes = u"Sorella di Carla Verdi"_s;
    ASSERT_TRUE(store->importRecord(mentioned, false).ok());
    ASSERT_TRUE(store->importRecord(fullRecord(u"Carla Verdi"_s), false).ok());
    EXPECT_TRUE(store->removePerson(u"Carla Verdi"_s).ok());
    EXPECT_EQ(store->personNames(&result), (QStringList{u"Anna"_s, u"Bice"_s}));

    // Deleted bytes that an engine without secure deletion left behind are compacted away.
    QSqlQuery careless = other();
    ASSERT_TRUE(careless.exec(u"PRAGMA secure_delete = OFF"_s)
                && careless.exec(u"INSERT INTO pasti_abituali (nome) VALUES ('Gastone Fantasma')"_s)
                && careless.exec(u"DELETE FROM pasti_abituali"_s));
    ASSERT_TRUE(fileBytes(path).contains("Gastone Fantasma"));
    EXPECT_TRUE(store->erasePersonTraces(u"Gastone Fantasma"_s).ok());
    EXPECT_FALSE(fileBytes(path).contains("Gastone Fantasma"));
}

// A file that is not a store of this version is refused, named, and left byte for byte as it
// was; an empty file, as one made a moment before, gets the tables; a file of the first format is
// brought to this one, all of it or nothing, and keeps its days.
TEST_F(PersonStoreTest, OnlyAnEmptyFileOrAStoreOfThisFormatIsOpened)
{
    const auto sqlite = [this](QStringList statements) {
        return [this, statements] {
            QSqlQuery query = other();
            for (const QString &statement : statements)
                ASSERT_TRUE(query.exec(statement)) << query.lastError().text().toStdString();
        };
    };
    const int fruit = *findFoodCategory(u"Frutta"_s);
    const QStringList version1 =
        personStoreUpgrades()[0]
        + QStringList{
            u"INSERT INTO persone VALUES (1, 'Ada', 'F', '1990-01-01', 160, 'non_scelta', 'non_scelte', 'nessuna', '', 1)"_s,
            u"INSERT INTO giorni VALUES (1, 1, '2025-04-07', 1)"_s,
            u"INSERT INTO pasti_giorno VALUES (1, 1, 0, 'Cena')"_s,
            u"INSERT INTO righe_pasto VALUES (1, 0, '%1', 'Mela', '150')"_s.arg(foodCategory(fruit).table),
            u"PRAGMA user_version = 1"_s};
    const std::map<QDate, MealDay> kept{{QDate(2025, 4, 7), MealDay{{{u"Cena"_s, {{0, fruit, u"Mela"_s, u"150"_s}}}}}}};
    // clang-format off
    const struct { int line; std::function<void()> make; const char *words; std::map<QDate, MealDay> days = {}; } cases[] = {
        {__LINE__, [this] { QFile f(path); f.open(QIODevice::WriteOnly); f.write(QByteArray(3000, 'x')); }, "danneggiato"},
        {__LINE__, sqlite({u"PRAGMA user_version = 4"_s}), "versione più recente di Velmo (formato 4"},
        {__LINE__, sqlite({u"CREATE TABLE persone (nome TEXT)"_s}), "non è un archivio delle persone"},
        {__LINE__, [this] { QFile(path).open(QIODevice::WriteOnly); }, nullptr},
        {__LINE__, sqlite(version1), nullptr, kept},
        // The second step fails after the first has run: the first is undone too.
        {__LINE__, sqlite(version1 + QStringList{u"ALTER TABLE righe_pasto_abituale ADD porzione TEXT"_s}), "duplicate column name: porzione"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QDir(dir.filePath(u"dati"_s)).removeRecursively();
        QDir().mkpath(QFileInfo(path).absolutePath());
        c.make();
        QSqlDatabase::removeDatabase(u"other"_s);
        const QByteArray before = fileBytes(path);
        QString error;
        const auto store = PersonStore::open(path, true, &error);
        EXPECT_EQ(!store, c.words != nullptr);
        if (!store) {
            EXPECT_TRUE(error.contains(QString::fromUtf8(c.words)) && error.contains(path)) << error.toStdString();
            EXPECT_EQ(fileBytes(path), before);
        } else {
            EXPECT_EQ(store->days(u"Ada"_s, QDate(2025, 1, 1), QDate(2025, 12, 31), &result), c.days);
            EXPECT_TRUE(result.ok()) << result.message.toStdString();
            QSqlQuery version = other();
            EXPECT_TRUE(version.exec(u"PRAGMA user_version"_s) && version.next()
                        && version.value(0).toInt() == PersonStore::kSchemaVersion);
            version.finish();
            if (c.days.empty())
                continue;
            // A day written now takes a revision no day had before.
            qint64 read = PersonStore::kNotStored;
            qint64 written = PersonStore::kNotStored;
            store->day(u"Ada"_s, QDate(2025, 4, 7), &read, &result);
            EXPECT_TRUE(store->writeDay(u"Ada"_s, QDate(2025, 4, 7), {}, read, &written).ok());
            EXPECT_GT(written, read);
        }
    }
    QString error;
    EXPECT_FALSE(PersonStore::open(dir.filePath(u"altro.db"_s), false, &error));
    EXPECT_FALSE(QFile::exists(dir.filePath(u"altro.db"_s)));
}

#ifdef Q_OS_UNIX
int mode(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? static_cast<int>(status.st_mode & 07777) : -1;
}

// Health data is the user's alone whatever the umask: the folder 0700, the file 0600, and no file
// beside it once a change is done.
TEST(PersonStorePrivacy, TheFolderAndTheFileAreTheUsersAloneAndNothingIsLeftBeside)
{
    for (const mode_t umask : {000, 022}) {
        QTemporaryDir home;
        const QString folder = home.filePath(u"dati/Velmo"_s);
        const mode_t saved = ::umask(umask);
        QString error;
        auto store = PersonStore::open(folder + u"/persone.db"_s, true, &error);
        ::umask(saved);
        ASSERT_TRUE(store) << error.toStdString();
        ASSERT_TRUE(store->importRecord(fullRecord(), false).ok());
        EXPECT_EQ((std::vector{mode(home.filePath(u"dati"_s)), mode(folder), mode(store->path())}),
                  (std::vector{0700, 0700, 0600}));
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"persone.db"_s});
        // While a change is under way its journal is as private as the file.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"journal"_s);
            db.setDatabaseName(store->path());
            QSqlQuery write(db);
            ASSERT_TRUE(db.open() && write.exec(u"BEGIN IMMEDIATE"_s)
                        && write.exec(u"INSERT INTO pasti_abituali (nome) VALUES ('x')"_s));
            EXPECT_EQ(mode(store->path() + u"-journal"_s), 0600);
            write.exec(u"ROLLBACK"_s);
        }
        QSqlDatabase::removeDatabase(u"journal"_s);
    }
}
#endif

}  // namespace
}  // namespace velmo::test
