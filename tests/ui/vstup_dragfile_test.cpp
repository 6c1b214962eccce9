// "Load Drag Function" in the calculator window: a good file changes the
// selection, the table, the file name, the bullet fields and the mode
// together; a bad one changes nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QLocale>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/state.h"
#include "platform/base.h"
#include "platform/testing/scripted_services.h"
#include "ui/Vstup1.h"

namespace fs = std::filesystem;

namespace {

// Table entries are copied, not recomputed, when nothing may change.
constexpr double SameEntry = 0;
// Entries on a file's straight line, against the test's own line.
constexpr double LineTolerance = 1e-12;

// The example bullet: 9.5 g, 7.82 mm, and a two-point function.
const std::string GoodFile = "DRG, Test bullet,0.0095,0.00782\n0.3 0.5\n0.4 1.0\n0 0\n";

class WindowDragFile : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        ResetEngineState();
        window_ = std::make_unique<Tvstup>();
        dir_ = fs::temp_directory_path() / ("vstup_dragfile_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        // Counts the runs of the mode's click handler and keeps what the
        // coefficient field held at each, whoever else handles the click.
        TRadioGroup* modes = W().RadioGroup5;
        TNotifyEvent original = modes->OnClick;
        modes->OnClick = [this, original](TObject* sender) {
            coefficientAtClick_.push_back(W().Edit1->Text());
            if (original) original(sender);
        };
    }
    void TearDown() override {
        window_.reset();
        fs::remove_all(dir_);
    }
    Tvstup& W() { return *window_; }

    std::string Write(const std::string& name, const std::string& content) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    // Presses "Load Drag Function" with the dialog answering `path`.
    void Load(std::optional<std::string> path) {
        services_.AnswerFileDialog(std::move(path));
        // A press from code hands the event's abort to its caller; the
        // library swallows it where a user's press comes in.
        try {
            W().Button4->Click();
        } catch (const EAbort&) {
        }
    }

    // What a refused or missing file must leave as it was.
    struct Snapshot {
        std::vector<std::string> fields;
        int item, mode;
        bool addToList;
        std::string fileName;
        std::vector<double> table;
    };
    Snapshot Take() {
        Tvstup& w = W();
        Snapshot s;
        for (TEdit* e : {w.Edit33, w.Edit1, w.Edit2, w.Edit3}) s.fields.push_back(e->Text());
        s.item = w.ComboBox6->ItemIndex();
        s.mode = w.RadioGroup5->ItemIndex();
        s.addToList = w.Button7->Enabled();
        s.fileName = Engine().DragFileName;
        s.table.assign(Engine().ActiveDragTable, Engine().ActiveDragTable + DragTableSize);
        return s;
    }
    void ExpectUnchanged(const Snapshot& before) {
        const Snapshot now = Take();
        EXPECT_EQ(now.fields, before.fields);
        EXPECT_EQ(now.item, before.item);
        EXPECT_EQ(now.mode, before.mode);
        EXPECT_EQ(now.addToList, before.addToList);
        EXPECT_EQ(now.fileName, before.fileName);
        for (int s = 0; s < DragTableSize; ++s)
            ASSERT_NEAR(now.table[s], before.table[s], SameEntry) << s;
        EXPECT_TRUE(coefficientAtClick_.empty());
    }

    ScriptedServices services_;
    std::unique_ptr<Tvstup> window_;
    fs::path dir_;
    std::vector<std::string> coefficientAtClick_;
};

}  // namespace

