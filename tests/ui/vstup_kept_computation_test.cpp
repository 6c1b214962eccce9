// What "Save" and the init file write after a computation: the inputs,
// choices and table of that computation, whatever has changed in the window
// or in the engine's records since.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/numeric.h"
#include "engine/setup.h"
#include "platform/sysutils.h"
#include "tests/files/example_header.h"
#include "tests/ui/calculator_fixture.h"
#include "ui/tools/Nastaveniuloz1.h"

namespace {

constexpr int FileKinds = 4;  // text, ";" CSV, "," CSV, all data
const char* const FileNames[FileKinds] = {"saved.txt", "saved1.csv", "saved2.csv", "saved.dat"};

std::string Contents(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// The first line where two files differ, in both, or "" when they are equal.
std::string FirstDifference(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string lineA, lineB;
    while (true) {
        const bool moreA = static_cast<bool>(std::getline(x, lineA));
        const bool moreB = static_cast<bool>(std::getline(y, lineB));
        if (!moreA && !moreB) return "";
        if (moreA != moreB || lineA != lineB) return "[" + lineA + "] [" + lineB + "]";
    }
}

class KeptComputation : public CalculatorHandlers {
  protected:
    void SetUp() override {
        CalculatorHandlers::SetUp();
        // The file dialog moves the current folder into the test's own one.
        folder_ = std::filesystem::current_path();
        nastaveniuloz = &options_;
        services_.onShowModal = [this](TForm&) { options_.Button1->Click(); };
        // Every column, so that each one's values are in the files.
        for (TCheckBox* box :
             {options_.CheckBox1, options_.CheckBox2, options_.CheckBox3, options_.CheckBox4,
              options_.CheckBox5, options_.CheckBox6, options_.CheckBox7, options_.CheckBox8,
              options_.CheckBox9, options_.CheckBox10})
            box->SetChecked(true);
    }
    void TearDown() override {
        nastaveniuloz = nullptr;
        CalculatorHandlers::TearDown();
        std::filesystem::current_path(folder_);
    }

    // A start without an init file, or the next start after the end of this run.
    void Start(bool fresh) {
        window_.reset();
        if (fresh) std::remove((InitFileFolder() + "init").c_str());
        ResetEngineState();
        services_.messages.clear();
        window_ = std::make_unique<Tvstup>();
    }

    // A .308 computation with a custom click in mm/100 m, zeroed at 100 m.
    void Compute() {
        Tvstup& w = W();
        const std::pair<TEdit*, double> inputs[] = {
            {w.Edit1, 0.243}, {w.Edit2, 11.34}, {w.Edit4, 792.5},
            {w.Edit24, 7},    {w.Edit10, 3},    {w.Edit15, 300},
        };
        for (const auto& [edit, value] : inputs) edit->SetText(FloatToStr(value));
        w.Edit33->SetText(".308 Win 175gr");
        w.ComboBox6->SetItemIndex(5);  // "G7"
        w.ComboBox6Change(nullptr);
        w.ComboBox2->SetItemIndex(ClickInMm);
        w.ComboBox2Change(nullptr);
        w.CheckBox4->SetChecked(true);
        w.CheckBox5->SetChecked(false);
        ASSERT_EQ(Handle(&Tvstup::Button3Click), "");
    }

    std::string Save(int kind) {
        options_.RadioGroup1->SetItemIndex(kind);
        const std::string path = InitFileFolder() + FileNames[kind];
        std::remove(path.c_str());
        services_.AnswerFileDialog(path);
        W().Button5->Click();
        return Contents(path);
    }

    // The four kinds of "Save", then the init file the end of the run writes.
    std::vector<std::string> SaveAllAndEnd() {
        std::vector<std::string> files;
        for (int kind = 0; kind < FileKinds; ++kind) files.push_back(Save(kind));
        window_.reset();
        files.push_back(Contents(InitFileFolder() + "init"));
        return files;
    }

    // "Load" of a results file of another load: G1, 0.6, 14.256 g, 310 m/s.
    void LoadAnotherLoad() {
        ResultsHeaderData other = ExampleHeader();
        other.AmmoName = "Other load";
        other.Input.BallisticCoefficient = 0.6;
        other.Input.BulletMass = 0.014256;
        other.Input.MuzzleVelocity = 310;
        const std::string path = InitFileFolder() + "other.txt";
        std::ofstream(path, std::ios::binary) << Written(other);
        services_.AnswerFileDialog(path);
        ASSERT_EQ(Run([this] { W().Button15->Click(); }), "");
    }

    // The fields a header sets, as the window shows them.
    std::vector<std::string> HeaderFields() {
        Tvstup& w = W();
        std::vector<std::string> fields;
        for (TEdit* edit : {w.Edit33, w.Edit1, w.Edit2, w.Edit3, w.Edit4, w.Edit5, w.Edit6,
                            w.Edit19, w.Edit24, w.Edit13, w.Edit8, w.Edit9, w.Edit10})
            fields.push_back(edit->Text());
        fields.push_back(std::to_string(w.ComboBox6->ItemIndex()));
        fields.push_back(std::to_string(w.ComboBox2->ItemIndex()));
        fields.push_back(std::to_string(w.RadioGroup5->ItemIndex()));
        return fields;
    }

    Tnastaveniuloz options_;
    std::filesystem::path folder_;
};

struct Change {
    const char* name;
    std::function<void(Tvstup&)> apply;
};

}  // namespace

// Every change after a computation that is no computation leaves the files
// as they are without it, also after a "Load"; the next start shows the
// computation's inputs.
TEST_F(KeptComputation, ChangesAfterTheComputationReachNoFile) {
    const Change changes[] = {
        {"nothing", [](Tvstup&) {}},
        {"another drag function",
         [](Tvstup& w) {
             w.ComboBox6->SetItemIndex(1);
             w.ComboBox6Change(nullptr);
         }},
        {"another ammunition name", [](Tvstup& w) { w.Edit33->SetText("M80"); }},
        {"Coriolis Force", [](Tvstup& w) { w.CheckBox10->SetChecked(true); }},
        {"Drift", [](Tvstup& w) { w.CheckBox3->SetChecked(true); }},
        {"variable cross wind",
         [](Tvstup& w) {
             w.RadioGroup4->SetItemIndex(CrossWindVariable);
             w.RadioGroup4Click(nullptr);
         }},
        {"variable coefficient",
         [](Tvstup& w) { w.RadioGroup5->SetItemIndex(CoefficientVariable); }},
        {"a fixed click item",
         [](Tvstup& w) {
             w.ComboBox2->SetItemIndex(0);
             w.ComboBox2Change(nullptr);
         }},
        {"another custom click", [](Tvstup& w) { w.Edit24->SetText(FloatToStr(10)); }},
        {"click counter",
         [](Tvstup& w) {
             w.UpDown1->ArrowPressed(btPrev);
             w.UpDown1->ArrowPressed(btPrev);
         }},
        {"every header field typed over",
         [](Tvstup& w) {
             for (TEdit* edit :
                  {w.Edit1, w.Edit2, w.Edit3, w.Edit4, w.Edit5, w.Edit6, w.Edit19, w.Edit24,
                   w.Edit13, w.Edit8, w.Edit9, w.Edit10, w.Edit11, w.Edit55, w.Edit58})
                 edit->SetText("2");
         }},
        {"Load", [this](Tvstup&) { LoadAnotherLoad(); }},
    };
    Start(true);
    Compute();
    const std::vector<std::string> computed = HeaderFields();
    const std::vector<std::string> unchanged = SaveAllAndEnd();
    ASSERT_NE(unchanged[0].find("\n Drag Function: G7 "), std::string::npos) << unchanged[0];
    for (bool loadFirst : {false, true}) {
        for (const Change& change : changes) {
            SCOPED_TRACE(std::string(change.name) + (loadFirst ? " after a Load" : ""));
            Start(true);
            Compute();
            if (loadFirst) LoadAnotherLoad();
            change.apply(W());
            ASSERT_TRUE(W().Button5->Enabled());
            const std::vector<std::string> files = SaveAllAndEnd();
            for (int k = 0; k <= FileKinds; ++k)
                EXPECT_EQ(FirstDifference(files[k], unchanged[k]), "") << "file " << k;
            Start(false);
            EXPECT_EQ(HeaderFields(), computed);
            EXPECT_TRUE(services_.messages.empty());
        }
    }
}

// Up/downhill at its defaults (100 m along a 45 degree line), then two
// clicks down: the files keep the angle to the line of sight of the
// up/downhill table; the clicks go into the files of the next computation.
TEST_F(KeptComputation, ClicksAfterAnUpDownhillTable) {
    Start(true);
    ASSERT_EQ(Handle(&Tvstup::Button11Click), "");
    const std::string angle = W().Edit6->Text();
    const std::string angleLine =
        FormatLine("\n Angle of Departure [deg]:      %6.6f  ", StrToFloat(angle));
    // The table's distances stay along the line when the target is shown
    // by its horizontal distance and height afterwards.
    const std::string slant = Save(0);
    ASSERT_NE(slant.find("\n S.D.[m]"), std::string::npos);
    W().RadioButton1->SetChecked(true);
    EXPECT_EQ(FirstDifference(Save(0), slant), "");
    W().UpDown1->ArrowPressed(btPrev);
    W().UpDown1->ArrowPressed(btPrev);
    const std::string clicked = W().Edit6->Text();
    ASSERT_NE(clicked, angle);
    const std::vector<std::string> files = SaveAllAndEnd();
    for (int k : {0, 2, 3, 4}) EXPECT_NE(files[k].find(angleLine), std::string::npos) << k;
    EXPECT_NE(files[1].find("\n Angle of Departure [deg]:      " + angle + "  "),
              std::string::npos);
    for (const std::string& file : files) EXPECT_EQ(file.find("-44.9"), std::string::npos);
    Start(false);
    EXPECT_EQ(W().Edit6->Text(), angle);

    // The clicks, then "Compute!" in "Angle of Departure".
    W().UpDown1->ArrowPressed(btPrev);
    W().UpDown1->ArrowPressed(btPrev);
    ASSERT_EQ(W().Edit6->Text(), clicked);
    ASSERT_EQ(Handle(&Tvstup::Button3Click), "");
    const std::string next = Save(0);
    EXPECT_NE(
        next.find(FormatLine("\n Angle of Departure [deg]:      %6.6f  ", StrToFloat(clicked))),
        std::string::npos)
        << next;
    Start(false);
    EXPECT_EQ(W().Edit6->Text(), clicked);
}

// "Value in mm" or "Value in MOA" comes back from every file kind and the
// init file as the custom item with its value, never as a fixed item of the
// same value; also in a locale that writes decimal commas.
TEST_F(KeptComputation, CustomClickReadsBackAsCustom) {
    const struct {
        int item;
        double value;
        bool german;
    } rows[] = {
        {ClickInMm, 10, false}, {ClickInMm, 7, false}, {ClickInMm, 5, false},
        {ClickInMm, 10, true},  {ClickInMm, 7, true},  {ClickInMm, 5, true},
        {ClickInMm, 2.5, true}, {ClickInMoa, 1, true}, {ClickInMoa, 0.5, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(FloatToStr(row.value) + (row.german ? " German" : ""));
        QLocale::setDefault(row.german ? QLocale(QLocale::German) : QLocale::c());
        Start(true);
        Compute();
        W().ComboBox2->SetItemIndex(row.item);
        W().ComboBox2Change(nullptr);
        W().Edit24->SetText(FloatToStr(row.value));
        ASSERT_EQ(Handle(&Tvstup::Button3Click), "");
        const std::vector<std::string> files = SaveAllAndEnd();
        const auto shown = [this] {
            return std::to_string(W().ComboBox2->ItemIndex()) + " " + W().Edit24->Text();
        };
        const std::string expected = std::to_string(row.item) + " " + FloatToStr(row.value);
        Start(false);
        EXPECT_EQ(shown(), expected) << "init";
        for (int kind = 0; kind < FileKinds; ++kind) {
            W().ComboBox2->SetItemIndex(4);  // "10mm/100m"
            W().ComboBox2Change(nullptr);
            W().Edit24->SetText("1");
            const std::string path = InitFileFolder() + FileNames[kind];
            services_.AnswerFileDialog(path);
            ASSERT_EQ(Run([this] { W().Button15->Click(); }), "") << kind;
            EXPECT_EQ(shown(), expected) << kind << "\n" << files[kind];
        }
    }
}
