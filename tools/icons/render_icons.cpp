// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// Draws the program's SVG pictures at the build into a C++ source of pixels, so that the program
// shows them without reading an image file, an SVG reader or an image format plugin at start:
//   velmo-render-icons OUT.cpp PICTURE.svg@SIZE[,SIZE...]...
// OUT.cpp defines the table of ui/shell/builtpictures.h: for each picture and size, its name (the
// file's name without .svg) and its premultiplied ARGB pixels, row by row.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "velmo-render-icons: %s %s\n", what, qPrintable(detail));
    return 1;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: velmo-render-icons OUT.cpp PICTURE.svg@SIZE[,SIZE...]...\n");
        return 2;
    }
    QString arrays;
    QString table;
    QTextStream pixels(&arrays);
    QTextStream rows(&table);
    int count = 0;
    for (int i = 2; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const qsizetype at = argument.lastIndexOf(u'@');
        if (at < 0)
            return fail("no sizes in", argument);
        const QString source = argument.left(at);
        QSvgRenderer renderer(source);
        if (!renderer.isValid())
            return fail("cannot read", source);
        const QString name = QFileInfo(source).completeBaseName();
        for (const QString &text : argument.mid(at + 1).split(u',')) {
            bool ok = false;
            const int size = text.toInt(&ok);
            if (!ok || size < 1 || size > 512)
                return fail("bad size", text);
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();
            pixels << "const unsigned int picture" << count << "[] = {";
            for (int y = 0; y < size; ++y) {
                pixels << "\n";
                const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
                for (int x = 0; x < size; ++x)
                    pixels << (line[x] == 0 ? QStringLiteral("0")
                                            : QStringLiteral("0x%1u").arg(static_cast<qulonglong>(line[x]), 8, 16,
                                                                          QLatin1Char('0')))
                           << ",";
            }
            pixels << "};\n";
            rows << "    {\"" << name << "\", " << size << ", picture" << count << "},\n";
            ++count;
        }
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return fail("cannot write", out.fileName());
    QTextStream code(&out);
    code << "// Made by velmo-render-icons at the build: do not edit.\n"
         << "#include \"ui/shell/builtpictures.h\"\n\nnamespace velmo::ui {\n\nnamespace {\n\n"
         << arrays << "\n}  // namespace\n\nconst BuiltPicture kBuiltPictures[] = {\n"
         << table << "};\nconst int kBuiltPictureCount = " << count << ";\n\n}  // namespace velmo::ui\n";
    code.flush();
    if (out.error() != QFileDevice::NoError || !out.flush())
        return fail("cannot write", out.fileName());
    return 0;
}
