#include "printing/papernames.h"
#include "support/tablecase.h"

#include <QPageSize>

#include <gtest/gtest.h>

namespace velmo::printing {
namespace {

// The ends of the code table, its two gaps and the codes outside it; Qt's own page sizes give the
// codes the names are looked up by.
TEST(PaperNames, EdgesOfTheTableAndTheSheetCaption)
{
    // clang-format off
    struct Case { int line; int code; int orientation; const char *name; const char *caption; };
    const Case cases[] = {
        {__LINE__, 1, 1, "First", " Foglio: First,  Portrait"},
        {__LINE__, QPageSize(QPageSize::A4).windowsId(), 2, "A4", " Foglio: A4,  Landscape"},
        {__LINE__, QPageSize(QPageSize::A3).windowsId(), 0, "A3", " Foglio: A3"},
        {__LINE__, QPageSize(QPageSize::Legal).windowsId(), 1, "Legal", " Foglio: Legal,  Portrait"},
        {__LINE__, 47, 1, "Envelope Invite", " Foglio: Envelope Invite,  Portrait"},
        {__LINE__, 48, 0, "Unknown", " Foglio: Unknown"},
        {__LINE__, 49, 3, "Unknown", " Foglio: Unknown"},
        {__LINE__, 50, 2, "Letter Extra", " Foglio: Letter Extra,  Landscape"},
        {__LINE__, 68, 2, "A3 Extra Transverse", " Foglio: A3 Extra Transverse,  Landscape"},
        {__LINE__, 256, 2, "User", " Foglio: User,  Landscape"},
        {__LINE__, 0, 1, "Unknown", " Foglio: Unknown,  Portrait"},
        {__LINE__, 69, 0, "Unknown", " Foglio: Unknown"},
        {__LINE__, 255, 0, "Unknown", " Foglio: Unknown"},
        {__LINE__, -1, 0, "Unknown", " Foglio: Unknown"},
    };
    // clang-format on
    for (const Case &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(paperName(c.code), QString::fromLatin1(c.name));
        EXPECT_EQ(sheetCaption(c.code, c.orientation), QString::fromLatin1(c.caption));
    }
}

}  // namespace
}  // namespace velmo::printing
