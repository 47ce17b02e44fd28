// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "report/reportrenderer.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace velmo::test {
namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString food(int day, int meal, int row)
{
    return u"Cibo %1-%2-%3"_s.arg(day).arg(meal).arg(row);
}

// A week of five meals of twelve foods a day, the longest plan the windows make.
PlanReport fullWeek()
{
    PlanReport report;
    report.scope = ReportScope::Week;
    report.title = u"Piano alimentare della settimana"_s;
    report.person = {{u"Nome"_s, u"Zoe <b>Prova</b> & C."_s}};
    report.missing = {u"Nessun peso registrato per la persona"_s};
    report.practice.name = u"Studio Rossi"_s;
    report.printed = u"Stampato il 02/03/26"_s;
    for (int d = 0; d < 7; ++d) {
        ReportDay day{QDate(2026, 3, 2).addDays(d), {}, u"Giorno 2000 kcal"_s};
        for (int m = 0; m < 5; ++m) {
            ReportMeal meal{u"Pasto %1"_s.arg(m), {}, u"400 kcal"_s, u"20 %"_s};
            for (int r = 0; r < 12; ++r)
                meal.foods.push_back({food(d, m, r), {}, u"90 g"_s, u"100 g"_s, u"33 kcal"_s});
            day.meals.push_back(meal);
        }
        report.days.push_back(day);
    }
    report.totals = {{u"Energia"_s, u"1987 kcal"_s, {}, {}}};
    report.split = {{u"Energia da lipidi"_s, u"31 %En"_s, u"RI 20–35 %En"_s, u"nell'intervallo"_s}};
    report.chart = {{u"Energia da lipidi"_s, 31.0, 20.0, 35.0}};
    return report;
}

