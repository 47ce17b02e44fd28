// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/programdir.h"
#include "common/safefile.h"
#include "common/settings.h"
#include "common/translation.h"
#include "common/userfolder.h"
#include "support/homeguard.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using velmo::programFileFrom;
using velmo::userFolder;
using velmo::test::HomeGuard;
using namespace Qt::StringLiterals;

namespace {

TEST(UserFolder, TheStandardFolderWhenItExistsElseHome)
{
    // The desktop's own folder names when it has set any, the folder or file the home holds, and
    // the answer relative to home.
    // clang-format off
    const struct { int line; QStandardPaths::StandardLocation location; const char *userDirsLine, *makeDir, *makeFile, *expected; } cases[] = {
        {__LINE__, QStandardPaths::DocumentsLocation, nullptr, "Documents", nullptr, "Documents"},
        {__LINE__, QStandardPaths::DocumentsLocation, nullptr, nullptr, nullptr, ""},
        {__LINE__, QStandardPaths::DocumentsLocation, nullptr, nullptr, "Documents", ""},  // a file, not a folder
        {__LINE__, QStandardPaths::PicturesLocation, nullptr, "Pictures", nullptr, "Pictures"},
        {__LINE__, QStandardPaths::PicturesLocation, nullptr, "Documents", nullptr, ""},
        {__LINE__, QStandardPaths::DocumentsLocation, "XDG_DOCUMENTS_DIR=\"$HOME/Documenti\"", "Documenti", nullptr, "Documenti"},
        {__LINE__, QStandardPaths::DocumentsLocation, "XDG_DOCUMENTS_DIR=\"$HOME/Documenti\"", "Documents", nullptr, ""},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QTemporaryDir home;
        const HomeGuard guard(home.path());
        const QDir dir(home.path());
        if (c.userDirsLine) {
            dir.mkpath(QStringLiteral(".config"));
            QFile settings(dir.filePath(QStringLiteral(".config/user-dirs.dirs")));
            ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
            settings.write(QByteArray(c.userDirsLine) + '\n');
        }
        if (c.makeDir)
            dir.mkpath(QString::fromLatin1(c.makeDir));
        if (c.makeFile) {
            QFile file(dir.filePath(QString::fromLatin1(c.makeFile)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        const QString expected = *c.expected ? dir.filePath(QString::fromLatin1(c.expected)) : home.path();
        EXPECT_EQ(QDir::cleanPath(userFolder(c.location)), QDir::cleanPath(expected));
    }
}

// A window's place comes back in the user's configuration folder, in a file the user alone can
// read; a value of another kind or out of its range, or no file at all, gives the default (none).
TEST(Settings, WindowPlacesKeptPrivatelyWithinTheirRanges)
{
    using velmo::RememberedWindow;
    using velmo::Settings;
    QTemporaryDir home;
    const HomeGuard guard(home.path());
    const QString path = Settings::defaultPath();
    EXPECT_EQ(path, home.filePath(u".config/velmo/velmo.conf"_s));
    Settings settings(path);
    EXPECT_EQ(settings.windowGeometry(RememberedWindow::Help), std::nullopt);
    EXPECT_TRUE(settings.setWindowGeometry(RememberedWindow::Help, QRect(-40, 30, 500, 400)));
    EXPECT_FALSE(settings.setWindowGeometry(RememberedWindow::Food, QRect(0, 0, 50, 400)));  // narrower than any window
    EXPECT_EQ(Settings(path).windowGeometry(RememberedWindow::Help), QRect(-40, 30, 500, 400));
    EXPECT_EQ(Settings(path).windowGeometry(RememberedWindow::Food), std::nullopt);
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
                        | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(path).permissions() & others, 0);
    EXPECT_EQ(QFileInfo(QFileInfo(path).path()).permissions() & others, 0);
    QSettings(path, QSettings::IniFormat).setValue(u"finestre/cerca_alimento"_s, u"grande"_s);  // edited by hand
    QSettings(path, QSettings::IniFormat).setValue(u"finestre/alimento_personale"_s, QRect(0, 0, 99999, 400));
    EXPECT_EQ(settings.windowGeometry(RememberedWindow::FoodSearch), std::nullopt);
    EXPECT_EQ(settings.windowGeometry(RememberedWindow::Food), std::nullopt);
    EXPECT_EQ(Settings().windowGeometry(RememberedWindow::Help), std::nullopt);  // no file: nothing kept
    EXPECT_FALSE(Settings().setWindowGeometry(RememberedWindow::Help, QRect(0, 0, 500, 400)));
}

// The file dialogs' history names the user's folders: it is the user's alone, made so or closed.
TEST(UserFolder, TheFileDialogsHistoryIsPrivate)
{
    QTemporaryDir home;
    const HomeGuard guard(home.path());
    const QString path = velmo::keepFileDialogHistoryPrivate();
    EXPECT_EQ(path, home.filePath(u".config/QtProject.conf"_s));
    EXPECT_EQ(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    velmo::keepFileDialogHistoryPrivate();
    EXPECT_FALSE(QFileInfo(path).permissions() & QFile::ReadOther);
}

// A kept place moved, and shrunk where needed, into the screen's available area.
TEST(Settings, APlaceIsBroughtWithinTheScreen)
{
    const QRect small(0, 0, 1024, 600), right(1920, 24, 1280, 1000);  // the second screen under a panel
    // clang-format off
    const struct { int line; QRect wanted, available, expected; } cases[] = {
        {__LINE__, QRect(100, 100, 400, 300), small, QRect(100, 100, 400, 300)},
        {__LINE__, QRect(5000, 100, 400, 300), small, QRect(624, 100, 400, 300)},
        {__LINE__, QRect(-300, -50, 400, 300), small, QRect(0, 0, 400, 300)},
        {__LINE__, QRect(100, 100, 2000, 900), small, QRect(0, 0, 1024, 600)},
        {__LINE__, QRect(100, 100, 400, 300), right, QRect(1920, 100, 400, 300)},
        {__LINE__, QRect(3100, 0, 400, 300), right, QRect(2800, 24, 400, 300)},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(velmo::placeWithin(c.wanted, c.available), c.expected);
    }
}

// Beside the program in the build tree, else in ../share/velmo once installed.
TEST(ProgramFile, BesideTheProgramElseInTheInstalledShareFolder)
{
    QTemporaryDir root;
    const auto lookUp = [&root] { return programFileFrom(root.filePath(u"bin"_s), u"a.db"_s); };
    EXPECT_EQ(lookUp(), root.filePath(u"bin/a.db"_s));  // in neither: the path a message names
    ASSERT_TRUE(QDir(root.path()).mkpath(u"share/velmo"_s)
                && QFile(root.filePath(u"share/velmo/a.db"_s)).open(QIODevice::WriteOnly));
    EXPECT_EQ(lookUp(), root.filePath(u"share/velmo/a.db"_s));
    ASSERT_TRUE(QDir(root.path()).mkpath(u"bin"_s) && QFile(root.filePath(u"bin/a.db"_s)).open(QIODevice::WriteOnly));
    EXPECT_EQ(lookUp(), root.filePath(u"bin/a.db"_s));
}

// A module beside the program gives its function, the same one each time; a module or a function
// that is not there gives none, and the loader says why.
TEST(ProgramModule, TheFunctionOfAModuleBesideTheProgram)
{
    QString reasons;
    const QFunctionPointer solve = velmo::programModuleFunction(u"velmo_glpk"_s, "velmo_solve_linear_program",
                                                                &reasons);
    ASSERT_NE(solve, nullptr) << reasons.toStdString();
    EXPECT_EQ(velmo::programModuleFunction(u"velmo_glpk"_s, "velmo_solve_linear_program", nullptr), solve);
    EXPECT_EQ(velmo::programModuleFunction(u"velmo_glpk"_s, "velmo_nessuna_funzione", &reasons), nullptr);
    EXPECT_TRUE(reasons.contains(u"velmo_nessuna_funzione"_s)) << reasons.toStdString();
    EXPECT_EQ(velmo::programModuleFunction(u"velmo_nessun_modulo"_s, "velmo_solve_linear_program", &reasons), nullptr);
    EXPECT_TRUE(reasons.contains(u"velmo_nessun_modulo"_s)) << reasons.toStdString();
}

}  // namespace

// The interface's language: the command line, then LANGUAGE, then the first messages locale set.
TEST(Language, TheCommandLineThenLanguageThenTheLocale)
{
    // clang-format off
    const struct { int line; QStringList arguments; const char *language, *lcAll, *lcMessages, *lang; std::optional<velmo::Language> expected; } cases[] = {
        {__LINE__, {}, "", "", "", "", velmo::Language::Italian},
        {__LINE__, {}, "", "", "", "en_US.UTF-8", velmo::Language::English},
        {__LINE__, {}, "", "", "", "de_DE.UTF-8", velmo::Language::Italian},
        {__LINE__, {}, "", "", "", "C", velmo::Language::Italian},
        {__LINE__, {}, "", "it_IT.UTF-8", "en_GB", "en_US", velmo::Language::Italian},  // LC_ALL first
        {__LINE__, {}, "", "", "en_GB.UTF-8", "it_IT", velmo::Language::English},
        {__LINE__, {}, "de:en_GB:it", "it_IT.UTF-8", "", "", velmo::Language::English},  // LANGUAGE's first we speak
        {__LINE__, {}, "it", "en_US.UTF-8", "", "", velmo::Language::Italian},
        {__LINE__, {}, "eng", "", "", "", velmo::Language::Italian},  // no language of ours
        {__LINE__, {u"--lingua"_s, u"en"_s}, "it", "it_IT", "", "", velmo::Language::English},
        {__LINE__, {u"--csv"_s, u"--lingua=it"_s}, "en", "en_US", "", "", velmo::Language::Italian},
        {__LINE__, {u"--"_s, u"--lingua=it"_s}, "", "en_US", "", "", velmo::Language::English},  // a file's name
        {__LINE__, {u"--lingua"_s, u"fr"_s}, "", "", "", "", std::nullopt},
        {__LINE__, {u"--lingua"_s}, "", "", "", "", std::nullopt},
        {__LINE__, {u"--lingua=en_US"_s}, "", "", "", "", std::nullopt},
    };
    // clang-format on
    const char *variables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<QByteArray>> saved;
    for (const char *v : variables)
        saved.push_back(qEnvironmentVariableIsSet(v) ? std::optional(qgetenv(v)) : std::nullopt);
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const char *values[] = {c.language, c.lcAll, c.lcMessages, c.lang};
        for (int i = 0; i < 4; ++i)
            qputenv(variables[i], values[i]);
        QString error;
        EXPECT_EQ(velmo::chooseLanguage(QStringList{QStringLiteral("velmo-pasto")} + c.arguments, &error), c.expected);
        EXPECT_EQ(error.contains(u"it (italiano) o en (inglese)"_s), !c.expected);
    }
    for (int i = 0; i < 4; ++i)
        saved[i] ? qputenv(variables[i], *saved[i]) : qunsetenv(variables[i]);
}

// A file written safely holds the bytes once the call says so: none wait in a temporary.
TEST(SafeFile, TheBytesAreInTheFileWhenTheWriteSucceeds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"pasto.txt"_s);
    QString reason;
    ASSERT_TRUE(velmo::writeFileSafely(path, "Frutta;Pera;80\n", &reason)) << reason.toStdString();
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == "Frutta;Pera;80\n");
}

