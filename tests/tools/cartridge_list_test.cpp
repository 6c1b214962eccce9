// The list file without the window: what the writer makes the reader gives
// back, and what the reader refuses.
#include <gtest/gtest.h>

#include "tools/CartridgeList.h"

namespace {

const CartridgeRow Cartridge = {"7.62", "0.462", "G1", "10.89", "800", "60", "308 Match 168gr."};
const CartridgeRow Band = {
    "7.62", "0.447", "vari.", "10.89", "793", "60", " Variable Ballistic Coefficient"};

std::string WithHeader(const std::string& rows) {
    return CartridgeListText({}, false) + rows;
}

TEST(CartridgeList, WrittenRowsReadBackWithDecimalCommas) {
    const std::string text = CartridgeListText({Cartridge, Band}, true);
    EXPECT_NE(text.find("-$\n 7,62       0,462    G1       10,89          800           60 308 "
                        "Match 168gr.\n"),
              std::string::npos);
    const auto rows = ParseCartridgeList(text);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    const CartridgeRow expected = {"7,62", "0,462", "G1", "10,89", "800", "60", "308 Match 168gr."};
    EXPECT_EQ((*rows)[0], expected);
    EXPECT_EQ((*rows)[1][ListNotice], " Variable Ballistic Coefficient");
    // With a comma as the system's separator the cells are written as they stand.
    EXPECT_EQ((*ParseCartridgeList(CartridgeListText({Cartridge}, false)))[0], Cartridge);
}

TEST(CartridgeList, LongWordsAndNoticesCrlfAndEmptyLines) {
    CartridgeRow row = Cartridge;
    row[ListDrag] = std::string(60, 'x');
    row[ListNotice] = std::string(300, 'n') + " end";
    std::string text = CartridgeListText({row}, false);
    text += "\r\n   \n";
    const auto rows = ParseCartridgeList(text);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0], row);

    const auto crlf = ParseCartridgeList(WithHeader(" 5 0,2 G7 3 900 51 A notice\r\n"));
    ASSERT_TRUE(crlf);
    EXPECT_EQ((*crlf)[0][ListNotice], "A notice");
    EXPECT_TRUE(ParseCartridgeList(WithHeader(""))->empty());
}

TEST(CartridgeList, RefusesFilesThatAreNoList) {
    const std::string tail = "\n$\n 5 0,2 G7 3 900 51 x\n";
    EXPECT_TRUE(ParseCartridgeList(std::string(49, ' ') + "*" + tail));
    EXPECT_FALSE(ParseCartridgeList(std::string(50, ' ') + "*" + tail));
    EXPECT_TRUE(ParseCartridgeList("*" + std::string(999, '-') + "$\n"));
    EXPECT_FALSE(ParseCartridgeList("*" + std::string(1000, '-') + "$\n"));
    EXPECT_FALSE(ParseCartridgeList("no list at all"));
    // A row with five words makes the whole file no list.
    EXPECT_FALSE(ParseCartridgeList(WithHeader(" 5 0,2 G7 3 900 51 x\n 5 0,2 G7 3 900\n")));
}

TEST(CartridgeList, RowChecksOfSaving) {
    CartridgeRow added;
    added.fill("0");
    EXPECT_EQ(CheckListRow(added), ListRowCheck::Skip);
    EXPECT_EQ(CheckListRow(CartridgeRow{}), ListRowCheck::Skip);
    EXPECT_EQ(CheckListRow(Cartridge), ListRowCheck::Write);
    CartridgeRow noNotice = Cartridge;
    noNotice[ListNotice] = "";
    EXPECT_EQ(CheckListRow(noNotice), ListRowCheck::Write);
    CartridgeRow emptyCell = Cartridge;
    emptyCell[ListBarrel] = " ";
    EXPECT_EQ(CheckListRow(emptyCell), ListRowCheck::Refuse);
    CartridgeRow blankInside = Cartridge;
    blankInside[ListDrag] = "G 1";
    EXPECT_EQ(CheckListRow(blankInside), ListRowCheck::Refuse);
}

}  // namespace
