// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue_builder.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 4 && args.size() != 5) {
        err << "Uso: velmo-build-catalogue catalogo.csv sr28_foods.csv [sinonimi.csv] elementi97.db\n";
        return 2;
    }
    const auto result = velmo::buildCatalogue(args[1], args[2], args.back(), args.size() == 5 ? args[3] : QString());
    if (!result.ok) {
        err << "velmo-build-catalogue: " << result.error << "\n";
        return 1;
    }
    QTextStream out(stdout);
    out << "elementi97.db: " << result.foods << " alimenti\n";
    out.flush();
    // The file is built; a summary that could not be written is still a failure to say.
    if (out.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        err << "velmo-build-catalogue: impossibile scrivere il riepilogo sullo standard output\n";
        return 3;
    }
    return 0;
}
