// Building a form's components from its description, with the mechanical
// checks that keep descriptions and window classes in step.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>
#include <set>

#include "platform/dialogs.h"
#include "platform/form_parts.h"
#include "platform/forms.h"
#include "platform/qt_private.h"

namespace {

const char* KindName(Kind kind) {
    static const char* const names[] = {
        "Label",    "Edit",       "Button",     "BitBtn",    "CheckBox",    "RadioButton",
        "GroupBox", "RadioGroup", "ComboBox",   "Memo",      "PageControl", "TabSheet",
        "UpDown",   "ScrollBar",  "StringGrid", "Panel",     "Bevel",       "Image",
        "MainMenu", "MenuItem",   "OpenDialog", "SaveDialog"};
    return names[static_cast<int>(kind)];
}

bool OneOf(Kind kind, std::initializer_list<Kind> kinds) {
    for (Kind k : kinds)
        if (k == kind) return true;
    return false;
}

bool IsNonVisual(Kind k) {
    return OneOf(k, {Kind::MainMenu, Kind::MenuItem, Kind::OpenDialog, Kind::SaveDialog});
}

bool IsContainer(Kind k) {
    return OneOf(k, {Kind::Panel, Kind::GroupBox, Kind::TabSheet});
}

// The properties a kind has; a description that sets any other one to a
// value other than its default is refused.
struct PropertyRule {
    const char* name;
    bool (*isSet)(const ControlDescription&);
    std::initializer_list<Kind> kinds;
};

const ControlDescription defaults{};

using K = Kind;
const PropertyRule propertyRules[] = {
    {"caption",
     [](const ControlDescription& d) { return !d.caption.empty(); },
     {K::Label, K::Edit, K::Button, K::BitBtn, K::CheckBox, K::RadioButton, K::GroupBox,
      K::RadioGroup, K::ComboBox, K::TabSheet, K::Panel, K::MenuItem, K::OpenDialog,
      K::SaveDialog}},
    {"items",
     [](const ControlDescription& d) { return !d.items.empty(); },
     {K::RadioGroup, K::ComboBox, K::Memo}},
    {"itemIndex",
     [](const ControlDescription& d) { return d.itemIndex != -1; },
     {K::RadioGroup, K::ComboBox, K::PageControl}},
    {"checked",
     [](const ControlDescription& d) { return d.checked; },
     {K::CheckBox, K::RadioButton}},
    {"alignment",
     [](const ControlDescription& d) { return d.alignment != taLeftJustify; },
     {K::Label}},
    {"color",
     [](const ControlDescription& d) { return d.color.has_value(); },
     {K::Label, K::Panel, K::Edit, K::Memo}},
    {"editable", [](const ControlDescription& d) { return !d.editable; }, {K::ComboBox}},
    {"readOnly", [](const ControlDescription& d) { return d.readOnly; }, {K::Edit, K::Memo}},
    {"isDefault", [](const ControlDescription& d) { return d.isDefault; }, {K::Button, K::BitBtn}},
    {"min/max/position",
     [](const ControlDescription& d) {
         return d.min != defaults.min || d.max != defaults.max || d.position != defaults.position;
     },
     {K::ScrollBar, K::UpDown}},
    {"columns", [](const ControlDescription& d) { return d.columns != 1; }, {K::RadioGroup}},
    {"bevelInner/bevelOuter",
     [](const ControlDescription& d) {
         return d.bevelInner != defaults.bevelInner || d.bevelOuter != defaults.bevelOuter;
     },
     {K::Panel}},
    {"shape/bevelStyle",
     [](const ControlDescription& d) {
         return d.shape != defaults.shape || d.bevelStyle != defaults.bevelStyle;
     },
     {K::Bevel}},
    {"grid layout",
     [](const ControlDescription& d) {
         return d.colCount != defaults.colCount || d.rowCount != defaults.rowCount ||
                d.fixedCols != defaults.fixedCols || d.fixedRows != defaults.fixedRows ||
                d.defaultRowHeight != defaults.defaultRowHeight || !d.colWidths.empty() ||
                d.gridEditing;
     },
     {K::StringGrid}},
    {"file dialog settings",
     [](const ControlDescription& d) {
         return !d.filter.empty() || !d.defaultExt.empty() || !d.fileName.empty() ||
                !d.initialDir.empty() || d.overwritePrompt;
     },
     {K::OpenDialog, K::SaveDialog}},
    {"onClick",
     [](const ControlDescription& d) { return !d.onClick.empty(); },
     {K::Button, K::BitBtn, K::CheckBox, K::RadioButton, K::RadioGroup, K::UpDown, K::Image,
      K::Label, K::Panel, K::MenuItem, K::StringGrid}},
    {"onChange",
     [](const ControlDescription& d) { return !d.onChange.empty(); },
     {K::Edit, K::ComboBox, K::ScrollBar, K::PageControl}},
    {"onDblClick / mouse events",
     [](const ControlDescription& d) {
         return !d.onDblClick.empty() || !d.onMouseDown.empty() || !d.onMouseMove.empty() ||
                !d.onMouseUp.empty();
     },
     {K::Image, K::Label, K::Panel, K::StringGrid}},
};

[[noreturn]] void Fail(const std::string& form, const std::string& what) {
    throw FormDescriptionError("Form '" + form + "': " + what);
}

void CheckProperties(const std::string& form, const ControlDescription& d) {
    for (const PropertyRule& rule : propertyRules) {
        if (rule.isSet(d) && !OneOf(d.kind, rule.kinds))
            Fail(form, d.name + " (" + KindName(d.kind) + ") has no property " + rule.name);
    }
    const bool hasRect = d.left != 0 || d.top != 0 || d.width != 0 || d.height != 0;
    if (hasRect && (IsNonVisual(d.kind) || d.kind == Kind::TabSheet))
        Fail(form, d.name + " (" + KindName(d.kind) + ") has no position or size");
    const int itemCount = static_cast<int>(d.items.size());
    if (d.kind != Kind::PageControl && d.itemIndex >= itemCount)
        Fail(form, d.name + ": item index " + std::to_string(d.itemIndex) + " beyond its items");
}

// Which parents a kind may have.
void CheckParent(const std::string& form, const ControlDescription& d, const TComponent* parent,
                 Kind parentKind) {
    const std::string what = d.name + " (" + KindName(d.kind) + ")";
    if (d.kind == Kind::TabSheet) {
        if (!parent || parentKind != Kind::PageControl)
            Fail(form, what + " must lie in a page control");
        return;
    }
    if (d.kind == Kind::MenuItem) {
        if (!parent || !OneOf(parentKind, {Kind::MainMenu, Kind::MenuItem}))
            Fail(form, what + " must lie in a main menu or menu item");
        return;
    }
    if (!parent) return;
    if (IsNonVisual(d.kind)) Fail(form, what + " belongs to the form itself");
    if (!IsContainer(parentKind))
        Fail(form, what + " cannot lie in " + parent->Name() + " (" + KindName(parentKind) + ")");
}

}  // namespace

