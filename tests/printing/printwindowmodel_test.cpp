// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "printing/printwindowmodel.h"

#include "printingtest.h"
#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"
#include "support/homeguard.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace velmo::printing {
namespace {

// The window as the main window opens it: scale 1 : 500000, the fake's A4 portrait sheet of
// 200 × 287 mm; "Laser" is a monochrome printer.
class PrintWindowModelTest : public ::testing::Test {
protected:
    void SetUp() override { printers.printers[QStringLiteral("Laser")].defaults.colorMode = 1; }

    void open(PrintWindowModel &m, MmRect r = {0, 0, 200, 100}, int orientation = 0, double scale = 500000)
    {
        printers.openPrinter(printers.printerInUse());  // as the print module leaves it
        m.loadObject({picture(200, 100), r, scale * r.w, QStringLiteral("Velmo"), orientation});
        m.activate();
    }

    // A sequence of user actions, one token each:
    //   W=51   the width typed (W H X Y the rectangle, N the copies), then the key released
    //   S=…    the scale typed and confirmed       W+ H-   an up-down arrow     leaveW  the field left
    //   keep0 keep1  the proportions check box     centre0 centre1  the centring check box
    //   max origin print   the buttons             fail yes  the next job fails, the next question is answered yes
    void play(PrintWindowModel &m, const char *steps)
    {
        const std::map<char, Field> fields = {{'W', Field::Width}, {'H', Field::Height}, {'X', Field::Left},
                                              {'Y', Field::Top},   {'N', Field::Copies}, {'S', Field::Scale}};
        for (const QString &step : QString::fromUtf8(steps).split(u' ', Qt::SkipEmptyParts)) {
            const auto field = fields.find(step[0].toLatin1());
            if (step.startsWith(u"keep") || step.startsWith(u"centre"))
                step[0] == u'k' ? m.setKeepProportions(step.endsWith(u'1')) : m.setCentred(step.endsWith(u'1'));
            else if (step == u"max" || step == u"origin")
                step == u"max" ? m.maxClicked() : m.originClicked();
            else if (step == u"print")
                m.printClicked();
            else if (step == u"fail")
                printers.imageJobFailures.insert(printers.imageJobsAttempted, ImageJobResult{});
            else if (step == u"yes")
                dialogs.questionAnswers.push_back(Answer::Yes);
            else if (step.startsWith(u"leave"))
                m.fieldLeft(fields.at(step.back().toLatin1()));
            else if (field == fields.end() || step.size() < 2)
                ADD_FAILURE() << "unknown step " << step.toStdString();
            else if (step[1] == u'+' || step[1] == u'-')
                m.upDownClicked(field->second, step[1] == u'+' ? 1 : -1);
            else {
                m.setText(field->second, step.mid(2));
                field->second == Field::Scale ? m.scaleConfirmed() : m.keyReleased(field->second);
            }
        }
    }

    // The fields' texts (X Y W H scale copies), the warning, the jobs printed and the boxes shown.
    QString state(const PrintWindowModel &m) const
    {
        QStringList parts;
        for (Field f : {Field::Left, Field::Top, Field::Width, Field::Height, Field::Scale, Field::Copies})
            parts << m.text(f);
        if (m.outOfSheetVisible())
            parts << QStringLiteral("fuori");
        if (!printers.imageJobs.empty())
            parts << QStringLiteral("stampe:%1").arg(printers.imageJobs.size());
        for (const auto &box : dialogs.shown)
            parts << QLatin1Char('[') + box.title.trimmed() + QLatin1Char(']');
        return parts.join(u' ');
    }

