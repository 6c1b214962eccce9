// Every window at its defaults, every tab of the calculator included: each
// caption (label, check box, radio button, group title) is whole inside its
// parent's frame and clear of everything drawn beside it, and each frame
// stays clear of the captions around it.
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <map>

#include "forms/energie_form.h"
#include "forms/grafodporu_form.h"
#include "forms/koeficienty_form.h"
#include "forms/mildot_form.h"
#include "forms/nastaveniuloz_form.h"
#include "forms/nmv_form.h"
#include "forms/oprogramu_form.h"
#include "forms/prevody_form.h"
#include "forms/tabulka_form.h"
#include "forms/teplotaprachu_form.h"
#include "forms/vstup_form.h"
#include "forms/zakladni_form.h"
#include "tests/ui/tools/tool_fixture.h"
#include "ui/Zakladni1.h"
#include "ui/tools/Energie1.h"
#include "ui/tools/Grafodporu1.h"
#include "ui/tools/Koeficienty1.h"
#include "ui/tools/Mildot1.h"
#include "ui/tools/Nastaveniuloz1.h"
#include "ui/tools/Nmv1.h"
#include "ui/tools/Oprogramu1.h"
#include "ui/tools/Prevody1.h"
#include "ui/tools/Tabulka1.h"
#include "ui/tools/Teplotaprachu1.h"

namespace {

// What a control draws, in its own coordinates: the text of a caption, the
// lines of a frame, or the whole face of any other control.
enum class Look { Caption, Frame, Face };
struct Mark {
    QRect rect;
    Look look;
};

// The four lines of a frame drawn on `r`, each two pixels wide.
void AddFrameLines(std::vector<Mark>& marks, const QRect& r, TBevelShape shape) {
    const QRect top(r.left(), r.top(), r.width(), 2),
        bottom(r.left(), r.bottom() - 1, r.width(), 2);
    const QRect left(r.left(), r.top(), 2, r.height()),
        right(r.right() - 1, r.top(), 2, r.height());
    switch (shape) {
        case bsBox:
        case bsFrame:
            for (const QRect& line : {top, bottom, left, right})
                marks.push_back({line, Look::Frame});
            break;
        case bsTopLine:
            marks.push_back({top, Look::Frame});
            break;
        case bsBottomLine:
            marks.push_back({bottom, Look::Frame});
            break;
        case bsLeftLine:
            marks.push_back({left, Look::Frame});
            break;
        case bsRightLine:
            marks.push_back({right, Look::Frame});
            break;
        case bsSpacer:
            break;
    }
}

// Where a text is drawn: across its advances as the style lays it out, and
// from the top to the bottom of its ink (a line's leading overlaps the next
// line's harmlessly).
QRect TextIn(const QWidget& w, const QRect& within, int flags, const QString& text) {
    const QFontMetrics& metrics = w.fontMetrics();
    const QRect line = w.style()->itemTextRect(metrics, within, flags, w.isEnabled(), text);
    const QRect ink = metrics.tightBoundingRect(text);
    return QRect(line.left(), line.top() + metrics.ascent() + ink.top(), line.width(),
                 ink.height());
}

// The caption of a check box or radio button, and its indicator.
std::vector<Mark> ButtonMarks(const QAbstractButton& b, bool radio) {
    QStyleOptionButton opt;
    opt.initFrom(&b);
    opt.text = b.text();
    const QRect indicator = b.style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &opt, &b);
    const QRect contents = b.style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &opt, &b);
    const QRect text =
        TextIn(b, contents, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, b.text());
    return {{indicator, Look::Face}, {text, Look::Caption}};
}

// The lines of a group box's frame, found where the style draws them: the
// rows and columns the box alone paints across more than half its size.
void AddDrawnLines(std::vector<Mark>& marks, const QGroupBox& box) {
    QImage image(box.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const_cast<QGroupBox&>(box).render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    const auto painted = [&image](int x, int y) { return qAlpha(image.pixel(x, y)) >= 0x20; };
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x) count += painted(x, y);
        if (2 * count > image.width())
            marks.push_back({QRect(0, y, image.width(), 1), Look::Frame});
    }
    for (int x = 0; x < image.width(); ++x) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) count += painted(x, y);
        if (2 * count > image.height())
            marks.push_back({QRect(x, 0, 1, image.height()), Look::Frame});
    }
}

// A group box's title and the lines of its frame.
std::vector<Mark> GroupMarks(const QGroupBox& box) {
    std::vector<Mark> marks;
    AddDrawnLines(marks, box);
    if (box.title().isEmpty()) return marks;
    QStyleOptionGroupBox opt;
    opt.initFrom(&box);
    opt.text = box.title();
    opt.lineWidth = 1;
    opt.textAlignment = box.alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    marks.push_back(
        {box.style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, &box),
         Look::Caption});
    return marks;
}

// The marks of a shown control, in its own coordinates.
std::vector<Mark> OwnMarks(const QWidget& w, const ControlDescription* d) {
    if (d && d->kind == Kind::Bevel) {
        std::vector<Mark> marks;
        AddFrameLines(marks, w.rect(), d->shape);
        return marks;
    }
    if (const auto* label = dynamic_cast<const QLabel*>(&w)) {
        if (label->text().isEmpty()) return {};
        return {{TextIn(*label, label->contentsRect(), static_cast<int>(label->alignment()),
                        label->text()),
                 Look::Caption}};
    }
    if (const auto* radio = dynamic_cast<const QRadioButton*>(&w)) return ButtonMarks(*radio, true);
    if (const auto* check = dynamic_cast<const QCheckBox*>(&w)) return ButtonMarks(*check, false);
    if (const auto* box = dynamic_cast<const QGroupBox*>(&w)) return GroupMarks(*box);
    return {{w.rect(), Look::Face}};
}

