// "Load" and the init file in the calculator window: a header sets the
// fields and the modes; a file that is no header changes nothing.
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine/dragtables.h"
#include "engine/setup.h"
#include "platform/safefile.h"
#include "platform/sysutils.h"
#include "tests/files/example_header.h"
#include "tests/platform/bad_files.h"
#include "tests/ui/calculator_fixture.h"
#include "ui/tools/Nastaveniuloz1.h"

namespace {

const char* const DrgFile = "DRG, Test bullet,0.0095,0.00782\n0.3 0.5\n0.4 1.0\n0 0\n";

// A test's own files go into its fresh init-file folder.
std::string Write(const std::string& name, const std::string& content) {
    const std::string path = InitFileFolder() + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

// Every control's state, the drag function in use and the air the tool windows read.
std::vector<std::string> Snapshot(Tvstup& w) {
    std::vector<std::string> s;
    for (const char* kind : {"Edit", "Label", "CheckBox", "RadioGroup", "ComboBox", "Button"}) {
        for (int k = 1; k <= 111; ++k) {
            auto* control = dynamic_cast<TControl*>(w.FindComponent(kind + std::to_string(k)));
            if (!control) continue;
            std::string state = control->Name() + "=" + control->Text() +
                                (control->Enabled() ? " on" : " off") +
                                (control->Visible() ? " shown " : " hidden ");
            if (auto* box = dynamic_cast<TCheckBox*>(control)) state += box->Checked() ? "x" : "";
            if (auto* radios = dynamic_cast<TRadioGroup*>(control))
                state += std::to_string(radios->ItemIndex());
            if (auto* list = dynamic_cast<TComboBox*>(control))
                state += std::to_string(list->ItemIndex());
            s.push_back(state);
        }
    }
    const EngineState& engine = Engine();
    s.push_back(engine.DragFileName + " " + std::to_string(engine.ActiveDragTable[500]));
    s.push_back(std::to_string(engine.Input.AirTemperature) + " " +
                std::to_string(engine.Input.AirPressure));
    return s;
}

class WindowLoad : public CalculatorHandlers {
  protected:
    // Presses "Load" with the dialog answering the file; returns what Run returns.
    std::string Load(const std::string& path) {
        services_.AnswerFileDialog(path);
        return Run([this] { W().Button15->Click(); });
    }

    // A computation whose inputs differ from the defaults in every header line.
    void Compute() {
        Tvstup& w = W();
        const std::pair<TEdit*, const char*> inputs[] = {
            {w.Edit33, "Test: B F"}, {w.Edit1, "0.431"}, {w.Edit2, "9.72"},   {w.Edit3, "7.82"},
            {w.Edit4, "790.5"},      {w.Edit5, "45"},    {w.Edit19, "150"},   {w.Edit24, "0.25"},
            {w.Edit13, "21.5"},      {w.Edit8, "990.1"}, {w.Edit9, "40"},     {w.Edit10, "2.5"},
            {w.Edit11, "-1"},        {w.Edit55, "0.5"},  {w.Edit58, "9.806"},
        };
        for (const auto& [edit, text] : inputs) edit->SetText(text);
        w.ComboBox6->SetItemIndex(5);  // "G7"
        w.ComboBox6Change(nullptr);
        w.ComboBox2->SetItemIndex(ClickInMoa);
        w.ComboBox2Change(nullptr);
        w.RadioGroup6->SetItemIndex(0);  // the pressure as a load sets it
        w.CheckBox4->SetChecked(true);   // a short table
        w.Edit15->SetText("300");
        ASSERT_EQ(Run([&w] { w.Button3Click(nullptr); }), "");
    }
    // Other text in every field a header holds, and other modes.
    void ChangeEverything() {
        Tvstup& w = W();
        for (TEdit* edit :
             {w.Edit1, w.Edit2, w.Edit3, w.Edit4, w.Edit5, w.Edit6, w.Edit19, w.Edit22, w.Edit24,
              w.Edit13, w.Edit8, w.Edit9, w.Edit10, w.Edit11, w.Edit55, w.Edit58, w.Edit33})
            edit->SetText("1");
        w.ComboBox6->SetItemIndex(1);
        w.ComboBox6Change(nullptr);
        w.ComboBox2->SetItemIndex(0);
        w.ComboBox2Change(nullptr);
        for (TRadioGroup* modes : {w.RadioGroup3, w.RadioGroup5, w.RadioGroup6, w.RadioGroup7})
            modes->SetItemIndex(0);
        w.RadioGroup7->SetItemIndex(1);
        // No conversion of the coefficient can use this weight.
        w.Edit2->SetText("x");
    }
};

}  // namespace

TEST_F(WindowLoad, EveryKindOfSavedFileLoadsBack) {
    Tnastaveniuloz options;
    nastaveniuloz = &options;
    services_.onShowModal = [&options](TForm&) { options.Button1->Click(); };
    for (int kind = 0; kind < 4; ++kind) {
        Compute();
        // The altitude field is compared by itself below.
        W().Edit29->SetText("0");
        const std::string path = InitFileFolder() + "saved" + std::to_string(kind) +
                                 (kind == 1 || kind == 2 ? ".csv" : ".txt");
        options.RadioGroup1->SetItemIndex(kind);
        services_.AnswerFileDialog(path);
        W().Button5->Click();
        ASSERT_TRUE(std::ifstream(path)) << kind;
        const auto before = Snapshot(W());
        ChangeEverything();
        ASSERT_EQ(Load(path), "") << kind;
        // 21.5 °C and 990.1 hPa: 200.3 m in the standard atmosphere.
        EXPECT_EQ(W().Edit29->Text(), "200") << kind;
        W().Edit29->SetText("0");
        EXPECT_EQ(Snapshot(W()), before) << kind;
    }
    nastaveniuloz = nullptr;
}

TEST_F(WindowLoad, BandsInFileOrderAndNoAltitudeWithoutPressure) {
    Tvstup& w = W();
    w.CheckBox9->SetChecked(true);
    w.Edit29->SetText("123");
    w.RadioGroup5->SetItemIndex(CoefficientFormFactor);
    ResultsHeaderData header = ExampleHeader();
    header.Input.AirPressure = 0;
    header.SteppedBc.CoefficientMode = CoefficientVariable;
    for (int k = 0; k < 5; ++k) header.SteppedBc.Bands[k] = {0.5 - 0.05 * k, 800.0 - 100 * k};
    header.SteppedBc.BandInUse[3] = true;
    // Bands 1, 2 and 4 of a file load as bands 1, 2 and 3.
    ASSERT_EQ(Load(Write("bands.txt", Written(header))), "");
    EXPECT_EQ(w.RadioGroup5->ItemIndex(), CoefficientVariable);
    // Through "Ballistic Coefficient": Edit1 holds no form factor any more.
    EXPECT_TRUE(w.Label75->Visible() && !w.Label1->Visible());
    EXPECT_EQ(w.Edit32->Text(), "500");
    EXPECT_EQ(w.Edit38->Text(), "0.35");
    EXPECT_TRUE(w.CheckBox6->Checked() && w.Edit38->Enabled());
    EXPECT_FALSE(w.CheckBox7->Checked() || w.CheckBox9->Checked());
    EXPECT_EQ(w.Edit29->Text(), "123");
}

TEST_F(WindowLoad, DragFunctionLines) {
    Tvstup& w = W();
    ResultsHeaderData header = ExampleHeader();
    header.DragItem = FileFunctionItem;
    header.DragFileName = Write("bullet.drg", DrgFile);
    ASSERT_EQ(Load(Write("file.txt", Written(header))), "");
    EXPECT_EQ(w.ComboBox6->ItemIndex(), FileFunctionItem);
    EXPECT_EQ(Engine().DragFileName, header.DragFileName);
    EXPECT_EQ(w.RadioGroup5->ItemIndex(), CoefficientFormFactor);
    EXPECT_EQ(w.Edit1->Text(), "1.0152");

    // "GL" or a missing file: one message, the function in use stays, the rest loads.
    header.DragItem = GlItem;
    header.Input.MuzzleVelocity = 700;
    EXPECT_EQ(Load(Write("gl.txt", Written(header))), "(message without abort)");
    EXPECT_EQ(services_.messages, std::vector<std::string>{GlUnavailableMessage});
    EXPECT_EQ(w.ComboBox6->ItemIndex(), FileFunctionItem);
    EXPECT_EQ(w.Edit4->Text(), "700");
    header.DragItem = FileFunctionItem;
    header.DragFileName = "C:\\Drag\\m80.drg";
    header.Input.MuzzleVelocity = 600;
    EXPECT_EQ(Load(Write("missing.txt", Written(header))), "(message without abort)");
    EXPECT_EQ(services_.messages, std::vector<std::string>{"DRG function not found."});
    EXPECT_EQ(w.Edit4->Text(), "600");

    // A file that is no drag function: its message, nothing changed.
    header.DragFileName = Write("bad.drg", "no drag function");
    const auto before = Snapshot(w);
    EXPECT_EQ(Load(Write("bad.txt", Written(header))), "Wrong data format.");
    EXPECT_EQ(Snapshot(w), before);
}

TEST_F(WindowLoad, WhatIsNoHeaderChangesNothing) {
    Tvstup& w = W();
    const std::string text = Written(ExampleHeader());
    std::vector<std::string> files = {"", std::string("\0\x01:\xff", 4), text.substr(0, 600)};
    // Characters replaced, dropped or repeated at random.
    std::mt19937 random(12);
    for (int n = 0; n < 300; ++n) {
        std::string mutated = text;
        for (int k = 0; k < 3; ++k) {
            const std::size_t at = random() % mutated.size();
            if (k == 0) mutated[at] = static_cast<char>(random() % 256);
            if (k == 1) mutated.erase(at, 1 + random() % 20);
            if (k == 2) mutated.insert(at, mutated.substr(at, random() % 20));
        }
        files.push_back(mutated);
    }
    const std::string wrong = "Wrong data format. This is not an output file from Vantorra 2.4";
    for (const std::string& content : files) {
        const auto before = Snapshot(w);
        if (Load(Write("mutated.txt", content)) == wrong) {
            EXPECT_EQ(Snapshot(w), before);
        }
    }
    EXPECT_EQ(Load(Write("crlf.txt", WithCrLf(text))), "");
}

TEST_F(WindowLoad, InitFileKeepsTheInputsOfTheLastComputation) {
    // No computation: no init file.
    window_ = std::make_unique<Tvstup>();
    EXPECT_FALSE(std::ifstream(InitFileFolder() + "init"));

    Tvstup& w = W();
    const std::string drg = Write("bullet.drg", DrgFile);
    w.ReadDragFunctionFile(drg);
    w.Edit1->SetText("1.02");
    w.Edit4->SetText("790.5");
    ASSERT_EQ(Run([&w] { w.Button3Click(nullptr); }), "");
    const std::vector<std::string> kept = {w.Edit1->Text(), w.Edit2->Text(), w.Edit4->Text(),
                                           w.Edit6->Text(), w.Edit33->Text()};
    // The end of the run, and the next start in the same folder.
    window_.reset();
    ResetEngineState();
    window_ = std::make_unique<Tvstup>();
    Tvstup& next = W();
    EXPECT_EQ((std::vector<std::string>{next.Edit1->Text(), next.Edit2->Text(), next.Edit4->Text(),
                                        next.Edit6->Text(), next.Edit33->Text()}),
              kept);
    EXPECT_EQ(next.ComboBox6->ItemIndex(), FileFunctionItem);
    EXPECT_EQ(next.RadioGroup5->ItemIndex(), CoefficientFormFactor);
    EXPECT_EQ(Engine().DragFileName, drg);
    // "Load Drag Function" opens with that file chosen.
    EXPECT_EQ(next.OpenDialog2->FileName, drg);
    EXPECT_TRUE(services_.messages.empty());

    // A malformed init file: its message once, and the defaults stand.
    Write("init", Written(ExampleHeader()).substr(0, 400));
    window_ = std::make_unique<Tvstup>();
    EXPECT_EQ(services_.messages,
              std::vector<std::string>{
                  "Wrong data format. This is not an output file from Vantorra 2.4"});
    EXPECT_EQ(W().Edit3->Text(), "7.85");

    // A folder that cannot hold the file: the program ends quietly.
    services_.messages.clear();
    ASSERT_EQ(Run([this] { W().Button3Click(nullptr); }), "");
    Write("plain", "x");
    SetInitFileFolder(InitFileFolder() + "plain");
    window_.reset();
    EXPECT_TRUE(services_.messages.empty());
}

TEST_F(WindowLoad, BadPathsChangeNothing) {
    const std::string wrong = "Wrong data format. This is not an output file from Vantorra 2.4";
    const auto defaults = Snapshot(W());
    const std::string init = InitFileFolder() + "init";
    for (const BadFileRow& row : BadFiles) {
        SCOPED_TRACE(row.name);
        // "Load": only a file far too large for a header gets the message.
        if (!MakeBadFile(row.kind, InitFileFolder() + "bad.txt")) continue;
        EXPECT_EQ(Load(InitFileFolder() + "bad.txt"), row.kind == BadFile::Oversized ? wrong : "");
        EXPECT_EQ(Snapshot(W()), defaults);
        // The init file at start: the defaults, silently.
        MakeBadFile(row.kind, init);
        services_.messages.clear();
        window_ = std::make_unique<Tvstup>();
        EXPECT_TRUE(services_.messages.empty());
        EXPECT_EQ(Snapshot(W()), defaults);
    }
}

TEST_F(WindowLoad, AnUpDownhillTableKeepsTheAngleToTheLineOfSight) {
    Compute();
    const std::string angle = W().Edit6->Text();
    // A 45 degree slant line: raised twice, the angle would be refused.
    W().Edit14->SetText("45");
    ASSERT_EQ(Handle(&Tvstup::Button11Click), "");
    window_.reset();
    ResetEngineState();
    window_ = std::make_unique<Tvstup>();
    EXPECT_EQ(W().Edit6->Text(), angle);
    W().Edit14->SetText("45");
    EXPECT_EQ(Handle(&Tvstup::Button11Click), "");
}

TEST_F(WindowLoad, VariableCrossWindKeepsToTheLimitAndTheInitFileReadsBack) {
    struct Row {
        const char* name;
        const char* positions[5];
        const char* speeds[5];
        const char* message;
    };
    const Row rows[] = {
        {"site 3 far too strong",
         {"0", "100", "200", "300", "400"},
         {"0", "5", "1.7e308", "5", "0"},
         "Cross Wind too strong."},
        {"every site at the limit",
         {"0", "100", "200", "300", "400"},
         {"100", "-100", "100", "-100", "100"},
         ""},
        {"sites closer than any slope",
         {"0", "5e-324", "200", "300", "400"},
         {"-100", "100", "0", "5", "0"},
         ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        window_.reset();
        ResetEngineState();
        std::remove((InitFileFolder() + "init").c_str());
        window_ = std::make_unique<Tvstup>();
        Tvstup& w = W();
        w.RadioGroup4->SetItemIndex(CrossWindVariable);
        w.ComboBox3->SetItemIndex(3);  // 5 sites
        TEdit* const positions[] = {w.Edit44, w.Edit45, w.Edit46, w.Edit47, w.Edit48};
        TEdit* const speeds[] = {w.Edit49, w.Edit50, w.Edit51, w.Edit52, w.Edit53};
        for (int k = 0; k < 5; ++k) {
            positions[k]->SetText(row.positions[k]);
            speeds[k]->SetText(row.speeds[k]);
        }
        services_.messages.clear();
        EXPECT_EQ(Run([&w] { w.Button3Click(nullptr); }), row.message);
        // The header's cross wind is the one met at the last point; the next
        // start reads back what the end of this one wrote, without a message.
        window_.reset();
        std::string init;
        ReadFileBounded(InitFileFolder() + "init", init);
        EXPECT_EQ(init.find("inf"), std::string::npos) << init;
        EXPECT_EQ(init.find("nan"), std::string::npos) << init;
        ResetEngineState();
        services_.messages.clear();
        window_ = std::make_unique<Tvstup>();
        EXPECT_EQ(services_.messages, std::vector<std::string>{});
        EXPECT_LE(std::abs(StrToFloat(W().Edit10->Text())), 100);
    }
}