namespace {

// Creates the component of one description row inside the form.
std::unique_ptr<TComponent> MakeComponent(TForm* form, FormParts& parts,
                                          const ControlDescription& d, TComponent* parent,
                                          const ControlSetup& setup) {
    FormWindow* window = parts.window;
    switch (d.kind) {
        case Kind::Label:
            return std::make_unique<TLabel>(setup);
        case Kind::Edit:
            return std::make_unique<TEdit>(setup);
        case Kind::Button:
            return std::make_unique<TButton>(setup);
        case Kind::BitBtn:
            return std::make_unique<TBitBtn>(setup);
        case Kind::CheckBox:
            return std::make_unique<TCheckBox>(setup);
        case Kind::RadioButton:
            return std::make_unique<TRadioButton>(setup);
        case Kind::GroupBox:
            return std::make_unique<TGroupBox>(setup);
        case Kind::RadioGroup:
            return std::make_unique<TRadioGroup>(setup);
        case Kind::ComboBox:
            return std::make_unique<TComboBox>(setup);
        case Kind::Memo:
            return std::make_unique<TMemo>(setup);
        case Kind::PageControl:
            return std::make_unique<TPageControl>(setup);
        case Kind::TabSheet:
            return std::make_unique<TTabSheet>(setup);
        case Kind::UpDown:
            return std::make_unique<TUpDown>(setup);
        case Kind::ScrollBar:
            return std::make_unique<TScrollBar>(setup);
        case Kind::StringGrid:
            return std::make_unique<TStringGrid>(setup);
        case Kind::Panel:
            return std::make_unique<TPanel>(setup);
        case Kind::Bevel:
            return std::make_unique<TBevel>(setup);
        case Kind::Image:
            return std::make_unique<TImage>(setup);
        case Kind::MainMenu: {
            if (parts.menuBar) Fail(form->Name(), "a second main menu '" + d.name + "'");
            parts.menuBar = new QMenuBar(window);
            window->layout()->setMenuBar(parts.menuBar);
            return std::make_unique<TMainMenu>(form, d.name);
        }
        case Kind::MenuItem: {
            auto* action = new QAction(QStr(d.caption), window);
            action->setEnabled(d.enabled);
            action->setVisible(d.visible);
            if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
                QAction* parentAction = item->Action();
                if (!parentAction->menu()) parentAction->setMenu(new QMenu(window));
                parentAction->menu()->addAction(action);
            } else {
                parts.menuBar->addAction(action);
            }
            return std::make_unique<TMenuItem>(form, d.name, action);
        }
        case Kind::OpenDialog:
        case Kind::SaveDialog: {
            std::unique_ptr<TOpenDialog> dialog;
            if (d.kind == Kind::SaveDialog)
                dialog = std::make_unique<TSaveDialog>(form, d.name);
            else
                dialog = std::make_unique<TOpenDialog>(form, d.name);
            dialog->Title = d.caption;
            dialog->Filter = d.filter;
            dialog->DefaultExt = d.defaultExt;
            dialog->FileName = d.fileName;
            dialog->InitialDir = d.initialDir;
            dialog->OverwritePrompt = d.overwritePrompt;
            return dialog;
        }
    }
    return nullptr;
}

}  // namespace