// A named pipe or a folder where a file is to be written is refused by every writer, and stays
// as it was, open to whom it was open.
TEST(SafeFile, WhatIsNotAFileIsRefusedAndLeftAsItWas)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(u"tubo"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const QString folder = dir.filePath(u"cartella"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ReadOther | QFile::ExeOther));
    for (const auto &[path, said] :
         {std::pair(pipe, u"non è un file normale"_s), std::pair(folder, u"è una cartella"_s)}) {
        const std::function<bool(QString *)> writers[] = {
            [&](QString *reason) { return velmo::writeFileSafely(path, "x", reason); },
            [&](QString *reason) { return velmo::writePrivateFileSafely(path, "x", reason); },
            [&](QString *reason) {
                bool made = false;
                return velmo::preparePrivateFile(path, &made, reason);
            },
            [&](QString *reason) { return velmo::StagedPrivateFile(path).open(reason); },
        };
        for (const auto &write : writers) {
            QString reason;
            EXPECT_FALSE(write(&reason));
            EXPECT_TRUE(reason.startsWith(said)) << reason.toStdString();
            const QFileInfo after(path);
            EXPECT_TRUE(after.exists() && !after.isFile());
            EXPECT_TRUE(after.permissions().testFlag(QFile::ReadOther)) << path.toStdString();
        }
    }
}