// A window's controls by their parent widget, as shown at their defaults.
class WindowCheck {
  public:
    WindowCheck(const TForm& form, const FormDescription& description) {
        for (const ControlDescription& d : description.controls) described_[d.name] = &d;
        QWidget* window = form.Window();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const ControlDescription* d = Described(*w);
            const bool radioItem = dynamic_cast<QRadioButton*>(w) && w->parentWidget() &&
                                   Described(*w->parentWidget());
            if ((!d && !radioItem) || (d && d->kind == Kind::TabSheet)) continue;
            if (!w->isVisibleTo(Page(*w, window))) continue;
            shown_[w->parentWidget()].push_back({w, d});
        }
    }

    // Each caption's text lies inside its own control and inside its
    // parent's frame, off the frame's lines, and clear of everything the
    // controls beside it draw.
    std::vector<std::string> Faults() const {
        std::vector<std::string> faults;
        for (const auto& [parent, controls] : shown_) {
            const QRect inner = parent->contentsRect();
            // A group's frame runs clear of the captions inside it. (The
            // first row's fields lie over its top line: their faces hide it.)
            std::vector<Mark> frame;
            if (const auto* box = dynamic_cast<const QGroupBox*>(parent)) frame = GroupMarks(*box);
            for (const Control& c : controls) {
                for (const Mark& mark : OwnMarks(*c.widget, c.description)) {
                    if (mark.look != Look::Caption || mark.rect.isEmpty()) continue;
                    const std::string name = Name(c);
                    const QRect text = mark.rect.translated(c.widget->pos());
                    if (!c.widget->geometry().contains(text))
                        faults.push_back(name + " is cut by its own bounds");
                    if (!inner.contains(text))
                        faults.push_back(name + " leaves the frame of " + Name(*parent));
                    // A pixel of the face shows between a frame's line and a text.
                    const QRect spaced = text.adjusted(-1, -1, 1, 1);
                    for (const Mark& line : frame)
                        if (line.look == Look::Frame && line.rect.intersects(spaced))
                            faults.push_back("the frame of " + Name(*parent) + " runs through " +
                                             name);
                    for (const Control& other : controls) {
                        if (other.widget == c.widget) continue;
                        for (const Mark& theirs : OwnMarks(*other.widget, other.description))
                            if (theirs.rect.translated(other.widget->pos()).intersects(text))
                                faults.push_back(name + " runs into " + Name(other));
                    }
                }
            }
        }
        return faults;
    }

  private:
    struct Control {
        QWidget* widget;
        const ControlDescription* description;
    };
    const ControlDescription* Described(const QWidget& w) const {
        const auto it = described_.find(w.objectName().toStdString());
        return it == described_.end() ? nullptr : it->second;
    }
    // The tab page a control lies on, or the window.
    static QWidget* Page(QWidget& w, QWidget* window) {
        for (QWidget* p = w.parentWidget(); p && p != window; p = p->parentWidget())
            if (dynamic_cast<QStackedWidget*>(p->parentWidget())) return p;
        return window;
    }
    static std::string Name(const QWidget& w) {
        if (const auto* b = dynamic_cast<const QAbstractButton*>(&w))
            if (w.objectName().isEmpty()) return "\"" + b->text().toStdString() + "\"";
        return w.objectName().toStdString();
    }
    static std::string Name(const Control& c) { return Name(*c.widget); }

    std::map<std::string, const ControlDescription*> described_;
    std::map<QWidget*, std::vector<Control>> shown_;
};

class CaptionRoom : public ToolTest {
  protected:
    // The window shown at its defaults.
    std::vector<std::string> FaultsOf(TForm& window, const FormDescription& description) {
        window.Show();
        const std::vector<std::string> faults = WindowCheck(window, description).Faults();
        window.Hide();
        return faults;
    }
};

TEST_F(CaptionRoom, EveryCaptionIsWholeAndClearOfItsNeighbours) {
    Tzakladni start;
    Toprogramu about;
    Ttabulka table;
    Tprevody units;
    Tnmv atmosphere;
    Tkoeficienty coefficient;
    Tgrafodporu dragGraph;
    Tmildot reticle;
    Tnastaveniuloz saveOptions;
    Tteplotaprachu powder;
    Tenergie energy;
    const struct {
        TForm* window;
        FormDescription description;
    } windows[] = {
        {&W(), VstupForm()},
        {&start, ZakladniForm()},
        {&about, OprogramuForm()},
        {&table, TabulkaForm()},
        {&units, PrevodyForm()},
        {&atmosphere, NmvForm()},
        {&coefficient, KoeficientyForm()},
        {&dragGraph, GrafodporuForm()},
        {&reticle, MildotForm()},
        {&saveOptions, NastaveniulozForm()},
        {&powder, TeplotaprachuForm()},
        {&energy, EnergieForm()},
    };
    for (const auto& w : windows)
        for (const std::string& fault : FaultsOf(*w.window, w.description))
            ADD_FAILURE() << w.description.name << ": " << fault;
}

}  // namespace