void TForm::BuildControl(const ControlDescription& d) {
    if (d.name.empty()) Fail(name_, "a component without a name");
    if (byName_.count(d.name)) Fail(name_, "duplicate name '" + d.name + "'");
    TComponent* parent = nullptr;
    Kind parentKind = Kind::Label;
    if (!d.parent.empty()) {
        parent = FindComponent(d.parent);
        if (!parent) Fail(name_, d.name + " names unknown parent '" + d.parent + "'");
        for (const ControlDescription& other : description_.controls)
            if (other.name == d.parent) parentKind = other.kind;
    }
    CheckParent(name_, d, parent, parentKind);
    CheckProperties(name_, d);

    FormWindow* window = parts_->window;
    auto* parentControl = dynamic_cast<TControl*>(parent);
    ControlSetup setup;
    setup.form = this;
    setup.parent = parentControl;
    setup.parentWidget = parentControl ? parentControl->Widget() : window->client();
    setup.description = &d;

    std::unique_ptr<TComponent> made = MakeComponent(this, *parts_, d, parent, setup);
    TComponent* component = made.get();
    components_.push_back(std::move(made));
    byName_[d.name] = component;
    if (auto* control = dynamic_cast<TControl*>(component); control && !parent)
        children_.push_back(control);
}

void TForm::Bind(const std::string& name, TNotifyEvent handler) {
    if (!notifyHandlers_.emplace(name, std::move(handler)).second)
        Fail(name_, "handler '" + name + "' bound twice");
}