    test::LocaleGuard locale{"it_IT"};
    test::FakePrinterService printers;
    test::FakeDialogs dialogs;
    PrintWindowModel model{printers, dialogs};
};

TEST_F(PrintWindowModelTest, OpensWithTheCallersRectangleScaleAndOrientation)
{
    // clang-format off
    const struct { int line; const char *locale; int orientation; const char *scale; const char *caption; const char *height; QSize preview; } cases[] = {
        {__LINE__, "en_US", 0, "1,234,567.89", " Foglio: A4,  Portrait", "287", {89, 127}},  // 1905 × 200 / 287 twips
        {__LINE__, "it_IT", 2, "1.234.567,89", " Foglio: A4,  Landscape", "200", {127, 89}},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        test::LocaleGuard guard(c.locale);
        PrintWindowModel fresh(printers, dialogs);
        open(fresh, {3, 4, 200, 100}, c.orientation, 1234567.891);
        EXPECT_EQ(fresh.rect(), (MmRect{3, 4, 200, 100}));
        EXPECT_EQ(fresh.text(Field::Scale), QString::fromUtf8(c.scale));
        EXPECT_EQ(fresh.sheetFrameCaption(), QString::fromUtf8(c.caption));
        EXPECT_EQ(fresh.sheetHeightText(), QString::fromLatin1(c.height));
        EXPECT_EQ(fresh.preview().size(), c.preview);
        EXPECT_EQ(fresh.printerNames(),
                  (QStringList{QStringLiteral("Ufficio"), QStringLiteral("Laser"), QStringLiteral("File PDF")}));
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

// The decimal separator is the user's: a comma in Italian, a point in English.
TEST_F(PrintWindowModelTest, KeyFilters)
{
    // clang-format off
    const struct { int line; const char *locale; Field field; QChar key; const char *text; int cursor; int selection; bool accepted; } cases[] = {
        {__LINE__, "it_IT", Field::Width, u'\b', "12", 2, 0, true},
        {__LINE__, "it_IT", Field::Height, u',', "1", 1, 0, false},
        {__LINE__, "it_IT", Field::Left, u'-', "12", 0, 0, true},
        {__LINE__, "it_IT", Field::Left, u'-', "-12", 0, 0, false},
        {__LINE__, "it_IT", Field::Left, u'-', "-12", 0, 1, true},   // replaces the selected minus
        {__LINE__, "it_IT", Field::Scale, u',', "500", 3, 0, true},
        {__LINE__, "it_IT", Field::Scale, u',', "5,5", 3, 0, false},
        {__LINE__, "it_IT", Field::Scale, u',', "5,5", 1, 1, true},
        {__LINE__, "en_US", Field::Scale, u'.', "500", 3, 0, true},
        {__LINE__, "en_US", Field::Scale, u',', "500", 3, 0, false},
        {__LINE__, "it_IT", Field::Scale, u'-', "", 0, 0, false},
        {__LINE__, "it_IT", Field::Scale, u'\u0663', "", 0, 0, false},  // a digit of another script
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        test::LocaleGuard guard(c.locale);
        EXPECT_EQ(PrintWindowModel::acceptsKey(c.field, c.key, QString::fromLatin1(c.text), c.cursor, c.selection),
                  c.accepted);
    }
}

TEST_F(PrintWindowModelTest, FieldsFollowTheUser)
{
    // clang-format off
    const struct { int line; MmRect opened; const char *steps; const char *state; } cases[] = {
        {__LINE__, {0, 0, 200, 100}, "W=51", "0 0 51 26 1.960.784,31 1"},  // 25.5 → 26
        {__LINE__, {0, 0, 200, 100}, "H=45 W+", "0 0 91 46 1.098.901,1 1"},  // 45.5 → 46
        {__LINE__, {0, 0, 200, 100}, "H=45 keep0 W=120 keep1", "0 0 120 60 833.333,33 1"},
        {__LINE__, {0, 0, 100, 50}, "centre1 W=101", "50 118 101 50 495.049,5 1"},  // 118.5 → 118, 50.5 → 50, 49.5 → 50
        {__LINE__, {0, 0, 100, 50}, "centre1 W=101 centre0 origin", "0 0 101 50 495.049,5 1"},
        {__LINE__, {0, 0, 100, 50}, "centre1 W=300", "-50 68 300 150 166.666,67 1 fuori"},  // 68.5 → 68
        {__LINE__, {30, 10, 100, 50}, "max", "0 10 200 100 250.000 1"},
        {__LINE__, {30, 10, 100, 50}, "keep0 max", "0 0 200 287 250.000 1"},
        {__LINE__, {0, 0, 200, 100}, "X=5", "5 0 200 100 500.000 1 fuori"},  // 5 mm beyond the right edge
        {__LINE__, {0, 0, 200, 100}, "S=1.000.000", "0 0 100 50 1.000.000 1"},
        {__LINE__, {0, 0, 200, 100}, "S=400000", "0 0 250 125 400.000 1 fuori"},
        {__LINE__, {0, 0, 200, 100}, "S=400000 S=abc S=0 S=-3", "0 0 250 125 -3 1 fuori"},  // not a positive number: nothing
        {__LINE__, {0, 0, 200, 100}, "S=1", "0 0 2000 1000 50.000 1 fuori"},            // limited to 2000
        {__LINE__, {0, 0, 200, 100}, "S=3000000,5", "0 0 33 17 3.030.303,03 1"},        // 33.33…, 16.67
        {__LINE__, {0, 0, 100, 200}, "S=1", "0 0 1000 2000 50.000 1 fuori"},  // the height limited, the width follows
        {__LINE__, {0, 0, 287, 200}, "S=1000000", "0 0 144 100 996.527,78 1"},  // 143.5 → 144
        {__LINE__, {0, 0, 200, 100}, "S=10000000000000000000000000000000000000000", "0 0 200 100 10000000000000000000000000000000000000000 1 [Errore in frmStampaFPB/txtScala]"},
        {__LINE__, {0, 0, 200, 100}, "X=5 S=25000000", "5 0 4 2 25.000.000 1"},  // 2 mm high still redraws
        // The limits of the typed values; typed copies go beyond the up-down's bounds.
        {__LINE__, {0, 0, 200, 100}, "keep0 W=2500 H=2001 X=-2500 Y=99999 N=150", "-2000 2000 2000 2000 50.000 150 fuori"},
        {__LINE__, {0, 0, 200, 100}, "keep0 W=0 H=0 X=2500 Y=-2001", "2000 -2000 1 1 100.000.000 1 fuori"},
        // The up-down's bounds.
        {__LINE__, {0, 0, 200, 100}, "keep0 H=1 W=2 W- X=-2000 X- Y=2000 Y+ N=1 N-", "-2000 2000 2 1 50.000.000 1 fuori"},
        {__LINE__, {0, 0, 200, 100}, "keep0 W=2000 W+ X=-1 X+ N=100 N+", "0 0 2000 100 50.000 100 fuori"},
        // A cleared field keeps its value and shows it again when left; no copies are refused.
        {__LINE__, {0, 0, 200, 100}, "W= leaveW X=- leaveX", "0 0 200 100 500.000 1"},
        {__LINE__, {0, 0, 200, 100}, "N= leaveN print", "0 0 200 100 500.000  [Attenzione]"},
        // One job a copy; a failed or cancelled print leaves the window to try again.
        {__LINE__, {0, 0, 200, 100}, "N=3 print", "0 0 200 100 500.000 3 stampe:3"},
        // More copies than the arrows give are asked about first.
        {__LINE__, {0, 0, 200, 100}, "N=101 print", "0 0 200 100 500.000 101 [Attenzione]"},
        {__LINE__, {0, 0, 200, 100}, "N=101 yes print", "0 0 200 100 500.000 101 stampe:101 [Attenzione]"},
        {__LINE__, {0, 0, 200, 100}, "fail print print", "0 0 200 100 500.000 1 stampe:1 [Errore in frmStampaFPB/Print_FPB]"},
        {__LINE__, {20, 0, 200, 100}, "print yes print", "20 0 200 100 500.000 1 fuori stampe:1 [Errore di Scala] [Errore di Scala]"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        dialogs.clear();
        printers.imageJobs.clear();
        PrintWindowModel fresh(printers, dialogs);
        open(fresh, c.opened);
        play(fresh, c.steps);
        EXPECT_EQ(state(fresh), QString::fromUtf8(c.state));
        EXPECT_EQ(fresh.blinking(), fresh.outOfSheetVisible());
        EXPECT_EQ(fresh.rect(), (MmRect{fresh.text(Field::Left).toInt(), fresh.text(Field::Top).toInt(),
                                        fresh.text(Field::Width).toInt(), fresh.text(Field::Height).toInt()}));
    }
}

// The monochrome printer greys the preview, not the page; its choice outlasts the window. The zoom
// fills its area in the sheet's proportions.
TEST_F(PrintWindowModelTest, PrinterChoiceOutlastsTheWindowAndTheZoomKeepsTheSheetsProportions)
{
    open(model, {0, 0, 200, 100}, 2);
    model.printerChosen(1);
    EXPECT_EQ(printers.printerInUse(), QStringLiteral("Laser"));
    EXPECT_TRUE(model.monochrome());
    EXPECT_EQ(model.preview().pixel(2, 2), qRgb(97, 97, 97));  // (200 + 30 + 60) / 3
    model.previewClicked({600, 400});
    EXPECT_TRUE(model.zoomVisible());
    EXPECT_EQ(model.zoomPreview().size(), QSize(279, 400));  // 400 × 200 / 287 = 278.7
    model.zoomClicked();
    EXPECT_FALSE(model.zoomVisible() || !model.zoomPreview().isNull());
    EXPECT_TRUE(model.printClicked());
    ASSERT_EQ(printers.imageJobs.size(), 1u);
    EXPECT_EQ(printers.imageJobs[0].job.image.pixel(0, 0), qRgb(200, 30, 60));
    PrintWindowModel second(printers, dialogs);
    open(second);
    EXPECT_EQ(second.printerIndex(), 1);
    model.printerChosen(0);
    PrintWindowModel third(printers, dialogs);
    open(third);
    EXPECT_EQ(third.sheetFrameCaption(), QStringLiteral(" Foglio: A4,  Landscape"));
}

TEST_F(PrintWindowModelTest, PropertiesCarryTheCopiesAndThePrinterBothWays)
{
    open(model);
    model.setText(Field::Copies, QStringLiteral("2"));
    model.propertiesClicked();  // cancelled: nothing changes
    EXPECT_EQ(model.text(Field::Copies), QStringLiteral("2"));
    int copiesSeen = 0;
    // The user picks a printer installed while the window was open, A3 landscape in monochrome.
    printers.settingsDialog = [&](QString &printer) {
        copiesSeen = printers.settings().copies;
        printers.installed.append(QStringLiteral("Nuova"));
        printer = QStringLiteral("Nuova");
        return std::optional<PrinterSettings>(PrinterSettings{2, QPageSize(QPageSize::A3), 1, 4});
    };
    model.propertiesClicked();
    EXPECT_EQ(copiesSeen, 2);
    EXPECT_EQ(model.text(Field::Copies), QStringLiteral("4"));
    EXPECT_EQ(printers.settings().copies, 1);
    EXPECT_TRUE(model.monochrome());
    EXPECT_EQ(model.sheetFrameCaption(), QStringLiteral(" Foglio: A3,  Landscape"));
    EXPECT_EQ(model.sheetWidth(), 410);
    EXPECT_EQ(model.printerNames().value(model.printerIndex()), QStringLiteral("Nuova"));
    EXPECT_EQ(printers.printerInUse(), QStringLiteral("Nuova"));
}

// The preview is saved in the Pictures folder, else in the home folder, private; a failure is said. Without
// an object nothing is drawn or printed, and without a sheet the saved preview is one white pixel; a
// printer that cannot be opened has no settings to show.
TEST_F(PrintWindowModelTest, PreviewFileAndAWindowWithoutAnObjectOrASheet)
{
    QTemporaryDir home;
    {
        test::HomeGuard missing(home.path() + QStringLiteral("/non-esiste"));
        open(model);
        model.printerLabelDoubleClicked();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("Non posso salvare l'anteprima nel file\n")));
    }
    test::HomeGuard guard(home.path());
    model.printerLabelDoubleClicked();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    const QString saved = QDir(home.path()).filePath(QStringLiteral("PicPrev.bmp"));
    EXPECT_EQ(QImage(saved).size(), model.previewBox());
    EXPECT_EQ(QFile::permissions(saved) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    QDir(home.path()).mkpath(QStringLiteral("Pictures"));
    EXPECT_EQ(PrintWindowModel::previewFilePath(), QDir(home.path()).filePath(QStringLiteral("Pictures/PicPrev.bmp")));

    dialogs.clear();
    printers.unreachable.append(QStringLiteral("Ufficio"));
    PrintWindowModel bare(printers, dialogs);
    bare.loadWithoutObject(0);
    bare.activate();
    bare.propertiesClicked();
    EXPECT_EQ(printers.settingsDialogShown, 0);
    EXPECT_EQ(dialogs.shown.size(), 2u) << "once when chosen, once when its settings are asked for";
    EXPECT_TRUE(bare.preview().isNull());
    bare.previewClicked({600, 400});
    EXPECT_FALSE(bare.zoomVisible());
    EXPECT_FALSE(bare.printClicked());
    EXPECT_TRUE(printers.imageJobs.empty());
    bare.printerLabelDoubleClicked();
    EXPECT_EQ(QImage(PrintWindowModel::previewFilePath()).size(), QSize(1, 1));
}

}  // namespace
}  // namespace velmo::printing
