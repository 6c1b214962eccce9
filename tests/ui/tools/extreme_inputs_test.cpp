// Every tool window's edits driven with extreme and bad values: nothing shown
// ever holds "inf", "nan" or a figure of hundreds of digits, and an action
// that is refused changes nothing that is shown.
#include <regex>

#include "compute/shown_figures.h"
#include "engine/numeric.h"
#include "tests/ui/tools/tool_fixture.h"
#include "ui/tools/Energie1.h"
#include "ui/tools/Grafodporu1.h"
#include "ui/tools/Koeficienty1.h"
#include "ui/tools/Mildot1.h"
#include "ui/tools/Nmv1.h"
#include "ui/tools/Prevody1.h"
#include "ui/tools/Teplotaprachu1.h"

namespace {

using Texts = std::vector<std::string>;
using Action = std::function<void()>;

// The texts of a window's labels, edits and result pane.
Texts Shown(const TForm& window) {
    Texts texts;
    for (const char* kind : {"Label", "Edit", "Memo"})
        for (int n = 1; n < 100; ++n)
            if (auto* c = dynamic_cast<TControl*>(window.FindComponent(kind + std::to_string(n))))
                texts.push_back(c->Text());
    return texts;
}

// A window in each of its settings; its edits (those of the calculator
// window it reads, or else all of its own) against each of its actions.
struct WindowCase {
    TForm* window;
    std::vector<TEdit*> edits;
    std::vector<Action> settings, actions;
};

class ExtremeInputs : public ToolTest {
  protected:
    std::string Act(const Action& action) {
        try {
            return Run(action);
        } catch (const EConvertError& error) {
            return error.what();
        }
    }
    Texts Everything(TForm* window) {
        Texts texts = Shown(*window);
        if (window != &g) return texts;
        // The drag curve and its axis in plain digits, as the graph labels them.
        texts.push_back(FormatLine("%.0f", DragGraphState.YMax[0]));
        for (int v = 0; v <= 1700; v += 50) texts.push_back(FormatLine("%.0f", DragGraphValues[v]));
        return texts;
    }
    Tkoeficienty k;
    Tmildot m;
    Tnmv a;
    Tteplotaprachu p;
    Tgrafodporu g;
    Tprevody u;
    Tenergie e;
};

TEST_F(ExtremeInputs, NothingShownIsNoNumberAndARefusalChangesNothing) {
    Tvstup& w = W();
    const auto choose = [](auto* control, std::initializer_list<int> items) {
        std::vector<Action> settings;
        for (int item : items) settings.push_back([=] { control->SetItemIndex(item); });
        return settings;
    };
    std::vector<Action> unitButtons;
    for (int n = 1; n <= 18; ++n)
        unitButtons.push_back(
            [this, n] { u.Find<TBitBtn>("BitBtn" + std::to_string(n))->Click(); });
    const std::vector<WindowCase> cases = {
        {&w, {w.Edit3, w.Edit4, w.Edit23}, choose(w.ComboBox4, {0, 1, 2}), {[&w] {
             w.Button13Click(nullptr);
         }}},
        {&k, {}, choose(k.RadioGroup1, {0, 1}), {[this] { k.Button1Click(nullptr); }}},
        {&m, {w.Edit42, w.Edit43}, choose(w.ComboBox7, {0, 5}), {[this] {
             m.Button3Click(nullptr);
         }}},
        {&m, {}, choose(w.ComboBox7, {0, 5}), {[this] { m.Button3Click(nullptr); }}},
        {&a, {}, {[] {}}, {[this] { a.Button1Click(nullptr); }}},
        {&p,
         {},
         {[] {}},
         {[this] { p.Button1Click(nullptr); }, [this] { p.Button2Click(nullptr); }}},
        {&g,
         {w.Edit1, w.Edit2, w.Edit3, w.Edit36, w.Edit37},
         choose(w.RadioGroup5, {0, 1, 2}),
         {[this] { g.FormActivate(&g); }}},
        {&u, {}, {[] {}}, unitButtons},
        {&e,
         {},
         {[this] { e.CheckBox2->SetChecked(true); }, [this] { e.CheckBox2->SetChecked(false); }},
         {[this] { e.Button1Click(nullptr); }}},
    };
    // The bullet of the calculator window, as the windows take it when shown.
    k.FormActivate(&k);
    p.FormActivate(&p);
    e.FormCreate(&e);
    k.ComboBox1->SetItemIndex(1);
    // "inf" or "nan" in any case, or thirty digits in a row.
    const std::regex unreadable("inf|nan|[0-9]{30}", std::regex::icase);
    for (const WindowCase& c : cases) {
        std::vector<TEdit*> edits = c.edits;
        for (int n = 1; edits.empty() && n < 19; ++n)
            if (auto* edit =
                    dynamic_cast<TEdit*>(c.window->FindComponent("Edit" + std::to_string(n))))
                edits.push_back(edit);
        int shownResults = 0;  // some values are plain numbers: every window shows results too
        for (const Action& setting : c.settings) {
            setting();
            for (TEdit* edit : edits) {
                const std::string kept = edit->Text();
                for (const char* value : {"1e300", "1.7e308", "1.79e308", "4.9e-324", "-1.7e308",
                                          "0", "-1", "", "x", "1e-300", "1e-308", "3000"}) {
                    edit->SetText(value);
                    for (const Action& action : c.actions) {
                        const Texts before = Everything(c.window);
                        const std::string message = Act(action);
                        const Texts after = Everything(c.window);
                        const std::string where =
                            c.window->Name() + " " + edit->Name() + " = " + value;
                        for (const std::string& text : after)
                            EXPECT_FALSE(std::regex_search(text, unreadable))
                                << where << ": " << text.substr(0, 80);
                        if (message.empty()) {
                            ++shownResults;
                        } else {
                            EXPECT_EQ(after, before) << where << ": " << message;
                        }
                    }
                }
                edit->SetText(kept);
            }
        }
        EXPECT_GT(shownResults, 0) << c.window->Name();
    }

    // Finite results are shown, even far up the doubles: rounding to the
    // step does not overflow on its way.
    u.Find<TEdit>("Edit4")->SetText("1e306");
    EXPECT_EQ(Act([this] { u.Find<TBitBtn>("BitBtn4")->Click(); }), "");
    EXPECT_EQ(u.Find<TEdit>("Edit3")->Text(), "9.144E305");
    // An object filling a right angle or more in the reticle has no distance.
    m.Edit2->SetText("9000");
    EXPECT_EQ(Act([this] { m.Button3Click(nullptr); }), ResultTooLargeMessage);
    // The graph's "Form Factor" mode uses neither weight nor diameter.
    w.RadioGroup5->SetItemIndex(0);
    w.Edit1->SetText("1");
    w.Edit3->SetText("0");
    EXPECT_EQ(Act([this] { g.FormActivate(&g); }), "");
}

}  // namespace
