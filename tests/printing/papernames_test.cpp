#include "printing/papernames.h"

#include <QPageSize>

#include <gtest/gtest.h>

namespace velmo::printing {
namespace {

TEST(PaperNames, EveryCodeHasItsName)
{
    struct Case { int line; int code; const char *name; };
    const Case cases[] = {
        {__LINE__, 1, "First"}, {__LINE__, 2, "Letter Small"}, {__LINE__, 3, "Tabloid"}, {__LINE__, 4, "Ledger"},
        {__LINE__, 5, "Legal"}, {__LINE__, 6, "Statement"}, {__LINE__, 7, "Executive"}, {__LINE__, 8, "A3"},
        {__LINE__, 9, "A4"}, {__LINE__, 10, "A4 Small"}, {__LINE__, 11, "A5"}, {__LINE__, 12, "B4"},
        {__LINE__, 13, "B5"}, {__LINE__, 14, "Folio"}, {__LINE__, 15, "Quarto"}, {__LINE__, 16, "10X14"},
        {__LINE__, 17, "11X17"}, {__LINE__, 18, "Note"}, {__LINE__, 19, "Envelope 9"}, {__LINE__, 20, "Envelope 10"},
        {__LINE__, 21, "Envelope 11"}, {__LINE__, 22, "Envelope 12"}, {__LINE__, 23, "Envelope 14"},
        {__LINE__, 24, "C Sheet"}, {__LINE__, 25, "D Sheet"}, {__LINE__, 26, "E Sheet"}, {__LINE__, 27, "Envelope DL"},
        {__LINE__, 28, "Envelope C5"}, {__LINE__, 29, "Envelope C3"}, {__LINE__, 30, "Envelope C4"},
        {__LINE__, 31, "Envelope C6"}, {__LINE__, 32, "Envelope C65"}, {__LINE__, 33, "Envelope B4"},
        {__LINE__, 34, "Envelope B5"}, {__LINE__, 35, "Envelope B6"}, {__LINE__, 36, "Envelope Italy"},
        {__LINE__, 37, "Envelope Monarch"}, {__LINE__, 38, "Envelope Personal"}, {__LINE__, 39, "Fanfold US"},
        {__LINE__, 40, "Fanfold Std. German"}, {__LINE__, 41, "Fanfold Lgl. German"}, {__LINE__, 42, "ISO B4"},
        {__LINE__, 43, "Japanese Postcard"}, {__LINE__, 44, "9X11"}, {__LINE__, 45, "10X11"}, {__LINE__, 46, "15X11"},
        {__LINE__, 47, "Envelope Invite"}, {__LINE__, 48, "Unknown"}, {__LINE__, 49, "Unknown"},
        {__LINE__, 50, "Letter Extra"}, {__LINE__, 51, "Legal Extra"}, {__LINE__, 52, "Tabloid Extra"},
        {__LINE__, 53, "A4 Extra"}, {__LINE__, 54, "Letter Transverse"}, {__LINE__, 55, "A4 Transverse"},
        {__LINE__, 56, "Letter Extra Transverse"}, {__LINE__, 57, "A Plus"}, {__LINE__, 58, "B Plus"},
        {__LINE__, 59, "Letter Plus"}, {__LINE__, 60, "A4 Plus"}, {__LINE__, 61, "A5 Transverse"},
        {__LINE__, 62, "B5 Transverse"}, {__LINE__, 63, "A3 Extra"}, {__LINE__, 64, "A5 Extra"},
        {__LINE__, 65, "B5 Extra"}, {__LINE__, 66, "A2"}, {__LINE__, 67, "A3 Transverse"},
        {__LINE__, 68, "A3 Extra Transverse"}, {__LINE__, 256, "User"},
        {__LINE__, 0, "Unknown"}, {__LINE__, 69, "Unknown"}, {__LINE__, 255, "Unknown"}, {__LINE__, -1, "Unknown"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(paperName(c.code), QString::fromLatin1(c.name)) << "line " << c.line;
}

TEST(PaperNames, QtPageSizesGiveTheirCodes)
{
    EXPECT_EQ(paperName(QPageSize(QPageSize::A4).windowsId()), QStringLiteral("A4"));
    EXPECT_EQ(paperName(QPageSize(QPageSize::Letter).windowsId()), QStringLiteral("First"));
    EXPECT_EQ(paperName(QPageSize(QPageSize::A3).windowsId()), QStringLiteral("A3"));
    EXPECT_EQ(paperName(QPageSize(QPageSize::Legal).windowsId()), QStringLiteral("Legal"));
}

TEST(PaperNames, SheetCaption)
{
    EXPECT_EQ(sheetCaption(9, 1), QStringLiteral(" Foglio: A4,  Portrait"));
    EXPECT_EQ(sheetCaption(9, 2), QStringLiteral(" Foglio: A4,  Landscape"));
    EXPECT_EQ(sheetCaption(1, 2), QStringLiteral(" Foglio: First,  Landscape"));
    EXPECT_EQ(sheetCaption(48, 0), QStringLiteral(" Foglio: Unknown"));
}

}  // namespace
}  // namespace velmo::printing
