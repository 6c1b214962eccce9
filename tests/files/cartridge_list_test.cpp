// The list file without the window: what the reader takes back and refuses.
#include <gtest/gtest.h>

#include "files/CartridgeList.h"

namespace {

const CartridgeRow Cartridge = {"7.62", "0.462", "G1", "10.89", "800", "60", "308 Match"};

std::string WithHeader(const std::string& rows) {
    return CartridgeListText({}, false) + rows;
}

TEST(CartridgeList, LongWordsLongNoticesCrlfAndEmptyLines) {
    EXPECT_NE(CartridgeListText({Cartridge}, true)
                  .find("-$\n 7,62       0,462    G1       10,89          800           60 "
                        "308 Match\n"),
              std::string::npos);
    CartridgeRow row = Cartridge;
    row[ListDrag] = std::string(60, 'x');
    row[ListNotice] = std::string(300, 'n') + " end";
    const auto rows = ParseCartridgeList(CartridgeListText({row}, false) + "\r\n   \n");
    ASSERT_TRUE(rows);
    EXPECT_EQ(*rows, std::vector<CartridgeRow>{row});
    const auto crlf = ParseCartridgeList(WithHeader(" 5 0,2 G7 3 900 51 A notice\r\n"));
    ASSERT_TRUE(crlf);
    EXPECT_EQ((*crlf)[0][ListNotice], "A notice");
    // A lone CR ends a line as well.
    const auto cr = ParseCartridgeList(WithHeader(" 5 0,2 G7 3 900 51 A\r 6 0,3 G1 4 800 60 B\r"));
    ASSERT_TRUE(cr);
    ASSERT_EQ(cr->size(), 2u);
    EXPECT_EQ((*cr)[0][ListNotice], "A");
    EXPECT_EQ((*cr)[1][ListCaliber], "6");
}

TEST(CartridgeList, RefusesFilesThatAreNoList) {
    const std::string tail = "\n$\n 5 0,2 G7 3 900 51 x\n";
    EXPECT_TRUE(ParseCartridgeList(std::string(49, ' ') + "*" + tail));
    EXPECT_FALSE(ParseCartridgeList(std::string(50, ' ') + "*" + tail));
    EXPECT_TRUE(ParseCartridgeList("*" + std::string(999, '-') + "$\n"));
    EXPECT_FALSE(ParseCartridgeList("*" + std::string(1000, '-') + "$\n"));
    // A row with five words makes the whole file no list.
    EXPECT_FALSE(ParseCartridgeList(WithHeader(" 5 0,2 G7 3 900 51 x\n 5 0,2 G7 3 900\n")));
}

}  // namespace
