#include "printing/printmodulemodel.h"

#include "mmrectprinter.h"
#include "support/tablecase.h"
#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"

#include <gtest/gtest.h>

namespace velmo::printing {
namespace {

using test::FakeDialogs;
using test::FakePrinterService;

const QString kWrongKind = QStringLiteral("L' oggetto da stampare\ne' di tipo errato.");
const QString kBadSizes = QStringLiteral("Parametri errati.\n\nLa larghezza e l' altezza di stampa\nrichieste devono essere > 0.");

class PrintModuleModelTest : public ::testing::Test {
protected:
    FakePrinterService printers;
    FakeDialogs dialogs;
    PrintModuleModel model{printers, dialogs};
};

// A refusal is said under the module's title.
TEST_F(PrintModuleModelTest, AcceptsOrRefusesTheObject)
{
    // clang-format off
    const struct { int line; ObjectKind kind; const char *name; MmRect rect; float scale; const char *title; QString refusal; double referenceWidth; const char *plannedTitle; } cases[] = {
        {__LINE__, ObjectKind::Window, "frmmain", {0, 0, 287, 200}, 500000, "Velmo", {}, 500000.0 * 287, "Velmo"},
        {__LINE__, ObjectKind::Window, "frmmain", {0, 0, 90, 60}, 0, "Velmo", {}, 600 * 15.0, "Velmo"},  // the object's own width, in twips
        {__LINE__, ObjectKind::PictureBox, "picGrafico", {5, -3, 100, 50}, 2, "", {}, 200, "picGrafico"},
        {__LINE__, ObjectKind::Window, "frmmain", {0, 0, 0, 200}, 1, "Velmo", kBadSizes, 0, ""},
        {__LINE__, ObjectKind::Window, "frmmain", {0, 0, 287, 0}, 1, "Velmo", kBadSizes, 0, ""},
        {__LINE__, ObjectKind::Window, "frmmain", {0, 0, -5, 200}, 1, "Velmo", kBadSizes, 0, ""},
        {__LINE__, ObjectKind::Other, "Label1", {0, 0, 287, 200}, 1, "Velmo", QStringLiteral("Stampa di Label1\n\n") + kWrongKind, 0, ""},
        {__LINE__, ObjectKind::Other, "", {0, 0, 0, 0}, 1, "Velmo", kWrongKind, 0, ""},  // the kind is refused first
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        dialogs.clear();
        const auto request = model.requestFor({c.kind, QString::fromLatin1(c.name), 600}, {c.rect, 2, QString::fromLatin1(c.title), c.scale});
        EXPECT_EQ(dialogs.messageTexts(), c.refusal.isEmpty() ? QStringList() : QStringList{c.refusal});
        for (const auto &box : dialogs.shown)
            EXPECT_EQ(box.title, QStringLiteral(" Errore in frmStampaFPB/StampaFPB"));
        ASSERT_EQ(request.has_value(), c.refusal.isEmpty());
        if (!request)
            continue;
        EXPECT_EQ(request->rect, c.rect);
        EXPECT_DOUBLE_EQ(request->referenceWidth, c.referenceWidth);
        EXPECT_EQ(request->title, QString::fromLatin1(c.plannedTitle));
        EXPECT_EQ(request->orientation, 2);
    }
}

TEST_F(PrintModuleModelTest, PrintableSheet)
{
    // clang-format off
    const struct { int line; bool reachable; std::optional<int> orientation; int w, h; const char *message; const char *title; } cases[] = {
        {__LINE__, true, 2, 287, 200, nullptr, nullptr},
        {__LINE__, true, 1, 200, 287, nullptr, nullptr},
        {__LINE__, true, std::nullopt, 200, 287, nullptr, nullptr},  // keeps the last one
        {__LINE__, true, 3, -1, -1, "Orientamento errato", " Errore in frmStampaFPB/FoglioStampa"},
        {__LINE__, true, 0, -1, -1, "Orientamento errato", " Errore in frmStampaFPB/FoglioStampa"},
        {__LINE__, false, 2, -1, -1, "Non posso accedere alla stampante richiesta.\n", " Errore in frmStampaFPB/OpenDocPrinter"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        dialogs.clear();
        if (!c.reachable)
            printers.unreachable.append(QStringLiteral("Ufficio"));
        EXPECT_EQ(model.printableSheet(c.orientation), QSize(c.w, c.h));
        EXPECT_EQ(dialogs.messageTexts(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList());
        for (const auto &box : dialogs.shown)
            EXPECT_EQ(box.title, QString::fromLatin1(c.title));
    }
}

TEST_F(PrintModuleModelTest, WithoutAPrinterInUseTheDefaultIsOpened)
{
    printers.inUse.clear();
    printers.systemDefault = QStringLiteral("Laser");
    EXPECT_TRUE(model.openPrinterInUse());
    EXPECT_EQ(printers.printerInUse(), QStringLiteral("Laser"));
    EXPECT_EQ(printers.openPrinterName(), QStringLiteral("Laser"));
}

TEST_F(PrintModuleModelTest, EmptyCaptureIsSaidTwice)
{
    QImage image(4, 3, QImage::Format_RGB32);
    EXPECT_TRUE(model.acceptCapture(image, ObjectKind::Window));
    EXPECT_FALSE(model.acceptCapture(QImage(), ObjectKind::PictureBox));
    EXPECT_EQ(dialogs.messageTexts(), (QStringList{QStringLiteral("Formato grafico sconosciuto.\n\nL' operazione di stampa viene interrotta."),
                                                   QStringLiteral("Si e' verificata una condizione\ninaspettata elaborando l' immagine.")}));
}

}  // namespace
}  // namespace velmo::printing
