#include "printing/printwindowmodel.h"

#include "mmrectprinter.h"
#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"
#include "support/homeguard.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace velmo::printing {
namespace {

using test::FakeDialogs;
using test::FakePrinterService;
using test::HomeGuard;

QImage picture(int w = 200, int h = 100, QRgb colour = qRgb(200, 30, 60))
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The print window opened as the main window opens it: the landscape sheet's size, scale 500000.
class PrintWindowModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakePrinterService::Printer mono;
        mono.defaults.colorMode = 1;
        printers.printers.insert(QStringLiteral("Laser"), mono);
    }

    void open(MmRect r = {0, 0, 200, 100}, int orientation = 0, double scale = 500000)
    {
        ASSERT_TRUE(printers.openPrinter(printers.printerInUse()));
        model.loadObject({picture(), r, scale * r.w, QStringLiteral("Velmo"), orientation});
        model.activate();
    }

    test::LocaleGuard locale{"it_IT"};
    FakePrinterService printers;
    FakeDialogs dialogs;
    PrintWindowModel model{printers, dialogs};
};

TEST_F(PrintWindowModelTest, OpensWithTheRectangleTheScaleAndTheSheet)
{
    open({3, 4, 200, 100});
    EXPECT_EQ(model.rect(), (MmRect{3, 4, 200, 100}));
    EXPECT_EQ(model.text(Field::Scala), QStringLiteral("500.000"));
    EXPECT_EQ(model.copies(), 1);
    EXPECT_EQ(model.printerNames(), (QStringList{QStringLiteral("Ufficio"), QStringLiteral("Laser"), QStringLiteral("File PDF")}));
    EXPECT_EQ(model.sheetHeightText(), QStringLiteral("287"));
    EXPECT_EQ(model.outlineTwips(), outlineTwips(200, 287));
    EXPECT_EQ(model.previewBox(), QSize(twipsToPixels(outlineTwips(200, 287).width()), 127));
    EXPECT_EQ(model.preview().size(), model.previewBox());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PrintWindowModelTest, OrientationAndScaleOfTheCaller)
{
    // clang-format off
    const struct { int line; const char *locale; int orientation; double scale; const char *scaleText; const char *caption; int sheetW, sheetH; } cases[] = {
        {__LINE__, "en_US", 0, 1234567.891, "1,234,567.89", " Foglio: A4,  Portrait", 200, 287},
        {__LINE__, "it_IT", 2, 1234567.891, "1.234.567,89", " Foglio: A4,  Landscape", 287, 200},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        test::LocaleGuard guard(c.locale);
        PrintWindowModel fresh(printers, dialogs);
        fresh.loadObject({picture(), {0, 0, 200, 100}, c.scale * 200, QStringLiteral("Velmo"), c.orientation});
        fresh.activate();
        EXPECT_EQ(fresh.text(Field::Scala), QString::fromUtf8(c.scaleText));
        EXPECT_EQ(fresh.sheetFrameCaption(), QString::fromUtf8(c.caption));
        EXPECT_EQ(fresh.sheetWidth(), c.sheetW);
        EXPECT_EQ(fresh.sheetHeight(), c.sheetH);
    }
}