TEST_F(WindowDragFile, GoodFileChangesEverythingTogether) {
    ASSERT_EQ(W().RadioGroup5->ItemIndex(), 1);  // "Ballistic Coefficient"
    const std::string path = Write("good.drg", GoodFile);
    Load(path);
    EXPECT_TRUE(services_.messages.empty());
    ASSERT_EQ(services_.fileRequests.size(), 1u);
    EXPECT_EQ(services_.fileRequests[0].filter, "Drag Function  (*.drg)|*.drg");

    EXPECT_EQ(W().ComboBox6->ItemIndex(), 0);
    EXPECT_FALSE(W().Button7->Enabled());  // "Add to List"
    EXPECT_EQ(Engine().DragFileName, path);
    EXPECT_EQ(W().Edit33->Text(), "Test bullet");
    EXPECT_EQ(W().Edit2->Text(), "9.5");
    EXPECT_EQ(W().Edit3->Text(), "7.82");
    // The mode changed once, with the coefficient at form factor 1 in place.
    EXPECT_EQ(coefficientAtClick_, std::vector<std::string>{"0.221"});
    EXPECT_EQ(W().RadioGroup5->ItemIndex(), 0);
    EXPECT_EQ(W().Edit1->Text(), "1");

    // 0.3 at Mach 0.5, 0.4 at Mach 1.0, held at 0.4 up to 1700 m/s.
    const double v1 = 0.5 * 340.29, v2 = 1.0 * 340.29;
    const double slope = (0.4 - 0.3) / (v2 - v1);
    EXPECT_NEAR(Engine().ActiveDragTable[0], 0.3 - slope * v1, LineTolerance);
    EXPECT_NEAR(Engine().ActiveDragTable[300], 0.3 + slope * (300 - v1), LineTolerance);
    EXPECT_NEAR(Engine().ActiveDragTable[MaxDragSpeed], 0.4, LineTolerance);
}

TEST_F(WindowDragFile, ModeHandlerDoesNotRunWhenTheModeStands) {
    W().RadioGroup5->SetItemIndex(0);
    coefficientAtClick_.clear();
    Load(Write("good.drg", GoodFile));
    EXPECT_TRUE(coefficientAtClick_.empty());
    EXPECT_EQ(W().Edit1->Text(), "1");
    EXPECT_EQ(W().Edit2->Text(), "9.5");
}

TEST_F(WindowDragFile, CancelChangesNothing) {
    const Snapshot before = Take();
    Load(std::nullopt);
    EXPECT_TRUE(services_.messages.empty());
    ExpectUnchanged(before);
}

TEST_F(WindowDragFile, MissingFileShowsItsMessageAndChangesNothing) {
    const Snapshot before = Take();
    Load((dir_ / "missing.drg").string());
    EXPECT_EQ(services_.messages, std::vector<std::string>{"DRG function not found."});
    ExpectUnchanged(before);
}

TEST_F(WindowDragFile, RefusedFilesChangeNothing) {
    std::string tooMany = "DRG, Test bullet,0.0095,0.00782\n";
    for (int i = 0; i < 299; ++i) tooMany += "0.3 " + std::to_string(0.5 + 0.01 * i) + "\n";
    const struct {
        const char* name;
        std::string content;
        const char* message;
    } rows[] = {
        {"tag of 20", "DRG4567890123456789x, Test,0.0095,0.00782\n0.3 0.5\n", "Wrong data format."},
        {"mass 0", "DRG, Test,0,0.00782\n0.3 0.5\n", "Wrong data format."},
        {"299 pairs", tooMany, "Too many entries."},
        {"encoded", "DRG, Test,0.0095,0.00782, Encoded  1.0\n",
         "Encoded drag function files are not supported."},
    };
    const Snapshot before = Take();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        services_.messages.clear();
        Load(Write("bad.drg", row.content));
        EXPECT_EQ(services_.messages, std::vector<std::string>{row.message});
        ExpectUnchanged(before);
    }
}

TEST_F(WindowDragFile, LoaderPathReadsWithoutTheDialog) {
    const std::string path = Write("good.drg", GoodFile);
    W().ReadDragFunctionFile(path);
    EXPECT_TRUE(services_.fileRequests.empty());
    EXPECT_EQ(Engine().DragFileName, path);
    EXPECT_EQ(W().Edit3->Text(), "7.82");
    // A bad file ends the caller's event.
    EXPECT_THROW(W().ReadDragFunctionFile(Write("bad.drg", "no comma here\n")), EAbort);
    EXPECT_EQ(Engine().DragFileName, path);
    // A missing one only shows its message; the caller goes on.
    EXPECT_NO_THROW(W().ReadDragFunctionFile((dir_ / "missing.drg").string()));
    EXPECT_EQ(services_.messages.back(), "DRG function not found.");
}
