// Calculator window. The input set-up: the window's fields behind the engine's
// set-up, and the window's part in an integration run.
#include <string>
#include <vector>

#include "engine/integrator.h"
#include "engine/setup.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

namespace {

// The window's controls behind the set-up's fields. Numbers are read and
// written in the user's notation (the locale's decimal separator).
class WindowFields final : public SetupFields {
  public:
    explicit WindowFields(Tvstup& w) : w_(w) {}
    // The set-up's lines reach the pane as one block, also when a later
    // check ends the set-up.
    ~WindowFields() override { w_.Memo1->Lines().AddLines(lines_); }

    double Number(SetupField field) override { return StrToFloat(EditOf(field)->Text()); }
    void Write(SetupField field, double value) override {
        EditOf(field)->SetText(FloatToStr(value));
    }
    void AddLine(const std::string& line) override { lines_.push_back(line); }

    bool Checked(SetupCheck check) override {
        switch (check) {
            case SetupCheck::GravityFromLatitude:
                return w_.CheckBox11->Checked();
            case SetupCheck::Coriolis:
                return w_.CheckBox10->Checked();
            case SetupCheck::Drift:
                return w_.CheckBox3->Checked();
            case SetupCheck::Band3:
                return w_.CheckBox6->Checked();
            case SetupCheck::Band4:
                return w_.CheckBox7->Checked();
            case SetupCheck::Band5:
                return w_.CheckBox9->Checked();
        }
        return false;
    }

    int ItemIndex(SetupChoice choice) override {
        switch (choice) {
            case SetupChoice::PressureMode:
                return w_.RadioGroup6->ItemIndex();
            case SetupChoice::WindMode:
                return w_.RadioGroup7->ItemIndex();
            case SetupChoice::ClickItem:
                return w_.ComboBox2->ItemIndex();
            case SetupChoice::CrossWindSites:
                return w_.ComboBox3->ItemIndex();
            case SetupChoice::CrossWindMode:
                return w_.RadioGroup4->ItemIndex();
            case SetupChoice::ComputationMode:
                return w_.RadioGroup3->ItemIndex();
            case SetupChoice::CoefficientMode:
                return w_.RadioGroup5->ItemIndex();
        }
        return -1;
    }

  private:
    TEdit* EditOf(SetupField field) const {
        // In the order of SetupField.
        TEdit* const edits[] = {
            w_.Edit2, w_.Edit3, w_.Edit4, w_.Edit5, w_.Edit6, w_.Edit19, w_.Edit13, w_.Edit9,
            w_.Edit8, w_.Edit29, w_.Edit58, w_.Edit56, w_.Edit10, w_.Edit11, w_.Edit55, w_.Edit24,
            // Variable cross wind: positions, then speeds.
            w_.Edit44, w_.Edit45, w_.Edit46, w_.Edit47, w_.Edit48, w_.Edit49, w_.Edit50, w_.Edit51,
            w_.Edit52, w_.Edit53,
            // Drag strength: the coefficient, the band coefficients, the band velocities.
            w_.Edit1, w_.Edit36, w_.Edit37, w_.Edit38, w_.Edit39, w_.Edit40, w_.Edit30, w_.Edit31,
            w_.Edit32, w_.Edit34, w_.Edit35,
            // Chronograph, azimuth, twist and the bullet's proportions.
            w_.Edit22, w_.Edit54, w_.Edit12, w_.Edit57, w_.Edit59, w_.Edit60, w_.Edit61, w_.Edit62};
        static_assert(sizeof edits / sizeof edits[0] ==
                      static_cast<size_t>(SetupField::MeplatDiameter) + 1);
        return edits[static_cast<int>(field)];
    }

    Tvstup& w_;
    std::vector<std::string> lines_;
};

constexpr int TwistLeft = 1;  // item "Left" of the twist list

// The settings a run honours; they cannot change during a run.
FlightSettings ReadFlightSettings(Tvstup& w) {
    FlightSettings s;
    s.NoIcaoGradient = w.CheckBox14->Checked();
    s.Coriolis = w.CheckBox10->Checked();
    s.Drift = w.CheckBox3->Checked();
    s.LeftTwist = w.ComboBox5->ItemIndex() == TwistLeft;
    s.VariableBc = w.RadioGroup5->ItemIndex() == CoefficientVariable;
    s.BcBand3 = w.CheckBox6->Checked();
    s.BcBand4 = w.CheckBox7->Checked();
    s.BcBand5 = w.CheckBox9->Checked();
    s.VariableCrossWind = w.RadioGroup4->ItemIndex() == CrossWindVariable;
    s.CrossWindSitesItem = w.ComboBox3->ItemIndex();
    s.AutoStep = w.CheckBox8->Checked();
    return s;
}

FlightHooks WindowHooks(Tvstup& w) {
    FlightHooks h;
    // Setting the position runs the scroll bar's change handler; the bar
    // keeps the position within its range, so the run reads it back.
    h.SetStepPosition = [&w](int position) {
        w.ScrollBar1->SetPosition(position);
        return w.ScrollBar1->Position();
    };
    h.ShowStepMilliseconds = [&w](double ms) { w.Label50->SetCaption(FloatToStr(ms)); };
    h.AddLine = [&w](const std::string& line) { w.Memo1->Lines().Add(line); };
    return h;
}

}  // namespace

// Nothing of this concern is bound to a control: the computing actions call it.
void Tvstup::BindSetupHandlers() {}

void Tvstup::PrepareComputation() {
    Button5->SetEnabled(false);
    WindowFields fields(*this);
    ::PrepareComputation(fields);
}

void Tvstup::ReadBallisticCoefficient() {
    WindowFields fields(*this);
    ::ReadBallisticCoefficient(fields);
}

void Tvstup::CorrectChronographVelocity() {
    WindowFields fields(*this);
    ::CorrectChronographVelocity(fields);
}

void Tvstup::ShowProcessingLabel() {
    processingLabelHideDue_ = false;
    if (!Label49->Visible()) Label49->Show();
    EndProcessingLabelAtNextMessages();
}

void Tvstup::HideProcessingLabel() {
    processingLabelHideDue_ = true;
    EndProcessingLabelAtNextMessages();
}

void Tvstup::PaintProcessingLabel() {
    if (processingLabelOnScreen_ || !Label49->PaintNow()) return;
    processingLabelOnScreen_ = true;
    EndProcessingLabelAtNextMessages();
}

void Tvstup::EndProcessingLabelAtNextMessages() {
    if (processingLabelEndPosted_) return;
    processingLabelEndPosted_ = true;
    Label49->RunAtNextMessages([this] {
        processingLabelEndPosted_ = false;
        processingLabelOnScreen_ = false;
        if (!processingLabelHideDue_) return;
        processingLabelHideDue_ = false;
        Label49->Hide();
    });
}

void Tvstup::RunIntegration(const std::function<void()>& onStepLimit) {
    FlightHooks hooks = WindowHooks(*this);
    hooks.ShowProcessing = [this] { ShowProcessingLabel(); };
    hooks.HideProcessing = [this] { HideProcessingLabel(); };
    // Only the label is painted: a repaint of the whole window before every
    // run would cost more than the run, and would draw a graph that the
    // action is about to replace.
    hooks.ProcessMessages = [this] { PaintProcessingLabel(); };
    hooks.StepLimitReached = onStepLimit;
    IntegrateTrajectory(ReadFlightSettings(*this), hooks);
}