TEST_F(PrintWindowModelTest, FieldLimits)
{
    open();
    // clang-format off
    struct Case { int line; Field field; const char *typed; const char *shown; };
    const Case cases[] = {
        {__LINE__, Field::PrW, "2500", "2000"}, {__LINE__, Field::PrW, "0", "1"}, {__LINE__, Field::PrW, "150", "150"},
        {__LINE__, Field::PrH, "2001", "2000"}, {__LINE__, Field::PrH, "0", "1"}, {__LINE__, Field::PrH, "1", "1"},
        {__LINE__, Field::PrX, "-2500", "-2000"}, {__LINE__, Field::PrX, "2500", "2000"}, {__LINE__, Field::PrX, "-7", "-7"},
        {__LINE__, Field::PrY, "-2001", "-2000"}, {__LINE__, Field::PrY, "99999", "2000"},
        // Typed copies are taken beyond the up-down's bounds.
        {__LINE__, Field::NCopies, "150", "150"},
    };
    // clang-format on
    for (const Case &c : cases) {
        VELMO_CASE(c);
        model.setText(c.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(model.text(c.field), QString::fromLatin1(c.shown));
    }
    EXPECT_EQ(model.rect(), (MmRect{-7, 2000, 150, 1}));
    EXPECT_EQ(model.copies(), 150);
}

TEST_F(PrintWindowModelTest, ClearedFieldKeepsTheLastValue)
{
    open();
    // clang-format off
    const struct { int line; Field field; const char *typed; int value; const char *left; } cases[] = {
        {__LINE__, Field::PrW, "", 200, "200"}, {__LINE__, Field::PrX, "-", 0, "0"}, {__LINE__, Field::NCopies, "", 0, ""},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        model.setText(c.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.field == Field::NCopies ? model.copies() : c.field == Field::PrW ? model.rect().w : model.rect().x, c.value);
        model.fieldLeft(c.field);
        EXPECT_EQ(model.text(c.field), QString::fromLatin1(c.left));
    }
}

TEST_F(PrintWindowModelTest, KeyFilters)
{
    // clang-format off
    struct Case { int line; Field field; QChar key; const char *text; int cursor; int selection; bool accepted; };
    const Case cases[] = {
        {__LINE__, Field::PrW, u'7', "12", 2, 0, true},
        {__LINE__, Field::PrW, u'\b', "12", 2, 0, true},
        {__LINE__, Field::PrW, u'-', "", 0, 0, false},
        {__LINE__, Field::PrH, u',', "1", 1, 0, false},
        {__LINE__, Field::NCopies, u'-', "", 0, 0, false},
        {__LINE__, Field::PrX, u'-', "12", 0, 0, true},
        {__LINE__, Field::PrX, u'-', "12", 1, 0, false},
        {__LINE__, Field::PrX, u'-', "-12", 0, 0, false},
        {__LINE__, Field::PrX, u'-', "-12", 0, 1, true},   // replaces the selected minus
        {__LINE__, Field::PrY, u'-', "", 0, 0, true},
        {__LINE__, Field::Scala, u',', "500", 3, 0, true},  // the Italian decimal separator
        {__LINE__, Field::Scala, u',', "5,5", 3, 0, false},
        {__LINE__, Field::Scala, u',', "5,5", 1, 1, true},
        {__LINE__, Field::Scala, u'-', "", 0, 0, false},
        {__LINE__, Field::Scala, u'\u0663', "", 0, 0, false},  // a digit of another script
    };
    // clang-format on
    for (const Case &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(PrintWindowModel::acceptsKey(c.field, c.key, QString::fromLatin1(c.text), c.cursor, c.selection), c.accepted);
    }
}

// A sequence of user actions on the window opened over `opened`, one token each:
//   W=51   the width typed (W H X Y the rectangle, N the copies), then the key released
//   S=…    the scale typed and confirmed       W+ H-   an up-down arrow
//   keep0 keep1  the proportions check box     centre0 centre1  the centring check box
//   max origin   the two buttons
void play(PrintWindowModel &model, const char *steps)
{
    const std::map<char, Field> fields = {{'W', Field::PrW}, {'H', Field::PrH}, {'X', Field::PrX},
                                          {'Y', Field::PrY}, {'N', Field::NCopies}, {'S', Field::Scala}};
    for (const QString &step : QString::fromUtf8(steps).split(u' ', Qt::SkipEmptyParts)) {
        const auto field = fields.find(step[0].toLatin1());
        if (step.startsWith(u"keep"))
            model.setKeepProportions(step.endsWith(u'1'));
        else if (step.startsWith(u"centre"))
            model.setCentred(step.endsWith(u'1'));
        else if (step == u"max")
            model.maxClicked();
        else if (step == u"origin")
            model.originClicked();
        else if (field == fields.end())
            ADD_FAILURE() << "unknown step " << step.toStdString();
        else if (step[1] == u'+' || step[1] == u'-')
            model.upDownClicked(field->second, step[1] == u'+' ? 1 : -1);
        else {
            model.setText(field->second, step.mid(2));
            field->second == Field::Scala ? model.scaleConfirmed() : model.keyReleased(field->second);
        }
    }
}

TEST_F(PrintWindowModelTest, SizeScaleMarginsAndSheetFollowTheUser)
{
    // clang-format off
    const struct { int line; MmRect opened; const char *steps; MmRect rect; const char *scale; bool out; } cases[] = {
        {__LINE__, {0, 0, 200, 100}, "W=400", {0, 0, 400, 200}, "250.000", true},
        {__LINE__, {0, 0, 200, 100}, "W=51", {0, 0, 51, 26}, "1.960.784,31", false},  // 25.5 → 26
        {__LINE__, {0, 0, 200, 100}, "H=45", {0, 0, 90, 45}, "1.111.111,11", false},
        {__LINE__, {0, 0, 200, 100}, "H=45 W+", {0, 0, 91, 46}, "1.098.901,1", false},  // 45.5 → 46
        {__LINE__, {0, 0, 200, 100}, "H=45 W+ H-", {0, 0, 90, 45}, "1.111.111,11", false},
        {__LINE__, {0, 0, 200, 100}, "H=45 keep0 W=120 keep1", {0, 0, 120, 60}, "833.333,33", false},
        {__LINE__, {0, 0, 100, 50}, "centre1", {50, 118, 100, 50}, "500.000", false},  // 118.5 → 118
        {__LINE__, {0, 0, 100, 50}, "centre1 W=101", {50, 118, 101, 50}, "495.049,5", false},  // 50.5 → 50, 49.5 → 50
        {__LINE__, {0, 0, 100, 50}, "centre1 W=101 centre0 origin", {0, 0, 101, 50}, "495.049,5", false},
        {__LINE__, {30, 10, 100, 50}, "max", {0, 10, 200, 100}, "250.000", false},
        {__LINE__, {30, 10, 100, 50}, "keep0 max", {0, 0, 200, 287}, "250.000", false},
        {__LINE__, {0, 0, 200, 100}, "X=5", {5, 0, 200, 100}, "500.000", true},  // 5 mm beyond the right edge
        {__LINE__, {0, 0, 200, 100}, "X=5 X=0", {0, 0, 200, 100}, "500.000", false},
        {__LINE__, {0, 0, 200, 100}, "S=1.000.000", {0, 0, 100, 50}, "1.000.000", false},
        {__LINE__, {0, 0, 200, 100}, "S=400000", {0, 0, 250, 125}, "400.000", true},
        {__LINE__, {0, 0, 200, 100}, "S=400000 S=", {0, 0, 250, 125}, "", true},        // empty: nothing
        {__LINE__, {0, 0, 200, 100}, "S=400000 S=abc", {0, 0, 250, 125}, "abc", true},  // not a number: ignored
        {__LINE__, {0, 0, 200, 100}, "S=400000 S=0", {0, 0, 250, 125}, "0", true},      // not positive: nothing
        {__LINE__, {0, 0, 200, 100}, "S=1", {0, 0, 2000, 1000}, "50.000", true},             // limited to 2000
        {__LINE__, {0, 0, 200, 100}, "S=3000000,5", {0, 0, 33, 17}, "3.030.303,03", false},  // 33.33…, 16.67
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        dialogs.clear();
        PrintWindowModel fresh(printers, dialogs);
        fresh.loadObject({picture(), c.opened, 500000.0 * c.opened.w, QStringLiteral("Velmo"), 0});
        fresh.activate();
        play(fresh, c.steps);
        EXPECT_EQ(fresh.rect(), c.rect);
        EXPECT_EQ(fresh.text(Field::PrW), QString::number(c.rect.w));
        EXPECT_EQ(fresh.text(Field::Scala), QString::fromUtf8(c.scale));
        EXPECT_EQ(fresh.outOfSheetVisible(), c.out);
        EXPECT_EQ(fresh.blinking(), c.out);
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST_F(PrintWindowModelTest, UpDownBounds)
{
    open();
    // clang-format off
    struct Case { int line; Field field; const char *start; int step; const char *expected; };
    const Case cases[] = {
        {__LINE__, Field::PrW, "2", -1, "2"}, {__LINE__, Field::PrW, "2000", +1, "2000"},
        {__LINE__, Field::PrX, "-2000", -1, "-2000"}, {__LINE__, Field::PrX, "-1", +1, "0"},
        {__LINE__, Field::PrY, "2000", +1, "2000"}, {__LINE__, Field::NCopies, "1", -1, "1"},
        {__LINE__, Field::NCopies, "100", +1, "100"}, {__LINE__, Field::NCopies, "5", +1, "6"},
    };
    // clang-format on
    model.setKeepProportions(false);
    for (const Case &c : cases) {
        VELMO_CASE(c);
        model.setText(c.field, QString::fromLatin1(c.start));
        model.upDownClicked(c.field, c.step);
        EXPECT_EQ(model.text(c.field), QString::fromLatin1(c.expected));
    }
}

TEST_F(PrintWindowModelTest, ScaleOverflowMessage)
{
    open();
    model.setText(Field::Scala, QStringLiteral("1") + QString(40, u'0'));
    model.scaleConfirmed();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral(" Errore in frmStampaFPB/txtScala"));
    EXPECT_EQ(model.rect().w, 200);
}

TEST_F(PrintWindowModelTest, PrintingClosesTheWindowAfterOneJobPerCopy)
{
    // clang-format off
    const struct { int line; const char *copies; bool printed; const char *box; } cases[] = {
        {__LINE__, "3", true, nullptr},
        {__LINE__, "0", false, "Il numero di copie deve essere almeno 1.\nNon è stato stampato nulla."},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        printers.imageJobs.clear();
        dialogs.clear();
        open();
        bool closed = false;
        std::vector<bool> labelShownDuringRun;
        const auto connection = QObject::connect(&model, &PrintWindowModel::closeRequested, [&] { closed = true; });
        model.onRepaintNow = [&] { labelShownDuringRun.push_back(model.printingVisible()); };
        model.setText(Field::NCopies, QString::fromLatin1(c.copies));
        EXPECT_EQ(model.printClicked(), c.printed);
        QObject::disconnect(connection);
        EXPECT_EQ(closed, c.printed);
        EXPECT_EQ(labelShownDuringRun, std::vector<bool>(c.printed ? 1 : 0, true));
        EXPECT_EQ(printers.imageJobs.size(), c.printed ? 3u : 0u);
        EXPECT_EQ(dialogs.messageTexts(), c.box ? QStringList{QString::fromUtf8(c.box)} : QStringList());
    }
}

TEST_F(PrintWindowModelTest, FailedOrCancelledPrintCanBeRetried)
{
    // clang-format off
    const struct { int line; bool jobFails; MmRect rect; int boxesAfterBoth; } cases[] = {
        {__LINE__, true, {0, 0, 200, 100}, 1},    // the failure is said once
        {__LINE__, false, {20, 0, 200, 100}, 2},  // the scale question cancelled, then answered
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        printers.imageJobs.clear();
        dialogs.clear();
        if (c.jobFails)
            printers.imageJobFailures.insert(0, ImageJobResult{});
        dialogs.questionAnswers = {Answer::Cancel, Answer::Yes};
        open(c.rect);
        EXPECT_FALSE(model.printClicked());
        EXPECT_FALSE(model.printingVisible());
        EXPECT_TRUE(printers.imageJobs.empty());
        EXPECT_TRUE(model.printClicked());
        EXPECT_EQ(printers.imageJobs.size(), 1u);
        EXPECT_EQ(dialogs.shown.size(), size_t(c.boxesAfterBoth));
    }
}

TEST_F(PrintWindowModelTest, PrinterChoice)
{
    open();
    model.printerChosen(1);
    EXPECT_EQ(printers.printerInUse(), QStringLiteral("Laser"));
    EXPECT_TRUE(model.monochrome());
    const QRgb inside = model.preview().pixel(2, 2);
    EXPECT_TRUE(qRed(inside) == qGreen(inside) && qGreen(inside) == qBlue(inside));
    model.setText(Field::NCopies, QStringLiteral("1"));
    EXPECT_TRUE(model.printClicked());
    ASSERT_EQ(printers.imageJobs.size(), 1u);
    EXPECT_EQ(printers.imageJobs[0].job.image.pixel(0, 0), qRgb(200, 30, 60)) << "the page keeps its colours";
}

TEST_F(PrintWindowModelTest, PropertiesCarryTheCopiesBothWays)
{
    open();
    model.setText(Field::NCopies, QStringLiteral("2"));
    model.propertiesClicked();  // cancelled: nothing changes
    EXPECT_EQ(model.text(Field::NCopies), QStringLiteral("2"));
    int copiesSeen = 0;
    printers.settingsDialog = [&](QString &) {
        copiesSeen = printers.settings().copies;
        PrinterSettings chosen = printers.settings();
        chosen.copies = 4;
        chosen.page = QPageSize(QPageSize::A3);
        chosen.orientation = 2;
        chosen.colorMode = 1;
        return std::optional<PrinterSettings>(chosen);
    };
    model.propertiesClicked();
    EXPECT_EQ(copiesSeen, 2);
    EXPECT_EQ(model.text(Field::NCopies), QStringLiteral("4"));
    EXPECT_EQ(printers.settings().copies, 1);
    EXPECT_TRUE(model.monochrome());
    EXPECT_EQ(model.sheetFrameCaption(), QStringLiteral(" Foglio: A3,  Landscape"));
    EXPECT_EQ(model.sheetWidth(), 410);
}

TEST_F(PrintWindowModelTest, PropertiesOfAPrinterThatCannotBeOpened)
{
    printers.unreachable.append(QStringLiteral("Laser"));
    open();
    model.printerChosen(1);
    model.propertiesClicked();
    EXPECT_EQ(printers.settingsDialogShown, 0);
    EXPECT_EQ(dialogs.shown.size(), 2u) << "once when chosen, once when its settings are asked for";
}

TEST_F(PrintWindowModelTest, PrinterChosenInThePropertiesBecomesTheOneInUse)
{
    open();
    // Even one installed while the window was open.
    printers.settingsDialog = [&](QString &printer) {
        printers.installed.append(QStringLiteral("Nuova"));
        printer = QStringLiteral("Nuova");
        return std::optional<PrinterSettings>(PrinterSettings{});
    };
    model.propertiesClicked();
    EXPECT_EQ(model.printerNames().value(model.printerIndex()), QStringLiteral("Nuova"));
    EXPECT_EQ(printers.printerInUse(), QStringLiteral("Nuova"));
}

TEST_F(PrintWindowModelTest, SettingsSurviveTheWindow)
{
    open({0, 0, 200, 100}, 2);
    model.printerChosen(1);
    PrintWindowModel second(printers, dialogs);
    second.loadObject({picture(), {0, 0, 100, 100}, 100, QStringLiteral("Velmo"), 0});
    second.activate();
    EXPECT_EQ(second.printerIndex(), 1);
    model.printerChosen(0);
    PrintWindowModel third(printers, dialogs);
    third.loadObject({picture(), {0, 0, 100, 100}, 100, QStringLiteral("Velmo"), 0});
    third.activate();
    EXPECT_EQ(third.sheetFrameCaption(), QStringLiteral(" Foglio: A4,  Landscape"));
}

TEST_F(PrintWindowModelTest, ZoomFillsTheAreaInTheSheetsProportions)
{
    open();
    model.previewClicked({600, 400});
    EXPECT_TRUE(model.zoomVisible());
    EXPECT_EQ(model.zoomPreview().size(), QSize(279, 400));  // 400 × 200 / 287 = 278.7
    model.zoomClicked();
    EXPECT_FALSE(model.zoomVisible());
}

TEST_F(PrintWindowModelTest, WithoutAnObject)
{
    ASSERT_TRUE(printers.openPrinter(printers.printerInUse()));
    model.loadWithoutObject(0);
    model.activate();
    EXPECT_TRUE(model.preview().isNull());
    model.previewClicked({600, 400});
    EXPECT_FALSE(model.zoomVisible());
    EXPECT_FALSE(model.printClicked());
    EXPECT_TRUE(printers.imageJobs.empty());
}

// The preview is saved in the Pictures folder, else in the home folder; a failure is said.
TEST_F(PrintWindowModelTest, PreviewFileSavedOrItsFailureReported)
{
    QTemporaryDir home;
    {
        HomeGuard missing(home.path() + QStringLiteral("/non-esiste"));
        open();
        model.printerLabelDoubleClicked();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("Non posso salvare l'anteprima nel file\n")));
    }
    HomeGuard guard(home.path());
    model.printerLabelDoubleClicked();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(QImage(QDir(home.path()).filePath(QStringLiteral("PicPrev.bmp"))).size(), model.previewBox());
    QDir(home.path()).mkpath(QStringLiteral("Pictures"));
    EXPECT_EQ(PrintWindowModel::previewFilePath(), QDir(home.path()).filePath(QStringLiteral("Pictures/PicPrev.bmp")));
}

}  // namespace
}  // namespace velmo::printing
