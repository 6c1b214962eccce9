// Program start: the twelve windows in their order, the start window with its
// picture, "Start" and "Close", and the JPEG decoder behind the picture.
#include "ui/program.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTest>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/state.h"
#include "forms/pictures.h"
#include "platform/testing/scripted_services.h"

namespace {

// CreateForm as the program's application has it, without a second
// QApplication: the forms live as long as this object.
class TestApplication {
  public:
    template <class T>
    void CreateForm(T*& reference) {
        auto form = std::make_unique<T>();
        reference = form.get();
        forms.push_back(std::move(form));
    }
    ~TestApplication() {
        while (!forms.empty()) forms.pop_back();
    }
    std::vector<std::unique_ptr<TForm>> forms;
};

class ProgramStart : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        ResetEngineState();
        application_ = std::make_unique<TestApplication>();
        CreateWindows(*application_);
    }
    void TearDown() override {
        application_.reset();
        zakladni = nullptr;
        vstup = nullptr;
        oprogramu = nullptr;
        tabulka = nullptr;
        prevody = nullptr;
        nmv = nullptr;
        koeficienty = nullptr;
        grafodporu = nullptr;
        mildot = nullptr;
        nastaveniuloz = nullptr;
        teplotaprachu = nullptr;
        energie = nullptr;
    }

    ScriptedServices services_;
    std::unique_ptr<TestApplication> application_;
};

TEST_F(ProgramStart, CreatesTheTwelveWindowsInOrder) {
    struct Expected {
        TForm* instance;
        const char* caption;
    };
    const Expected windows[] = {
        {zakladni, "Vantorra - Melvask 2018"},
        {vstup, "Vantorra"},
        {oprogramu, "About"},
        {tabulka, "List of Bullets and Cartridges"},
        {prevody, "Unit Conversion"},
        {nmv, "ICAO Atmosphere"},
        {koeficienty, "Drag Function Conversion"},
        {grafodporu, "Drag Function Graph"},
        {mildot, "Reticle"},
        {nastaveniuloz, "Save Computation to File"},
        {teplotaprachu, "Muzzle Velocity Recomputation"},
        {energie, "Projectile Energy"},
    };
    ASSERT_EQ(application_->forms.size(), std::size(windows));
    for (std::size_t i = 0; i < std::size(windows); ++i) {
        ASSERT_NE(windows[i].instance, nullptr) << i;
        EXPECT_EQ(application_->forms[i].get(), windows[i].instance) << i;
        EXPECT_EQ(windows[i].instance->Caption(), windows[i].caption) << i;
    }
    EXPECT_EQ(MainForm(), zakladni);
    EXPECT_TRUE(services_.messages.empty());
}

TEST_F(ProgramStart, StartWindowShowsItsPicture) {
    const TPicture& picture = *zakladni->Image2->Picture();
    EXPECT_EQ(picture.Width(), 265);
    EXPECT_EQ(picture.Height(), 105);
    EXPECT_EQ(zakladni->ClientWidth(), 481);
    EXPECT_EQ(zakladni->ClientHeight(), 177);
}

TEST_F(ProgramStart, StartTwiceKeepsTheInputs) {
    int shown = 0;
    services_.onShowModal = [&](TForm& form) {
        ASSERT_EQ(&form, vstup);
        if (++shown == 1) vstup->Edit4->SetText("850");
    };
    zakladni->Button1->Click();
    zakladni->Button1->Click();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(vstup->Edit4->Text(), "850");
    EXPECT_EQ(vstup->Edit1->Text(), "0.462");
    EXPECT_EQ(vstup->ComboBox6->ItemIndex(), 1);
}

TEST_F(ProgramStart, CloseHidesTheStartWindow) {
    zakladni->Show();
    zakladni->Button2->Click();
    EXPECT_FALSE(zakladni->Visible());
}

