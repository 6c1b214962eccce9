// Numbers as text in both separator locales, and file-name helpers.
#include "platform/sysutils.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>

#include "platform/base.h"

namespace {

// Switches the default locale for one test and back.
class LocaleScope {
  public:
    explicit LocaleScope(QLocale::Language language) : saved_(QLocale()) {
        QLocale::setDefault(QLocale(language));
    }
    ~LocaleScope() { QLocale::setDefault(saved_); }

  private:
    QLocale saved_;
};

struct ParseRow {
    const char* text;
    double value;
};

TEST(StrToFloat, AcceptedForms) {
    LocaleScope english(QLocale::English);
    const ParseRow rows[] = {
        {"0.462", 0.462},   {"  800  ", 800}, {"-4", -4}, {"+2.5", 2.5},  {"1e-6", 1e-6},
        {"2.5E20", 2.5e20}, {".5", 0.5},      {"5.", 5},  {"\t15\t", 15}, {"1013.25", 1013.25},
    };
    for (const ParseRow& row : rows) EXPECT_DOUBLE_EQ(StrToFloat(row.text), row.value) << row.text;
}

TEST(StrToFloat, RejectedFormsRaiseTheConversionMessage) {
    LocaleScope english(QLocale::English);
    for (const char* text : {"", "   ", "abc", "1,500", "1.5.2", "inf", "-INF", "nan", "0x1A", "1e",
                             "e5", "1 000", "12a", "1e400", "--1"}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

TEST(StrToFloat, LongTextIsQuotedByItsFirstSixtyCharacters) {
    // Characters, not bytes: a two-byte "é" is never cut in half.
    std::string e60, more;
    for (int i = 0; i < 70; ++i) (i < 60 ? e60 : more) += "é";
    const std::string n59(59, '7');
    for (const auto& [text, quoted] : {std::pair{n59 + "x", "'" + n59 + "x'"},
                                       {n59 + "7x", "'" + n59 + "7…'"},
                                       {std::string(10000, '7') + "x", "'" + n59 + "7…'"},
                                       {e60 + more, "'" + e60 + "…'"}}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << text;
        } catch (const EConvertError& error) {
            EXPECT_EQ(std::string(error.what()), quoted + " is not a valid floating point value");
        }
    }
}

TEST(StrToFloat, CommaLocaleUsesTheComma) {
    LocaleScope german(QLocale::German);
    EXPECT_EQ(DecimalSeparator(), ',');
    EXPECT_DOUBLE_EQ(StrToFloat("0,462"), 0.462);
    EXPECT_DOUBLE_EQ(StrToFloat(" -1,5e3 "), -1500);
    EXPECT_THROW(StrToFloat("0.462"), EConvertError);
    EXPECT_THROW(StrToFloat("1.500"), EConvertError);  // a group separator, not 1500
}

TEST(StrToInt, AcceptedAndRejected) {
    EXPECT_EQ(StrToInt(" 12 "), 12);
    EXPECT_EQ(StrToInt("-500"), -500);
    EXPECT_EQ(StrToInt("+3"), 3);
    for (const char* text : {"", "1.5", "abc", "2147483648", "0x10", "- 1"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(IntToStr(-42), "-42");
}

struct FormatRow {
    double value;
    const char* text;
};

TEST(FloatToStr, GeneralFormWithFifteenDigits) {
    LocaleScope english(QLocale::English);
    const FormatRow rows[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-4, "-4"},
        {0.1, "0.1"},
        {0.30000000000000004, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {123456.789, "123456.789"},
        {1234567, "1234567"},
        {0.00001, "0.00001"},
        {0.000015, "0.000015"},
        {0.000001, "1E-6"},
        {1.5e-7, "1.5E-7"},
        {-2.5e-9, "-2.5E-9"},
        {999999999999999, "999999999999999"},
        {1e15, "1E15"},
        {2.5e20, "2.5E20"},
        {-1.25e100, "-1.25E100"},
        {9.9999999999999999e14, "1E15"},  // rounds up into the next decade
        {std::numeric_limits<double>::infinity(), "INF"},
    };
    for (const FormatRow& row : rows) EXPECT_EQ(FloatToStr(row.value), row.text) << row.value;
}

TEST(FloatToStr, CommaLocaleAndRoundTrip) {
    LocaleScope german(QLocale::German);
    EXPECT_EQ(FloatToStr(0.462), "0,462");
    EXPECT_EQ(FloatToStr(1500.25), "1500,25");  // no group separator
    EXPECT_EQ(FloatToStr(1.5e-7), "1,5E-7");
    for (double v : {0.462, 1013.25, -4.75e-8, 123456789.125})
        EXPECT_DOUBLE_EQ(StrToFloat(FloatToStr(v)), v);
}

TEST(FileNames, SplitAtBothSeparators) {
    EXPECT_EQ(ExtractFilePath("/home/user/init"), "/home/user/");
    EXPECT_EQ(ExtractFileName("/home/user/init"), "init");
    EXPECT_EQ(ExtractFilePath("C:\\Ballistics\\drag\\g7.drg"), "C:\\Ballistics\\drag\\");
    EXPECT_EQ(ExtractFileName("C:\\Ballistics\\drag\\g7.drg"), "g7.drg");
    EXPECT_EQ(ExtractFileName("plain.txt"), "plain.txt");
    EXPECT_EQ(ExtractFilePath("plain.txt"), "");
    EXPECT_EQ(ExtractFileExt("dir.v2/List"), "");
    EXPECT_EQ(ExtractFileExt("a/Vantorra.bmp"), ".bmp");
}

TEST(FileNames, ProgramFolderEndsWithSeparator) {
    const std::string folder = ExtractFilePath(ExeName());
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(ExtractFileName(ExeName()), "platform_tests");
}

}  // namespace
