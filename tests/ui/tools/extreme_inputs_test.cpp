// Every tool window's edits driven with extreme and bad values: nothing shown
// ever holds "inf", "nan" or a figure of hundreds of digits, every figure
// shown lies whole in its room, and an action that is refused changes
// nothing that is shown.
#include <QFontMetrics>
#include <QWidget>
#include <regex>

#include "compute/shown_figures.h"
#include "engine/numeric.h"
#include "platform/sysutils.h"
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

// The label shows its whole text in its own font, inside its parent's frame,
// and covers no other control that is shown beside it.
void ExpectInItsRoom(const TLabel& label, const std::string& where) {
    const QWidget& shown = *label.Widget();
    const QRect at = shown.geometry();
    const QString text = QString::fromStdString(label.Text());
    EXPECT_LE(QFontMetrics(shown.font()).horizontalAdvance(text), at.width())
        << where << ": " << label.Name() << " cut";
    const QRect inner = shown.parentWidget()->contentsRect();
    EXPECT_TRUE(at.left() >= inner.left() && at.right() <= inner.right())
        << where << ": " << label.Name() << " leaves its frame";
    for (const QObject* child : shown.parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(child);
        if (!other || other == &shown || other->isHidden() || other->isWindow()) continue;
        EXPECT_FALSE(other->geometry().intersects(at))
            << where << ": " << label.Name() << " over " << other->objectName().toStdString();
    }
}

// Every label of the window that shows a number, where a number is shown.
void ExpectFiguresInTheirRoom(const TForm& window, const std::string& where) {
    for (int n = 1; n < 100; ++n) {
        const auto* label =
            dynamic_cast<TLabel*>(window.FindComponent("Label" + std::to_string(n)));
        if (!label || !label->Visible()) continue;
        try {
            StrToFloat(label->Text());
        } catch (const EConvertError&) {
            continue;
        }
        ExpectInItsRoom(*label, where);
    }
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
                            ExpectFiguresInTheirRoom(*c.window, where);
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

// Figures too wide for the room between their caption and their unit are
// refused with the window's message and change nothing; the figures of real
// shots still show.
TEST_F(ExtremeInputs, FiguresWiderThanTheirRoomAreRefused) {
    Tvstup& w = W();
    const auto set = [](std::vector<std::pair<TEdit*, const char*>> texts) {
        return [texts] {
            for (auto [edit, text] : texts) edit->SetText(text);
        };
    };
    // The click counter at `previous`, its arrow moved one further, with a
    // click of the user's own that a refused click must not take over.
    const auto clickFrom = [&w](int previous, int moved) {
        return [&w, previous, moved] {
            w.ComboBox2->UserPicked(7);  // "mm/100m" from its field
            w.Edit24->SetText("7");
            w.UpDown1->SetPosition(previous);
            w.Label12->SetCaption(std::to_string(previous));
            w.UpDown1->SetPosition(moved);
        };
    };
    const Action distance = [this] { m.Button3Click(nullptr); };
    const Action energy = [this] { e.Button1Click(nullptr); };
    const Action atmosphere = [this] { a.Button1Click(nullptr); };
    const Action powder = [this] { p.Button1Click(nullptr); };
    const Action click = [&w] { w.UpDown1Click(nullptr, btNext); };
    const char* const refused = ResultTooLargeMessage;
    struct Row {
        const char* name;
        TForm* window;
        Action enter, act;
        const char* message;  // "" when the figures show
        TLabel* label;
        const char* shows;  // the label's text after the action
    };
    const Row rows[] = {
        {"object of 1e300 m", &m, set({{m.Edit1, "1.234567891234e300"}, {m.Edit2, "1"}}), distance,
         refused, m.Label3, "100"},
        {"a distance of 1e10 m", &m, set({{m.Edit1, "1e7"}}), distance, refused, m.Label3, "100"},
        {"a man at 2 mils", &m, set({{m.Edit1, "1.8"}, {m.Edit2, "2"}}), distance, "", m.Label3,
         "900"},
        {"5000 m/s, 1 kg, 1 mm", &e, set({{e.Edit1, "5000"}, {e.Edit2, "1000"}, {e.Edit3, "1"}}),
         energy, refused, e.Label14, "0"},
        {"1.2e150 m/s", &e,
         set({{e.Edit1, "1.23456789012345e150"}, {e.Edit2, "15"}, {e.Edit3, "7.62"}}), energy,
         refused, e.Label1, "0"},
        {"a rifle bullet", &e, set({{e.Edit1, "800"}}), energy, "", e.Label14, "10525.5"},
        {"1e300 hPa", &a, set({{a.Edit2, "1e300"}}), atmosphere, refused, a.Label14, "0"},
        {"the standard sea level", &a, set({{a.Edit2, "1013.25"}}), atmosphere, "", a.Label14,
         "971.89"},
        {"123456789012.5 m/s", &p, set({{p.Edit1, "123456789012.5"}}), powder, refused, p.Label1,
         "0"},
        {"a warm cartridge", &p, set({{p.Edit1, "800"}}), powder, "", p.Label1, "811.2"},
        {"100 clicks down", &w, clickFrom(-99, -100), click, "", w.Label12, "-100"},
        {"500 clicks down", &w, clickFrom(-499, -500), click, "", w.Label12, "-500"},
        {"500 clicks up", &w, clickFrom(499, 500), click, "", w.Label12, "500"},
    };
    w.ComboBox7->SetItemIndex(0);
    for (const Row& row : rows) {
        row.enter();
        const Texts before = Everything(row.window);
        const double clickValue = Engine().Settings.ClickValue;
        EXPECT_EQ(Act(row.act), row.message) << row.name;
        if (*row.message) {
            EXPECT_EQ(Everything(row.window), before) << row.name;
            EXPECT_EQ(Engine().Settings.ClickValue, clickValue) << row.name;
        }
        EXPECT_EQ(row.label->Text(), row.shows) << row.name;
        ExpectFiguresInTheirRoom(*row.window, row.name);
    }
    EXPECT_EQ(w.UpDown1->Position(), 500);

    // Every count of the click counter is taken and shows whole between the
    // arrows and "Zero", up from "Zero" to the top and down to the bottom.
    for (TUDBtnType arrow : {btNext, btPrev}) {
        w.Button8Click(nullptr);
        for (int clicks = 1; clicks <= 500; ++clicks) {
            w.UpDown1->ArrowPressed(arrow);
            const std::string count = std::to_string(arrow == btNext ? clicks : -clicks);
            ASSERT_TRUE(services_.messages.empty()) << count;
            ASSERT_EQ(w.Label12->Text(), count);
            ExpectInItsRoom(*w.Label12, "count " + count);
        }
    }

    // The step's milliseconds fit their room at every position of its bar.
    for (int position = w.ScrollBar1->Min(); position <= w.ScrollBar1->Max(); ++position) {
        w.ScrollBar1->SetPosition(position);
        ExpectInItsRoom(*w.Label50, "step " + w.Label50->Text());
    }
}

}  // namespace