// A staged file takes the target's place, private, only when committed; until then, and when it
// goes uncommitted, the target is as it was and nothing is left beside it.
TEST(SafeFile, AStagedFileReplacesTheTargetOnlyWhenCommitted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"fabbisogno.pdf"_s);
    const auto write = [](const QString &file, const QByteArray &bytes) {
        QFile out(file);
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    };
    const auto read = [&path] {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    };
    ASSERT_TRUE(write(path, "vecchio"));
    for (const bool commit : {false, true}) {
        QString reason;
        velmo::StagedPrivateFile staged(path);
        ASSERT_TRUE(staged.open(&reason)) << reason.toStdString();
        ASSERT_TRUE(write(staged.temporaryPath(), "nuovo"));
        EXPECT_EQ(read(), "vecchio");
        if (commit) {
            EXPECT_TRUE(staged.commit(&reason)) << reason.toStdString();
        }
    }
    EXPECT_EQ(read(), "nuovo");
    EXPECT_EQ(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"fabbisogno.pdf"_s});
#ifndef Q_OS_WIN
    // Through links the last link's file is written, and the links stay; a loop is refused.
    const QString middle = dir.filePath(u"mezzo.pdf"_s);
    const QString link = dir.filePath(u"collegamento.pdf"_s);
    ASSERT_TRUE(QFile::link(path, middle) && QFile::link(middle, link));
    QString reason;
    const QString loop = dir.filePath(u"cerchio.pdf"_s);
    ASSERT_TRUE(QFile::link(loop, loop));
    EXPECT_FALSE(velmo::StagedPrivateFile(loop).open(&reason));
    EXPECT_EQ(reason, u"i collegamenti simbolici formano un cerchio"_s);
    velmo::StagedPrivateFile staged(link);
    ASSERT_TRUE(staged.open(&reason)) << reason.toStdString();
    ASSERT_TRUE(write(staged.temporaryPath(), "dal collegamento"));
    ASSERT_TRUE(staged.commit(&reason)) << reason.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink() && QFileInfo(middle).isSymLink());
    EXPECT_EQ(read(), "dal collegamento");
    // Another user's file, or one made read-only, is refused and left as it was.
    const bool root = ::geteuid() == 0;
    ASSERT_EQ(root ? ::chown(QFile::encodeName(path).constData(), 65534, 65534)
                   : ::chmod(QFile::encodeName(path).constData(), 0400),
              0);
    velmo::StagedPrivateFile refused(path);
    EXPECT_FALSE(refused.open(&reason));
    EXPECT_EQ(reason,
              root ? u"impossibile renderlo leggibile solo al suo proprietario"_s : u"permessi insufficienti"_s);
    EXPECT_EQ(read(), "dal collegamento");
