#include "common/programdir.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using velmo::programFileFrom;

namespace {

// The build tree keeps the files beside the program, an installation in ../share/velmo.
TEST(ProgramFile, BesideTheProgramElseInTheInstalledShareFolder)
{
    const struct {
        int line;
        const char *files;     // what the tree holds, relative to its root, ';' between them
        const char *expected;  // relative to the root
    } cases[] = {
        {__LINE__, "bin/elementi97.db", "bin/elementi97.db"},
        {__LINE__, "share/velmo/elementi97.db", "share/velmo/elementi97.db"},
        {__LINE__, "bin/elementi97.db;share/velmo/elementi97.db", "bin/elementi97.db"},
        {__LINE__, "", "bin/elementi97.db"},
        {__LINE__, "share/elementi97.db;velmo/elementi97.db", "bin/elementi97.db"},
    };
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QTemporaryDir root;
        const QDir dir(root.path());
        dir.mkpath(QStringLiteral("bin"));
        for (const QString &file : QString::fromLatin1(c.files).split(u';', Qt::SkipEmptyParts)) {
            dir.mkpath(QFileInfo(dir.filePath(file)).path());
            QFile make(dir.filePath(file));
            ASSERT_TRUE(make.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(programFileFrom(dir.filePath(QStringLiteral("bin")), QStringLiteral("elementi97.db")),
                  dir.filePath(QString::fromLatin1(c.expected)));
    }
}

}  // namespace
