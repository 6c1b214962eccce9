// The list window: saving and loading under both separators, the row click
// into the calculator window, sorting and the row commands.
#include <QTableWidget>
#include <QTemporaryDir>
#include <fstream>
#include <vector>

#include "files/CartridgeList.h"
#include "platform/safefile.h"
#include "platform/sysutils.h"
#include "tests/platform/bad_files.h"
#include "tests/ui/tools/tool_fixture.h"
#include "ui/tools/Tabulka1.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

class ListWindow : public ToolWindowTest<Ttabulka> {
  protected:
    // Replaces the data rows with these cells (columns 1 to 7).
    void Put(const Rows& rows) {
        TStringGrid* g = T().StringGrid1;
        g->SetRowCount(static_cast<int>(rows.size()) + 1);
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            for (int c = 0; c < 7; ++c) g->SetCell(c + 1, r + 1, rows[r][c]);
    }
    Rows Grid() {
        Rows rows;
        for (int r = 1; r < T().StringGrid1->RowCount(); ++r) {
            rows.emplace_back();
            for (int c = 1; c <= 7; ++c) rows.back().push_back(T().StringGrid1->Cell(c, r));
        }
        return rows;
    }
    std::string Path(const char* name) { return folder_.filePath(name).toStdString(); }
    std::string Save(const char* name) {
        services_.AnswerFileDialog(Path(name));
        return Run([this] { T().Button4Click(nullptr); });
    }
    std::string Load(const char* name) {
        services_.AnswerFileDialog(Path(name));
        return Run([this] { T().Button3Click(nullptr); });
    }
    void Click(int row) {
        auto* table = static_cast<QTableWidget*>(T().StringGrid1->Widget());
        T().StringGrid1MouseDown(nullptr, mbLeft, 0, table->columnViewportPosition(1) + 5,
                                 table->rowViewportPosition(row) + 5);
    }
    QTemporaryDir folder_;
};

const Rows Bullets = {
    {"7.62", "0.462", "G1", "10.89", "800", "60", "308 Match"},
    {"0", "0", "0", "0", "0", "0", "0"},
    {"", "", "", "", "", "", ""},
    {"5.56", "0.242", "vari.", "3.56", "700", "51", ""},
};

TEST_F(ListWindow, SavedListLoadsBackUnderBothSeparators) {
    ASSERT_EQ(T().SystemUsesDecimalPoint, 1);
    Put(Bullets);
    ASSERT_EQ(Save("point.txt"), "");
    Put({});
    ASSERT_EQ(Load("point.txt"), "");
    EXPECT_EQ(Grid(), (Rows{{"7,62", "0,462", "G1", "10,89", "800", "60", "308 Match"},
                            {"5,56", "0,242", "vari.", "3,56", "700", "51", ""}}));
    EXPECT_EQ(T().StringGrid1->Cell(0, 2), "2");

    QLocale::setDefault(QLocale(QLocale::German));
    tool_ = std::make_unique<Ttabulka>();
    EXPECT_EQ(T().SystemUsesDecimalPoint, 0);
    Put({{"7,62", "0,462", "G7", "10,89", "800", "60", "a b  c"}});
    ASSERT_EQ(Save("comma.txt"), "");
    Put({});
    ASSERT_EQ(Load("comma.txt"), "");
    EXPECT_EQ(Grid(), (Rows{{"7,62", "0,462", "G7", "10,89", "800", "60", "a b  c"}}));
}