#endif
}

// A PDF is whole when its last lines point at its cross-reference table where that table stands;
// a file cut short, or with bytes missing before the table, is not.
TEST(SafeFile, APdfIsCompleteWhenItsEndPointsAtItsTable)
{
    const QByteArray body = "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\n";
    const QByteArray table =
        "xref\n0 2\n0000000000 65535 f \n0000000009 00000 n \ntrailer\n<< /Size 2 /Root 1 0 R >>\n";
    const QByteArray end = "startxref\n" + QByteArray::number(body.size()) + " \n%%EOF\n";
    const QByteArray whole = body + table + end;
    const struct {
        int line;
        QByteArray bytes;
        bool complete;
    } cases[] = {
        {__LINE__, whole, true},
        {__LINE__, whole + "\r\n", true},
        {__LINE__, whole.left(whole.size() - 7), false},  // "%%EOF" lost
        {__LINE__, body + table, false},
        {__LINE__, body.mid(5) + table + end, false},  // bytes lost before the table
        {__LINE__, body + table + "startxref\n999999\n%%EOF\n", false},
        {__LINE__, QByteArray(), false},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(u"stampa.pdf"_s);
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        EXPECT_EQ(velmo::isCompletePdf(path), c.complete);
    }
    EXPECT_FALSE(velmo::isCompletePdf(dir.filePath(u"nessuno.pdf"_s)));
}