// Every page has its footer, each meal stands whole on one page with its heading, the fonts are
// in the file and the text is the report's, markup and all.
TEST(PlanReportPdf, AWeekKeepsEachMealOnOnePageAndEveryPageItsFooter)
{
    LocaleGuard locale{"it_IT"};
    QTemporaryDir dir;
    const QString path = dir.filePath(u"settimana.pdf"_s);
    QString error;
    ASSERT_TRUE(writePlanReportPdf(fullWeek(), path, QPageSize::A4, &error)) << error.toStdString();
    const QString info = run(u"pdfinfo"_s, {path});
    const auto pages = QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(info).captured(1).toInt();
    EXPECT_GE(pages, 8) << "a day of sixty foods takes more than a page";
    EXPECT_LE(pages, 20);
    EXPECT_TRUE(info.contains(u"(A4)"_s)) << info.toStdString();
    int mealsSeen = 0;
    for (int p = 1; p <= pages; ++p) {
        const QString page = run(u"pdftotext"_s,
                                 {u"-f"_s, QString::number(p), u"-l"_s, QString::number(p), path, u"-"_s});
        EXPECT_TRUE(page.contains(u"Pagina %1 di %2"_s.arg(p).arg(pages))) << p;
        for (int d = 0; d < 7; ++d)
            for (int m = 0; m < 5; ++m)
                if (page.contains(food(d, m, 0) + u'\n')) {
                    ++mealsSeen;
                    EXPECT_TRUE(page.contains(food(d, m, 11) + u'\n') && page.contains(u"Pasto %1 — 400 kcal"_s.arg(m)))
                        << d << ' ' << m;
                }
        if (p == 1) {
            EXPECT_TRUE(page.contains(u"Zoe <b>Prova</b> & C."_s) && page.contains(u"Nessun peso registrato"_s)
                        && page.contains(u"Studio Rossi"_s))
                << page.toStdString();
        }
    }
    EXPECT_EQ(mealsSeen, 35);
    const QStringList fonts = run(u"pdffonts"_s, {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(fonts.isEmpty());
    for (const QString &font : fonts)
        EXPECT_TRUE(font.contains(u" yes "_s)) << font.toStdString();
    ASSERT_TRUE(writePlanReportPdf(fullWeek(), path, QPageSize::Letter, &error)) << error.toStdString();
    EXPECT_TRUE(run(u"pdfinfo"_s, {path}).contains(u"612 x 792"_s));
    // A folder that is not there: the reason, and no file.
    const QString nowhere = dir.filePath(u"manca/piano.pdf"_s);
    EXPECT_FALSE(writePlanReportPdf(fullWeek(), nowhere, QPageSize::A4, &error));
    EXPECT_TRUE(error.contains(u"non esiste"_s)) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

// The practice's logo is about 2 cm high (56 pt) at any resolution of the device, and no wider
// than the page: its pixels per inch on paper say so.
TEST(PlanReportPdf, TheLogoHasItsSizeOnPaperAtAnyResolution)
{
    QTemporaryDir dir;
    // clang-format off
    const struct { int line; int width, height, dpi; double ppi; } cases[] = {
        {__LINE__, 800, 200, 300, 200 / (56.0 / 72)},
        {__LINE__, 800, 200, 1200, 200 / (56.0 / 72)},
        {__LINE__, 8000, 200, 300, 8000 / (180 / 25.4)},  // as wide as the page between its margins
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        PlanReport report = fullWeek();
        report.practice.logoPath = dir.filePath(u"logo.png"_s);
        QImage logo(c.width, c.height, QImage::Format_RGB32);
        logo.fill(Qt::darkCyan);
        ASSERT_TRUE(logo.save(report.practice.logoPath));
        const QString path = dir.filePath(u"logo.pdf"_s);
        QPdfWriter writer(path);
        writer.setResolution(c.dpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 12),
                                         QPageLayout::Millimeter));
        QString error;
        ASSERT_GT(renderPlanReport(report, writer, &error), 0) << error.toStdString();
        const QStringList lines =
            run(u"pdfimages"_s, {u"-list"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, path}).split(u'\n');
        const QRegularExpression image(u"\\s%1\\s+%2\\s"_s.arg(c.width).arg(c.height));
        const auto found = std::find_if(lines.cbegin(), lines.cend(),
                                        [&](const QString &line) { return line.contains(image); });
        ASSERT_NE(found, lines.cend()) << lines.join(u'\n').toStdString();
        const QStringList fields = found->split(u' ', Qt::SkipEmptyParts);
        EXPECT_NEAR(fields.at(13).toDouble(), c.ppi, c.ppi * 0.03) << found->toStdString();
    }
}

// A day's figures and nutrients stand in their columns, each row in its own, down to the last;
// the chart draws every bar's label and value.
TEST(PlanReportPdf, EveryFigureAndNutrientStandsInItsColumn)
{
    LocaleGuard locale{"it_IT"};
    PlanReport report = fullWeek();
    report.scope = ReportScope::Day;
    report.days.resize(1);
    report.nutrients = {{true, u"Minerali"_s, {}, {}, {}, {}},
                        {false, u"Calcio"_s, u"812 mg"_s, u"1000 mg"_s, u"81 %"_s, u"sotto il riferimento"_s},
                        {false, u"Ferro"_s, u"11 mg"_s, u"10 mg"_s, u"110 %"_s, {}}};
    // A share past the usual axis takes it on to the next tick.
    report.chart = {{u"Grassi in barra"_s, 31.0, 20.0, 35.0},
                    {u"Zuccheri in barra"_s, std::nullopt, {}, {}},
                    {u"Carboidrati in barra"_s, 103.0, 45.0, 60.0}};
    QTemporaryDir dir;
    const QString path = dir.filePath(u"giorno.pdf"_s);
    QString error;
    ASSERT_TRUE(writePlanReportPdf(report, path, QPageSize::A4, &error)) << error.toStdString();
    const QString text = run(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    for (const char *row :
         {R"(Energia\s+1987 kcal\n)", R"(Energia da lipidi\s+31 %En\s+RI 20–35 %En\s+nell'intervallo\n)",
          R"(Calcio\s+812 mg\s+1000 mg\s+81 %\s+sotto il riferimento\n)", R"(Ferro\s+11 mg\s+10 mg\s+110 %\n)",
          R"(Minerali\n)", "Grassi in barra 31 %", "Zuccheri in barra n.d.", "Carboidrati in barra 103 %",
          R"(\b120 %)"})
        EXPECT_TRUE(text.contains(QRegularExpression(QString::fromUtf8(row)))) << row << '\n' << text.toStdString();
}

// A page never splits a nutrient's row, nor leaves a group's heading or a table's caption at its
// foot: with one more line above them each time, each row's last words are on its name's page, and
// each caption on its table's first row's; the day's totals stay whole.
TEST(PlanReportPdf, APageSplitsNoRowAndStrandsNoCaption)
{
    LocaleGuard locale{"it_IT"};
    PlanReport report = fullWeek();
    report.scope = ReportScope::Day;
    report.days.resize(1);
    report.days[0].meals.resize(2);
    report.figuresCaption = u"Totali del giorno"_s;
    report.nutrientsCaption = u"Nutrienti del giorno"_s;
    report.split.push_back({u"Energia da carboidrati"_s, u"52 %En"_s, u"RI 45–60 %En"_s, u"nell'intervallo"_s});
    report.summary = u"Giorno SOMMA"_s;
    // The first nutrient's note is the longest: the caption, the headings and the first group's
    // heading must follow it to the next page.
    for (int i = 0; i < 40; ++i)
        report.nutrients.push_back(
            {i % 8 == 0, u"N%1N"_s.arg(i), u"1 mg"_s, u"2 mg"_s, u"50 %"_s,
             u"una nota che va a capo più volte prima della sua ultima parola, "_s.repeated(i == 1 ? 5 : 1)
                 + u"F%1F"_s.arg(i)});
    QTemporaryDir dir;
    const QString path = dir.filePath(u"giorno.pdf"_s);
    for (int shift = 0; shift < 30; ++shift) {
        report.person.push_back({u"Riga %1"_s.arg(shift), u"x"_s});
        QString error;
        ASSERT_TRUE(writePlanReportPdf(report, path, QPageSize::A4, &error)) << error.toStdString();
        const QStringList pages = run(u"pdftotext"_s, {path, u"-"_s}).split(u'\f');
        for (const QString &page : pages) {
            for (int i = 0; i < 40; ++i) {
                const QString name = u"N%1N"_s.arg(i);
                if (i % 8 == 0)  // a heading, with the row after it
                    EXPECT_EQ(page.contains(name), page.contains(u"N%1N"_s.arg(i + 1))) << shift << ' ' << i;
                else
                    EXPECT_EQ(page.contains(name), page.contains(u"F%1F"_s.arg(i))) << shift << ' ' << i;
            }
            // The day's totals, a short table, stand whole on one page with their summary.
            for (const QString &part : {u"1987 kcal"_s, u"Energia da carboidrati"_s, u"Giorno SOMMA"_s})
                EXPECT_EQ(page.contains(u"Totali del giorno"_s), page.contains(part))
                    << shift << ' ' << part.toStdString();
            EXPECT_EQ(page.contains(u"Nutrienti del giorno"_s), page.contains(u"N0N"_s)) << shift;
        }
    }
}

}  // namespace
}  // namespace velmo::test