TEST_F(ListWindow, RefusedSaveAndBadFilesChangeNothing) {
    ASSERT_TRUE(WriteFileAtomically(Path("old.txt"), "old"));
    Put({Bullets[0], {"7.62", "0.462", "G 1", "10.89", "800", "60", ""}});
    EXPECT_EQ(Save("old.txt"), "Row 2 has an empty cell or a blank inside a word.");
    std::ifstream in(Path("old.txt"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");

    const Rows before = Grid();
    EXPECT_EQ(Load("old.txt"), "File contains no List of Bullets or Cartridges. ");
    EXPECT_EQ(Grid(), before);
}

TEST_F(ListWindow, BadPathsChangeNothing) {
    Put(Bullets);
    const Rows before = Grid();
    for (const BadFileRow& row : BadFiles) {
        SCOPED_TRACE(row.name);
        if (!MakeBadFile(row.kind, Path("bad.txt"))) continue;
        // Only a file far too large for a list gets the message.
        EXPECT_EQ(Load("bad.txt"), row.kind == BadFile::Oversized
                                       ? "File contains no List of Bullets or Cartridges. "
                                       : "");
        EXPECT_EQ(Grid(), before);
    }
}

TEST_F(ListWindow, RowClickCopiesTheBulletAndItsBands) {
    Put({{"7,82", "0,462", "G7", "10,89", "800", "60", "308 Match"},
         {"7,82", "0,447", "vari.", "10,89", "793", "60", ""},
         {"7,82", "0,424", "vari.", "10,89", "640", "60", ""},
         {"9", "0,3", "G1", "15", "700", "60", ""},
         {"7,82", "0,405", "vari.", "10,89", "488", "60", ""}});
    W().CheckBox7->SetChecked(true);
    Click(1);
    EXPECT_EQ(W().ComboBox6->Text(), "G7");
    EXPECT_EQ(W().RadioGroup5->ItemIndex(), 2);
    std::string copied;
    for (TEdit* e : {W().Edit33, W().Edit3, W().Edit4, W().Edit36, W().Edit30, W().Edit37,
                     W().Edit31, W().Edit38, W().Edit32, W().Edit39, W().Edit34})
        copied += e->Text() + "|";
    EXPECT_EQ(copied, "308 Match|7.82|800|0.462|793|0.447|793|0.424|640|0|0|");
    EXPECT_TRUE(W().CheckBox6->Checked());
    EXPECT_FALSE(W().CheckBox7->Checked());
    EXPECT_EQ(T().Edit1->Text(), "1");

    // A "vari." row changes nothing; the last row's band is the one below row 4.
    Click(2);
    EXPECT_EQ(T().Edit1->Text(), "1");
    Click(4);
    EXPECT_EQ(W().ComboBox6->Text(), "G1");
    EXPECT_EQ(W().Edit36->Text(), "0.3");
    EXPECT_EQ(W().Edit37->Text(), "0.405");
    EXPECT_FALSE(W().CheckBox6->Checked());
    T().StringGrid1->SetCell(3, 4, "GL");
    EXPECT_EQ(Run([this] { Click(4); }), "The GL drag function is not available.");
}

TEST_F(ListWindow, SortKeepsEqualCalibresInOrder) {
    Put({{"4.500", "a", "", "", "", "", ""},
         {"9.30", "b", "", "", "", "", ""},
         {"5.56", "c", "", "", "", "", ""},
         {"7.62", "d", "", "", "", "", ""},
         {"5.56", "e", "", "", "", "", ""}});
    T().Button7Click(nullptr);
    std::string order, calibres;
    for (const auto& row : Grid()) {
        order += row[1];
        calibres += row[0] + " ";
    }
    EXPECT_EQ(order, "acedb");
    EXPECT_EQ(calibres, "4.500 5,56 5,56 7,62 9,3 ");
}

TEST_F(ListWindow, SortGivesTheBubbleSortsOrderAndTextsAtOnce) {
    // 600 rows of few calibres, many equal; the notice tells the rows apart.
    Rows rows;
    for (int i = 0; i < 600; ++i)
        rows.push_back(
            {std::to_string((i * 7919) % 13) + ".50", "", "", "", "", "", std::to_string(i)});
    Put(rows);
    // The bubble sort: a strictly smaller calibre swaps upward and both rows
    // get their calibre written from its number.
    const auto calibre = [&rows](std::size_t r) {
        return std::stod(CommaToPoint(rows[r][0], true));
    };
    for (std::size_t pass = 0; pass < rows.size(); ++pass)
        for (std::size_t s = 0; s + 1 < rows.size(); ++s)
            if (calibre(s + 1) < calibre(s)) {
                std::swap(rows[s], rows[s + 1]);
                for (std::size_t t : {s, s + 1})
                    rows[t][0] = PointToComma(FloatToStr(calibre(t)), true);
            }
    T().Button7Click(nullptr);
    EXPECT_EQ(Grid(), rows);
    // A calibre that is no number leaves the list as it was.
    T().StringGrid1->SetCell(1, 300, "x");
    const Rows before = Grid();
    EXPECT_THROW(T().Button7Click(nullptr), EConvertError);
    EXPECT_EQ(Grid(), before);
}

TEST_F(ListWindow, RowCommands) {
    T().Button1Click(nullptr);
    EXPECT_EQ(T().AddListRow(), 1);  // a cleared table takes the bullet in row 1
    for (const char* number : {"0", "-1", "2", "1e30"}) {
        T().Edit1->SetText(number);
        EXPECT_EQ(Run([this] { T().Button2Click(nullptr); }), "This Row does not exist.");
    }
    T().Edit1->SetText("1");
    EXPECT_EQ(Run([this] { T().Button2Click(nullptr); }), "This Row cannot be deleted.");
}

}  // namespace