// Enter as a user presses it: on a focused button it presses that button;
// elsewhere it presses the window's default button, and only the calculator
// window has one ("Compute!").
TEST_F(ProgramStart, EnterPressesTheFocusedButtonElseTheDefaultOne) {
    const auto enterOn = [](TControl* control) {
        QWidget* widget = control->Widget();
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
    };
    // The start window opens with "Start" focused; Enter opens the calculator.
    int calculatorShown = 0;
    services_.onShowModal = [&](TForm& form) { calculatorShown += &form == vstup; };
    zakladni->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(zakladni->Window()));
    ASSERT_EQ(zakladni->Window()->focusWidget(), zakladni->Button1->Widget());
    QTest::keyClick(zakladni->Window()->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(calculatorShown, 1);

    // The energy window: Enter in an edit computes nothing; Tab on to
    // "Compute" and Enter computes.
    energie->Show();
    energie->Edit1->SetText("900");
    energie->Edit2->SetText("15");
    enterOn(energie->Edit3);
    EXPECT_EQ(energie->Label1->Text(), "0");
    for (int tabs = 0; tabs < 10 && energie->Window()->focusWidget() != energie->Button1->Widget();
         ++tabs)
        QTest::keyClick(energie->Window()->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(energie->Window()->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(energie->Label1->Text(), "6075");  // J: 15 g at 900 m/s

    // The calculator: Enter on "Clear" clears and computes nothing; back in
    // an edit, Enter computes.
    vstup->Show();
    TStrings& pane = vstup->Memo1->Lines();
    enterOn(vstup->Edit4);
    EXPECT_GT(pane.Count(), 10);
    enterOn(vstup->Button2);
    EXPECT_EQ(pane.Count(), 0);
    enterOn(vstup->Edit4);
    EXPECT_GT(pane.Count(), 10);
    EXPECT_TRUE(services_.messages.empty());
}

// Each window on its own: a description the form library refuses (unknown
// property, duplicate name, a name the class looks up that is missing, a
// handler not bound) throws here.
template <class Window>
void ExpectBuilds(const char* name) {
    EXPECT_NO_THROW({ Window window; }) << name;
}

TEST(WindowDescriptions, EveryWindowBuildsFromItsDescription) {
    ScriptedServices services;
    ExpectBuilds<Tzakladni>("zakladni");
    ExpectBuilds<Tvstup>("vstup");
    ExpectBuilds<Toprogramu>("oprogramu");
    ExpectBuilds<Ttabulka>("tabulka");
    ExpectBuilds<Tprevody>("prevody");
    ExpectBuilds<Tnmv>("nmv");
    ExpectBuilds<Tkoeficienty>("koeficienty");
    ExpectBuilds<Tgrafodporu>("grafodporu");
    ExpectBuilds<Tmildot>("mildot");
    ExpectBuilds<Tnastaveniuloz>("nastaveniuloz");
    ExpectBuilds<Tteplotaprachu>("teplotaprachu");
    ExpectBuilds<Tenergie>("energie");
    EXPECT_TRUE(services.messages.empty());
}

// A picture of several colours, not one flat fill.
int ColourCount(const TPicture& picture) {
    std::set<TColor> colours;
    for (int y = 0; y < picture.Height(); y += 5)
        for (int x = 0; x < picture.Width(); x += 5) colours.insert(picture.Pixel(x, y));
    return static_cast<int>(colours.size());
}

TEST(Jpeg, StartPictureDecodes) {
    TPicture picture;
    ASSERT_TRUE(LoadJpeg(StartPicture(), picture));
    EXPECT_EQ(picture.Width(), 265);
    EXPECT_EQ(picture.Height(), 105);
    EXPECT_GT(ColourCount(picture), 10);
}

TEST(Jpeg, CorruptPicturesDecodeToNothing) {
    const std::span<const unsigned char> good = StartPicture();
    std::vector<unsigned char> garbage(good.begin(), good.end());
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<unsigned char>(i * 7);
    std::vector<unsigned char> noStart(good.begin(), good.end());
    noStart[1] = 0x00;  // the start-of-image marker
    // Code counts of a Huffman table that add up to more codes than exist.
    std::vector<unsigned char> badTable(good.begin(), good.end());
    for (std::size_t i = 0; i + 21 < badTable.size(); ++i) {
        if (badTable[i] == 0xFF && badTable[i + 1] == 0xC4) {
            for (std::size_t k = i + 5; k <= i + 20; ++k) badTable[k] = 0xFF;
            break;
        }
    }
    // A frame header that claims 65535 × 65535 pixels.
    std::vector<unsigned char> huge(good.begin(), good.end());
    for (std::size_t i = 0; i + 8 < huge.size(); ++i) {
        if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
            for (std::size_t k = i + 5; k <= i + 8; ++k) huge[k] = 0xFF;
            break;
        }
    }
    const struct {
        const char* name;
        std::span<const unsigned char> data;
    } cases[] = {
        {"empty", {}},
        {"header only", good.first(40)},
        {"garbage", garbage},
        {"no start marker", noStart},
        {"broken Huffman table", badTable},
        {"absurd size", huge},
    };
    for (const auto& c : cases) {
        TPicture picture;
        picture.SetSize(10, 10);
        EXPECT_FALSE(LoadJpeg(c.data, picture)) << c.name;
        EXPECT_TRUE(picture.Empty()) << c.name;
    }
}

TEST(Jpeg, TruncatedImageDataStillGivesThePicture) {
    // libjpeg fills a picture whose data ends early and warns; the warning
    // must stay silent and the size stays right.
    const std::span<const unsigned char> good = StartPicture();
    TPicture picture;
    ASSERT_TRUE(LoadJpeg(good.first(good.size() / 2), picture));
    EXPECT_EQ(picture.Width(), 265);
    EXPECT_EQ(picture.Height(), 105);
}

}  // namespace