void TForm::Bind(const std::string& name, TMouseEvent handler) {
    if (!mouseHandlers_.emplace(name, std::move(handler)).second)
        Fail(name_, "handler '" + name + "' bound twice");
}

void TForm::Bind(const std::string& name, TMouseMoveEvent handler) {
    if (!mouseMoveHandlers_.emplace(name, std::move(handler)).second)
        Fail(name_, "handler '" + name + "' bound twice");
}

void TForm::Bind(const std::string& name, TUDClickEvent handler) {
    if (!upDownHandlers_.emplace(name, std::move(handler)).second)
        Fail(name_, "handler '" + name + "' bound twice");
}

namespace {

// Looks a handler named in the description up among the bindings of its type.
template <class Handler>
Handler TakeHandler(const std::string& form, const std::map<std::string, Handler>& bound,
                    std::set<std::string>& used, const std::string& where,
                    const std::string& name) {
    const auto it = bound.find(name);
    if (it == bound.end())
        Fail(form, where + " names handler '" + name +
                       "', which the window class did not bind with that event's signature");
    used.insert(name);
    return it->second;
}

}  // namespace

void TForm::WireHandlers() {
    std::set<std::string> used;
    auto notify = [&](TNotifyEvent& slot, const std::string& where, const std::string& name) {
        if (!name.empty()) slot = TakeHandler(name_, notifyHandlers_, used, where, name);
    };
    notify(FormCreate, "OnCreate", description_.onCreate);
    notify(FormActivate, "OnActivate", description_.onActivate);
    notify(FormDestroy, "OnDestroy", description_.onDestroy);
    notify(FormResize, "OnResize", description_.onResize);
    for (const ControlDescription& d : description_.controls) {
        TComponent* component = FindComponent(d.name);
        if (auto* item = dynamic_cast<TMenuItem*>(component)) {
            notify(item->OnClick, d.name + ".OnClick", d.onClick);
            continue;
        }
        auto* control = dynamic_cast<TControl*>(component);
        if (!control) continue;
        if (auto* upDown = dynamic_cast<TUpDown*>(control); upDown && !d.onClick.empty()) {
            upDown->OnClick =
                TakeHandler(name_, upDownHandlers_, used, d.name + ".OnClick", d.onClick);
        } else {
            notify(control->OnClick, d.name + ".OnClick", d.onClick);
        }
        notify(control->OnChange, d.name + ".OnChange", d.onChange);
        notify(control->OnDblClick, d.name + ".OnDblClick", d.onDblClick);
        if (!d.onMouseDown.empty())
            control->OnMouseDown =
                TakeHandler(name_, mouseHandlers_, used, d.name + ".OnMouseDown", d.onMouseDown);
        if (!d.onMouseUp.empty())
            control->OnMouseUp =
                TakeHandler(name_, mouseHandlers_, used, d.name + ".OnMouseUp", d.onMouseUp);
        if (!d.onMouseMove.empty())
            control->OnMouseMove = TakeHandler(name_, mouseMoveHandlers_, used,
                                               d.name + ".OnMouseMove", d.onMouseMove);
    }
    auto checkAllUsed = [&](const auto& bound) {
        for (const auto& [name, handler] : bound)
            if (!used.count(name))
                Fail(name_, "handler '" + name + "' is bound but named by no event");
    };
    checkAllUsed(notifyHandlers_);
    checkAllUsed(mouseHandlers_);
    checkAllUsed(mouseMoveHandlers_);
    checkAllUsed(upDownHandlers_);
}

void TForm::FinishCreate() {
    if (finished_) Fail(name_, "FinishCreate called twice");
    WireHandlers();
    finished_ = true;
    if (FormCreate) RunEvent(this, [this] { FormCreate(this); });
}
