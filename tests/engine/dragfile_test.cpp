#include "engine/dragfile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <locale>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/state.h"
#include "tests/platform/bad_files.h"

namespace fs = std::filesystem;

namespace {

// Table entries computed on a straight line agree with the test's own line to
// a few ulps of values near 0.3.
constexpr double kLineTolerance = 1e-12;

const std::string kHeader = "DRG, Test bullet,0.0095,0.00782";

// n pairs with positive coefficients, Mach numbers rising by 0.01 from 0.5.
std::string Pairs(int n) {
    std::string text;
    char line[64];
    for (int i = 0; i < n; ++i) {
        std::snprintf(line, sizeof line, "%.4f %.2f\n", 0.3 + 0.0001 * i, 0.5 + 0.01 * i);
        text += line;
    }
    return text;
}

// A field as the window shows it: a double with up to 15 significant digits.
std::string AsField(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

class DragFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetEngineState();
        // A function no file can produce, to see whether a read touched it.
        for (int s = 0; s < DragTableSize; ++s) Engine().ActiveDragTable[s] = 1000.0 + s;
        Engine().DragFileName = "previous.drg";
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / ("dragfile_test_" + std::to_string(::getpid()) + "_" +
                                            info->test_suite_name() + "_" + info->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(std::string_view content, const std::string& name = "test.drg") {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    DragFileData Read(std::string_view content) { return ReadDragFunctionFileData(Write(content)); }
    bool TableUntouched() const {
        for (int s = 0; s < DragTableSize; ++s) {
            if (Engine().ActiveDragTable[s] != 1000.0 + s) return false;
        }
        return Engine().DragFileName == "previous.drg";
    }

    fs::path dir_;
};

TEST_F(DragFileTest, HeaderGivesTheBulletAndItsFields) {
    const DragFileData data = Read(kHeader + "\n0.3 0.5\n0.35 1.0\n0 0\n");
    ASSERT_EQ(data.Status, DragFileStatus::Ok) << data.Message;
    EXPECT_EQ(data.Message, "");
    EXPECT_EQ(data.BulletName, "Test bullet");
    EXPECT_EQ(data.BulletMass, 0.0095);
    EXPECT_EQ(data.BulletDiameter, 0.00782);
    EXPECT_EQ(AsField(data.WeightField), "9.5");
    EXPECT_EQ(AsField(data.DiameterField), "7.82");
    EXPECT_EQ(AsField(data.FormFactorOneCoefficient), "0.221");  // 0.22096 rounded
    EXPECT_TRUE(TableUntouched()) << "reading alone must change nothing";
}

TEST_F(DragFileTest, ApplySetsTableAndFileName) {
    const std::string path = Write(kHeader + "\n0.3 0.5\n0.32 1.0\n0.45 4.0\n0 0\n");
    const DragFileData data = ReadDragFunctionFileData(path);
    ASSERT_EQ(data.Status, DragFileStatus::Ok) << data.Message;
    ApplyDragFunction(data);
    EXPECT_EQ(Engine().DragFileName, path);
    const EngineState& e = Engine();
    // Mach 0.5 (170.145 m/s) is the first point: 0 to 170 m/s lie on the
    // line through the first two points, extended down to 0.
    const double slope = (0.32 - 0.3) / (340.29 - 170.145);
    for (int s : {0, 100, 170, 171, 300}) {
        EXPECT_NEAR(e.ActiveDragTable[s], 0.3 + slope * (s - 170.145), kLineTolerance) << s;
    }
    // Mach 4.0 (1361.16 m/s) is the last pair: a point at 1700 m/s with its
    // coefficient is added, so the function stays flat from there.
    ASSERT_EQ(data.Velocities.size(), 4u);
    EXPECT_EQ(data.Velocities[3], 1700.0);
    EXPECT_EQ(data.Coefficients[3], 0.45);
    for (int s = 1362; s <= MaxDragSpeed; ++s) ASSERT_EQ(e.ActiveDragTable[s], 0.45) << s;
}

struct PointsCase {
    const char* name;
    std::string body;
    std::vector<double> velocities;  // m/s
    std::vector<double> coefficients;
};

const PointsCase kPointsCases[] = {
    {"ClosingPairEndsTheList",
     "0.3 0.5\n0.4 2.0\n0 0\n0.5 3.0\n",
     {170.145, 680.58, 1700},
     {0.3, 0.4, 0.4}},
    {"EndOfFileEndsTheList", "0.3 0.5\n0.4 2.0", {170.145, 680.58, 1700}, {0.3, 0.4, 0.4}},
    {"ClosingPairWithMachIsNoPoint",
     "0.3 0.5\n0.4 2.0\n-1 4.5\n",
     {170.145, 680.58, 1700},
     {0.3, 0.4, 0.4}},
    {"PairCutByTheEndIsNoPoint", "0.3 0.5\n0.4 2.0\n0.5", {170.145, 680.58, 1700}, {0.3, 0.4, 0.4}},
    {"ClosingCoefficientWithoutMach",
     "0.3 0.5\n0.4 2.0\n0",
     {170.145, 680.58, 1700},
     {0.3, 0.4, 0.4}},
    {"LastPairAtMach5MovesTo1700", "0.3 0.5\n0.4 5.0\n0 0\n", {170.145, 1700}, {0.3, 0.4}},
    {"AnyWhiteSpaceSeparates",
     " 0.3\t0.5 0.4\n\n2.0\n0\n0\n",
     {170.145, 680.58, 1700},
     {0.3, 0.4, 0.4}},
    {"NumbersWithSignsAndExponents",
     "+3e-1 0.5\n4E-1 +2\n",
     {170.145, 680.58, 1700},
     {0.3, 0.4, 0.4}},
    {"SinglePointBelow1700", "0.3 1.0\n", {340.29, 1700}, {0.3, 0.3}},
    {"SinglePointBeyond1700", "0.3 6.0\n", {1700}, {0.3}},
};

TEST_F(DragFileTest, PointsOfTheFunction) {
    for (const PointsCase& row : kPointsCases) {
        SCOPED_TRACE(row.name);
        const DragFileData data = Read(kHeader + "\n" + row.body);
        ASSERT_EQ(data.Status, DragFileStatus::Ok) << data.Message;
        ASSERT_EQ(data.Velocities.size(), row.velocities.size());
        ASSERT_EQ(data.Coefficients, row.coefficients);
        for (std::size_t i = 0; i < row.velocities.size(); ++i) {
            EXPECT_DOUBLE_EQ(data.Velocities[i], row.velocities[i]) << i;
        }
    }
}

TEST_F(DragFileTest, LastPointAtMach5GivesItsCoefficientAt1700) {
    ApplyDragFunction(Read(kHeader + "\n0.3 0.5\n0.4 5.0\n0 0\n"));
    EXPECT_EQ(Engine().ActiveDragTable[MaxDragSpeed], 0.4);
}

TEST_F(DragFileTest, SinglePointGivesAConstantFunction) {
    ApplyDragFunction(Read(kHeader + "\n0.3 6.0\n"));
    for (int s = 0; s <= MaxDragSpeed; ++s) ASSERT_EQ(Engine().ActiveDragTable[s], 0.3) << s;
}

TEST_F(DragFileTest, AcceptsAtMost298Pairs) {
    const DragFileData full = Read(kHeader + "\n" + Pairs(298) + "0 0\n");
    ASSERT_EQ(full.Status, DragFileStatus::Ok) << full.Message;
    EXPECT_EQ(full.Velocities.size(), 299u);  // with the added point at 1700 m/s

    for (const std::string end : {"0 0\n", ""}) {
        const DragFileData over = Read(kHeader + "\n" + Pairs(299) + end);
        EXPECT_EQ(over.Status, DragFileStatus::Refused);
        EXPECT_EQ(over.Message, DragFileTooManyMessage);
    }
}

TEST_F(DragFileTest, TagOfAtMost19Characters) {
    const std::string rest = " Test bullet,0.0095,0.00782\n0.3 0.5\n";
    EXPECT_EQ(Read(std::string(19, 'T') + "," + rest).Status, DragFileStatus::Ok);
    const DragFileData longer = Read(std::string(20, 'T') + "," + rest);
    EXPECT_EQ(longer.Status, DragFileStatus::Refused);
    EXPECT_EQ(longer.Message, DragFileFormatMessage);
}

TEST_F(DragFileTest, WindowsLineEndsReadLikeUnixOnes) {
    const DragFileData lf = Read(kHeader + "\n0.3 0.5\n0.4 2.0\n0 0\n");
    const DragFileData crlf = Read(kHeader + "\r\n0.3 0.5\r\n0.4 2.0\r\n0 0\r\n");
    ASSERT_EQ(crlf.Status, DragFileStatus::Ok) << crlf.Message;
    EXPECT_EQ(crlf.BulletName, lf.BulletName);
    EXPECT_EQ(crlf.Velocities, lf.Velocities);
    EXPECT_EQ(crlf.Coefficients, lf.Coefficients);
    // The variant marker is counted from the end of the line without its CR.
    EXPECT_EQ(Read(kHeader + ",Encoded v1.0\r\n0.3 0.5\r\n").Message, DragFileEncodedMessage);
}

struct HeaderCase {
    const char* name;
    std::string header;
    std::string bulletName;
};

const HeaderCase kAcceptedHeaders[] = {
    {"TextBetweenMassAndComma", "DRG, Bullet,0.0095 kg,0.00782 m", "Bullet"},
    {"SeparatorIsAnyCharacter", "DRG,xBullet,0.0095,0.00782", "Bullet"},
    {"EmptyName", "DRG,,,0.0095,0.00782", ""},
    {"Utf8NameKeptAsItIs", "DRG, Střela 9 mm,0.0095,0.00782", "Střela 9 mm"},
    {"ByteOrderMarkIsNoPartOfTheTag",
     "\xEF\xBB\xBF" + std::string(19, 'T') + ", Bullet,0.0095,0.00782", "Bullet"},
    {"NameOf410Characters", "DRG, " + std::string(410, 'n') + ",0.0095,0.00782",
     std::string(410, 'n')},
    {"RestOf199Characters", "DRG, Bullet,0.0095,0.00782" + std::string(199, ' '), "Bullet"},
    {"EncoElsewhereIsPlain", "DRG, Bullet,0.0095,0.00782,Encoded v1.0 ", "Bullet"},
    {"ShortRestIsPlain", "DRG, Bullet,0.0095,0.00782Enco", "Bullet"},
};

TEST_F(DragFileTest, AcceptedHeaders) {
    for (const HeaderCase& row : kAcceptedHeaders) {
        SCOPED_TRACE(row.name);
        const DragFileData data = Read(row.header + "\n0.3 0.5\n");
        ASSERT_EQ(data.Status, DragFileStatus::Ok) << data.Message;
        EXPECT_EQ(data.BulletName, row.bulletName);
        EXPECT_EQ(data.BulletMass, 0.0095);
        EXPECT_EQ(data.BulletDiameter, 0.00782);
    }
}

struct RefusalCase {
    const char* name;
    std::string content;
    const char* message;
};

const std::string kBody = "\n0.3 0.5\n0.4 2.0\n0 0\n";

const RefusalCase kRefusals[] = {
    {"EmptyFile", "", DragFileFormatMessage},
    {"NoCommaInThe20First", "DRG drag function file, Bullet,0.0095,0.00782" + kBody,
     DragFileFormatMessage},
    {"CommaOnlyOnTheNextLine", "DRG\n, Bullet,0.0095,0.00782" + kBody, DragFileFormatMessage},
    {"EndsAfterTheTag", "DRG,", DragFileFormatMessage},
    {"EndsBeforeTheName", "DRG, " + kBody, DragFileFormatMessage},
    {"NameWithoutComma", "DRG, Bullet 0.0095 0.00782" + kBody, DragFileFormatMessage},
    {"NameOf411Characters", "DRG, " + std::string(411, 'n') + ",0.0095,0.00782" + kBody,
     DragFileFormatMessage},
    {"EndsBeforeTheMass", "DRG, Bullet," + kBody, DragFileFormatMessage},
    {"MassIsNoNumber", "DRG, Bullet,heavy,0.00782" + kBody, DragFileFormatMessage},
    {"MassIsZero", "DRG, Bullet,0,0.00782" + kBody, DragFileFormatMessage},
    {"MassIsNegative", "DRG, Bullet,-0.0095,0.00782" + kBody, DragFileFormatMessage},
    {"MassIsNaN", "DRG, Bullet,nan,0.00782" + kBody, DragFileFormatMessage},
    {"MassIsInfinite", "DRG, Bullet,inf,0.00782" + kBody, DragFileFormatMessage},
    {"MassOutOfRange", "DRG, Bullet,1e400,0.00782" + kBody, DragFileFormatMessage},
    {"NoCommaAfterTheMass", "DRG, Bullet,0.0095 0.00782" + kBody, DragFileFormatMessage},
    {"EndsBeforeTheDiameter", "DRG, Bullet,0.0095," + kBody, DragFileFormatMessage},
    {"DiameterIsZero", "DRG, Bullet,0.0095,0" + kBody, DragFileFormatMessage},
    {"DiameterIsNegative", "DRG, Bullet,0.0095,-0.00782" + kBody, DragFileFormatMessage},
    {"DiameterIsNaN", "DRG, Bullet,0.0095,nan" + kBody, DragFileFormatMessage},
    {"CoefficientOverflows", "DRG, Bullet,1e300,1e-300" + kBody, DragFileFormatMessage},
    {"RestOf200Characters", kHeader + std::string(200, ' ') + kBody, DragFileFormatMessage},
    {"EncodedVariant", kHeader + ",Encoded v1.0" + kBody, DragFileEncodedMessage},
    {"NoPairs", kHeader + "\n", DragFileFormatMessage},
    {"NoLineEndAndNoPairs", kHeader, DragFileFormatMessage},
    {"OnlyAClosingPair", kHeader + "\n0 0\n", DragFileFormatMessage},
    {"TextAmongThePairs", kHeader + "\n0.3 0.5\nfoo\n0.4 2.0\n", DragFileFormatMessage},
    {"CommaSeparatedPair", kHeader + "\n0.3,0.5\n0.4,2.0\n", DragFileFormatMessage},
    {"NaNCoefficient", kHeader + "\n0.3 0.5\nnan 1.0\n", DragFileFormatMessage},
    {"InfiniteMach", kHeader + "\n0.3 0.5\n0.4 inf\n", DragFileFormatMessage},
    {"MachRepeats", kHeader + "\n0.3 0.5\n0.4 0.5\n", DragFileFormatMessage},
    {"MachFalls", kHeader + "\n0.3 0.5\n0.4 2.0\n0.5 1.0\n", DragFileFormatMessage},
    {"MachZeroAfterOthers", kHeader + "\n0.3 0.5\n0.4 0\n", DragFileFormatMessage},
    {"NegativeMach", kHeader + "\n0.3 -0.5\n0.4 2.0\n", DragFileFormatMessage},
    {"Beyond1700BeforeTheLast", kHeader + "\n0.3 0.5\n0.4 5.0\n0.5 5.5\n", DragFileFormatMessage},
    {"LineTooSteepToDraw", kHeader + "\n1e308 1.0\n0.1 1.000000000000001\n", DragFileFormatMessage},
    {"FileOfMoreThanAMegabyte", kHeader + "\n0.3 0.5\n" + std::string(1 << 20, ' '),
     DragFileFormatMessage},
};

TEST_F(DragFileTest, RefusalsChangeNothing) {
    for (const RefusalCase& row : kRefusals) {
        SCOPED_TRACE(row.name);
        const DragFileData data = Read(row.content);
        EXPECT_EQ(data.Status, DragFileStatus::Refused);
        EXPECT_EQ(data.Message, row.message);
        EXPECT_TRUE(data.Velocities.empty());
        ApplyDragFunction(data);
        EXPECT_TRUE(TableUntouched());
    }
}

TEST_F(DragFileTest, BadPathsAreNotFoundOrRefused) {
    for (const BadFileRow& row : BadFiles) {
        SCOPED_TRACE(row.name);
        const fs::path path = dir_ / "bad.drg";
        if (!MakeBadFile(row.kind, path)) continue;
        const DragFileData data = ReadDragFunctionFileData(path.string());
        const bool tooLarge = row.kind == BadFile::Oversized;
        EXPECT_EQ(data.Status, tooLarge ? DragFileStatus::Refused : DragFileStatus::NotFound);
        EXPECT_EQ(data.Message, tooLarge ? DragFileFormatMessage : DragFileNotFoundMessage);
        ApplyDragFunction(data);
        EXPECT_TRUE(TableUntouched());
    }
}

// A decimal comma in the user's locale must not change how numbers are read.
struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST_F(DragFileTest, NumbersIgnoreTheLocale) {
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaDecimals));
    const std::string previousC = std::setlocale(LC_NUMERIC, nullptr);
    // Where a comma C locale is installed, the C conversions would read "0.3" as 0.
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8");
    const DragFileData data = Read(kHeader + "\n0.3 0.5\n0.4 2.0\n");
    std::setlocale(LC_NUMERIC, previousC.c_str());
    std::locale::global(previous);
    ASSERT_EQ(data.Status, DragFileStatus::Ok) << data.Message;
    EXPECT_EQ(data.BulletMass, 0.0095);
    EXPECT_EQ(data.Coefficients, (std::vector<double>{0.3, 0.4, 0.4}));
}

// Truncated and corrupted copies of a good file: each read ends, refuses with
// one of the format messages or yields a function the table can be built from.
TEST_F(DragFileTest, DamagedFilesNeverBreakTheReader) {
    const std::string good = kHeader + "\r\n0.3 0.5\r\n0.32 1.0\r\n0.45 4.0\r\n0 0\r\n";
    std::vector<std::string> variants;
    for (std::size_t n = 0; n <= good.size(); ++n) variants.push_back(good.substr(0, n));
    const char kAlphabet[] = "0123456789.,+-eE \r\n\t\0nanifEnco\xFF";
    const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
    std::mt19937 random(20240607);
    for (int k = 0; k < 2000; ++k) {
        std::string copy = good;
        const int changes = 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < changes; ++i) {
            copy[random() % copy.size()] = alphabet[random() % alphabet.size()];
        }
        variants.push_back(copy);
    }

    const auto start = std::chrono::steady_clock::now();
    const std::string path = Write("");
    for (const std::string& variant : variants) {
        Write(variant);
        const DragFileData data = ReadDragFunctionFileData(path);
        if (data.Status != DragFileStatus::Ok) {
            ASSERT_EQ(data.Status, DragFileStatus::Refused);
            ASSERT_TRUE(data.Message == DragFileFormatMessage ||
                        data.Message == DragFileEncodedMessage)
                << data.Message;
            continue;
        }
        const std::vector<double>& v = data.Velocities;
        ASSERT_FALSE(v.empty());
        ASSERT_EQ(v.size(), data.Coefficients.size());
        ASSERT_EQ(v.back(), 1700.0);
        for (std::size_t i = 1; i < v.size(); ++i) ASSERT_LT(v[i - 1], v[i]);
        ApplyDragFunction(data);
        for (int s = 0; s <= MaxDragSpeed; ++s) {
            ASSERT_TRUE(std::isfinite(Engine().ActiveDragTable[s])) << variant;
        }
    }
    // Far above what a few thousand small files take; a loop that does not
    // end would never get here, one that crawls fails.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

}  // namespace
