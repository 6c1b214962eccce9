// The calculator window: every input of the trajectory computation, the
// result pane, the trajectory graph and the buttons of the derived
// computations. The engine and the other windows read its controls directly
// by name, so the members below carry the names of the window description.
//
// The handlers are split by concern, one source file each; every file binds
// its own handlers in its Bind...Handlers function, which the constructor
// calls before FinishCreate. A handler named in the description must be bound
// (FinishCreate refuses unbound names), so a concern names its handlers in
// forms/ when it binds them.
#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "files/ResultsFiles.h"
#include "platform/forms.h"

struct Reticle;
struct DragFileData;
struct ResultsHeaderRecord;

class Tvstup : public TForm {
  public:
    Tvstup();
    // Runs FormDestroy while the window is still whole; the library's own
    // call from ~TForm would come after this class is gone.
    ~Tvstup() override;

    // The components of the window description, by kind.
    TPageControl *PageControl1, *PageControl2;
    TTabSheet *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4, *TabSheet5, *TabSheet6, *TabSheet7,
        *TabSheet8;
    TGroupBox *GroupBox1, *GroupBox2, *GroupBox3, *GroupBox4, *GroupBox5, *GroupBox7, *GroupBox8,
        *GroupBox9, *GroupBox10, *GroupBox11, *GroupBox12, *GroupBox13, *GroupBox14, *GroupBox15,
        *GroupBox16, *GroupBox17, *GroupBox18, *GroupBox19, *GroupBox20, *GroupBox21;
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18,
        *Label19, *Label20, *Label21, *Label22, *Label23, *Label24, *Label25, *Label26, *Label27,
        *Label28, *Label29, *Label30, *Label31, *Label32, *Label33, *Label34, *Label35, *Label36,
        *Label37, *Label38, *Label39, *Label40, *Label41, *Label42, *Label43, *Label44, *Label45,
        *Label46, *Label47, *Label48, *Label49, *Label50, *Label51, *Label52, *Label53, *Label54,
        *Label55, *Label56, *Label57, *Label58, *Label59, *Label64, *Label65, *Label66, *Label67,
        *Label68, *Label69, *Label70, *Label71, *Label72, *Label73, *Label74, *Label75, *Label76,
        *Label77, *Label78, *Label79, *Label80, *Label81, *Label82, *Label83, *Label84, *Label85,
        *Label86, *Label87, *Label88, *Label89, *Label90, *Label91, *Label92, *Label93, *Label94,
        *Label95, *Label96, *Label97, *Label98, *Label99, *Label104, *Label105, *Label106,
        *Label107, *Label108, *Label109, *Label110, *Label111;
    TEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10, *Edit11,
        *Edit12, *Edit13, *Edit14, *Edit15, *Edit16, *Edit17, *Edit18, *Edit19, *Edit20, *Edit21,
        *Edit22, *Edit23, *Edit24, *Edit25, *Edit26, *Edit27, *Edit28, *Edit29, *Edit30, *Edit31,
        *Edit32, *Edit33, *Edit34, *Edit35, *Edit36, *Edit37, *Edit38, *Edit39, *Edit40, *Edit41,
        *Edit42, *Edit43, *Edit44, *Edit45, *Edit46, *Edit47, *Edit48, *Edit49, *Edit50, *Edit51,
        *Edit52, *Edit53, *Edit54, *Edit55, *Edit56, *Edit57, *Edit58, *Edit59, *Edit60, *Edit61,
        *Edit62, *Edit63, *Edit64;
    TButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6, *Button7, *Button8,
        *Button9, *Button10, *Button11, *Button12, *Button13, *Button14, *Button15, *Button16,
        *Button17, *Button18, *Button19, *Button20;
    TBitBtn *BitBtn1, *BitBtn2;
    TCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7,
        *CheckBox8, *CheckBox9, *CheckBox10, *CheckBox11, *CheckBox12, *CheckBox13, *CheckBox14;
    TRadioButton *RadioButton1, *RadioButton2;
    TRadioGroup *RadioGroup1, *RadioGroup2, *RadioGroup3, *RadioGroup4, *RadioGroup5, *RadioGroup6,
        *RadioGroup7, *RadioGroup8;
    TComboBox *ComboBox1, *ComboBox2, *ComboBox3, *ComboBox4, *ComboBox5, *ComboBox6, *ComboBox7;
    TMemo* Memo1;
    TImage *Graf0, *Image1, *Image2, *Image3;
    TBevel *Bevel1, *Bevel2, *Bevel3;
    TUpDown* UpDown1;
    TScrollBar* ScrollBar1;
    TMainMenu* MainMenu1;
    TMenuItem *Pevodyjednotek1, *Pevodykoeficient1, *Nadmoskvka1, *Teplotaprachu1, *Energie1,
        *Oprogramu1;
    TSaveDialog *SaveDialog1, *SaveDialog2, *SaveDialog3;
    TOpenDialog *OpenDialog1, *OpenDialog2;

    // (a) Start-up and drag-function choice: ui/Vstup1.cpp.
    void FormCreate(TObject* Sender);
    // Runs at the end of the program while every window still exists.
    void FormDestroy(TObject* Sender);
    // Makes the chosen built-in function the one in use; called by code after
    // it selects an item, since a code-side selection runs no handler.
    void ComboBox6Change(TObject* Sender);

    // (b) Drag-function file: ui/Vstup1DragFile.cpp.
    // "Load Drag Function": asks for a .drg file and reads it.
    void Button4Click(TObject* Sender);
    // Reads the drag-function file at the path and, when it is good, makes its
    // function the one in use with the file's bullet in the fields and the
    // form factor 1. A file that cannot be opened shows a plain message and
    // returns; a bad file ends the event; neither changes anything else.
    void ReadDragFunctionFile(const std::string& path);

    // (c) Input set-up: ui/Vstup1Setup.cpp.
    // The first step of every computing action: disables "Save", so no
    // stale or half-checked results can be saved, then reads and checks
    // every input field into the engine's records (a failing check ends the
    // event with its message).
    void PrepareComputation();
    // The drag strength or the chronograph correction alone, from the
    // fields and the records as they stand, for the tool windows.
    void ReadBallisticCoefficient();
    void CorrectChronographVelocity();
    // One integration run in the computation mode set in the records, with
    // the window's settings read once and its touches during the run: the
    // "Processing" label, the "Auto" step on the step scroll bar and its
    // label, the result-pane lines. `onStepLimit`, when given, runs when the
    // run reaches the step limit, before the limit's own message.
    void RunIntegration(const std::function<void()>& onStepLimit = {});

    // (d) Graph handlers: ui/Vstup1Graph.cpp.
    // Fits the graph's picture to its control after the window was resized.
    void FormResize(TObject* Sender);
    // A press on the graph shows the point in "X, Y Position" and starts a
    // zoom rectangle; moving draws it, releasing zooms to it, and a double
    // click brings back the full view.
    void Graf0MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Graf0MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Graf0MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Graf0DblClick(TObject* Sender);
    // "Axis Y": replots the chosen quantity of the last run against time or
    // range, drops the overlays and, away from height against range, the
    // clones. The computing actions call it to show their run.
    void RadioGroup1Click(TObject* Sender);
    // "Axis X": replots, but only while "Axis Y" is enabled, that is while
    // the arrays hold a table run.
    void RadioGroup2Click(TObject* Sender);
    // "Line of Sight" and "Line of Depart.": the overlays, drawn only over
    // height against range.
    void CheckBox1Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);
    // "Clone I" and "Clone II" keep the height curve of this run.
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    // "Clear Clones"; also called by the coefficient searches.
    void Button6Click(TObject* Sender);

    // (e) Mode and option controls: ui/Vstup1Modes.cpp.
    // "Step": the table step of the chosen item; typed text keeps the step.
    // Code that selects an item calls it, since that runs no handler.
    void ComboBox1Change(TObject* Sender);
    // "1 Click:": the click value of a fixed item, or the click field for
    // the two custom items. Code that selects an item calls it.
    void ComboBox2Change(TObject* Sender);
    // The click spinner moves the departure angle by one click and switches
    // to "Angle of Departure"; "Zero" resets its counter only.
    void UpDown1Click(TObject* Sender, TUDBtnType Button);
    void Button8Click(TObject* Sender);
    // "Computation Step": the integration step in tenths of a millisecond.
    void ScrollBar1Change(TObject* Sender);
    // "Clear": empties the result pane.
    void Button2Click(TObject* Sender);
    // "Computation Modes": shows the angle, the zero range or the zero point.
    void RadioGroup3Click(TObject* Sender);
    // The range limit X and the height limit Y of the table.
    void CheckBox4Click(TObject* Sender);
    void CheckBox5Click(TObject* Sender);
    // Drag "Computation Modes": converts Edit1 between form factor and
    // coefficient and enables the velocity bands. A conversion that fails
    // puts the previous mode back before it ends the event.
    void RadioGroup5Click(TObject* Sender);
    // Bands 3 to 5 of the variable coefficient.
    void CheckBox6Click(TObject* Sender);
    void CheckBox7Click(TObject* Sender);
    void CheckBox9Click(TObject* Sender);
    // "Cross Wind" and "Count of Sites:": the constant or the variable wind.
    void RadioGroup4Click(TObject* Sender);
    void ComboBox3Change(TObject* Sender);
    // "Wind Modes": names the two wind fields; their numbers stay.
    void RadioGroup7Click(TObject* Sender);
    // "Pressure Modes": the pressure or the altitude field.
    void RadioGroup6Click(TObject* Sender);
    // "G acc. to Latitude", "Coriolis Force" and "Drift": their fields.
    void CheckBox11Click(TObject* Sender);
    void CheckBox10Click(TObject* Sender);
    void CheckBox3Click(TObject* Sender);
    // The up/downhill target as horizontal distance and height or as slant
    // distance and angle; each converts the two fields.
    void RadioButton1Click(TObject* Sender);
    void RadioButton2Click(TObject* Sender);
    // A new reticle or dot mode makes the shown reticle stale.
    void RadioGroup8Click(TObject* Sender);
    void ComboBox7Change(TObject* Sender);

    // (f) Compute! and the range table: ui/Vstup1Compute.cpp.
    // "Compute!": zeroes the rifle in the zero-range modes, runs the table
    // trajectory, replots the graph and appends the range table to Memo1.
    // Also a step of the MRD/GEE search and of the reticle computation.
    void Button3Click(TObject* Sender);

    // (g) Uphill/downhill table: ui/Vstup1Slope.cpp.
    // "Compute" of "Shooting Up/Downhill": runs the trajectory to the target
    // with the departure angle raised by the line's elevation, leaves the
    // target in the engine's records for "Save" and the graph, and appends a
    // table measured from the line to the target to Memo1.
    void Button11Click(TObject* Sender);

    // (h) MRD/GEE search: ui/Vstup1Mrd.cpp.
    // "MRD, GEE": finds the angle whose apex lies at 99 % of the height in
    // Edit41, zeroes at the range where that path comes back to the line of
    // sight, runs "Compute!" down to the same height below it and appends the
    // three result lines.
    void Button10Click(TObject* Sender);

    // (i) Ballistic coefficient searches: ui/Vstup1Coefficient.cpp.
    // "GO!" of "Ball. Coeff. from Velocity ": the coefficient for which the
    // bullet has the measured velocity at the distance, into Edit1.
    void Button12Click(TObject* Sender);
    // "GO!" of "Ball. Coeff. from Trajectory": the coefficient and departure
    // angle for which the path passes through both measured heights, into
    // Edit1 and Edit6; switches to "Angle of Departure".
    void Button14Click(TObject* Sender);
    // (j) Reticle zero ranges and wind holds: ui/Vstup1Reticle.cpp.
    // "Compute" of "Reticle Calculation": zeroes the rifle with Compute!,
    // then finds where the trajectory meets each vertical mark of the chosen
    // reticle and what each horizontal mark stands for, fills the reticle
    // table, lists it for the MilDot reticle and shows the reticle window.
    void Button19Click(TObject* Sender);
    // "Show": shows the reticle window again.
    void Button20Click(TObject* Sender);

    // (k) Maximum barrel twist: ui/Vstup1Twist.cpp.
    // "Maximum Barrel Twist": the longest twist that still stabilises the
    // bullet by the chosen rule, appended to Memo1 in inches and centimetres.
    void Button13Click(TObject* Sender);
    // (l) Saving the results: ui/Vstup1Save.cpp.
    // "Save": asks for the columns and the file kind, then for the file, and
    // writes the last table run into it whole or not at all.
    void Button5Click(TObject* Sender);

    // (m) Tool windows, the list, graph export and printing: ui/Vstup1Tools.cpp
    // and ui/Vstup1List.cpp.
    // "List of Ammo" shows the list window and enables "Add to List"; the menu
    // items and "Drag Function Graph " show their tool windows. None blocks.
    void Button1Click(TObject* Sender);
    void Pevodyjednotek1Click(TObject* Sender);
    void Pevodykoeficient1Click(TObject* Sender);
    void Nadmoskvka1Click(TObject* Sender);
    void Teplotaprachu1Click(TObject* Sender);
    void Energie1Click(TObject* Sender);
    void Oprogramu1Click(TObject* Sender);
    void Button16Click(TObject* Sender);
    // "Add to List": the current bullet as a row of the list window, with one
    // row per further velocity band in the variable coefficient mode.
    void Button7Click(TObject* Sender);
    // "Graph to .bmp": the graph's picture to a bitmap file the user chooses.
    void Button9Click(TObject* Sender);
    // The two hidden print commands: the result pane, and the graph on a
    // landscape page.
    void Button17Click(TObject* Sender);
    void Button18Click(TObject* Sender);
    // (n) Results files read back and the init file: ui/Vstup1Load.cpp.
    // "Load": asks for a results file and reads its header into the fields.
    void Button15Click(TObject* Sender);
    // Reads the results header at the start of the stream and, only when all
    // of it reads and a drag-function file it names is usable, sets the
    // controls from it in the order of the file, with the modes a loaded
    // header stands for. Otherwise shows the message and ends the event with
    // nothing changed. Returns the header's drag-function path, "" when it
    // names none.
    std::string ReadResultsHeader(std::istream& in);

  private:
    // ui/Vstup1Controls.cpp: looks every member up by its name.
    void FindControls();
    // One per concern, each in that concern's file.
    void BindStartupHandlers();
    void BindDragFileHandlers();
    void BindSetupHandlers();
    void BindGraphHandlers();
    void BindModeHandlers();
    void BindComputeHandlers();
    void BindSlopeHandlers();
    void BindMrdHandlers();
    void BindCoefficientHandlers();
    void BindReticleHandlers();
    void BindTwistHandlers();
    void BindSaveHandlers();
    void BindToolHandlers();
    void BindListHandlers();
    void BindLoadHandlers();

    // (a) The last step of start-up: brings back the inputs of the last run.
    void RestoreInitFile();
    // (a) At the end of the run: keeps the inputs of the last computation
    // for the next start, in ui/Vstup1Load.cpp.
    void WriteInitFile();
    // (a) The drag-function item in use, where a refused choice goes back to.
    int dragItemInUse_ = -1;

    // (b) Drag-function file.
    // Makes a file's function, read and checked, the one in use with its
    // bullet in the fields and the form factor 1.
    void ApplyDragFileData(const DragFileData& data);

    // (c) Input set-up.
    // The "Processing" label, shown while the engine runs. It is put on the
    // screen before the first run of an action and stays shown over the
    // action's later runs: the window paints nothing between two runs, and
    // hiding and showing it again would cost more than a short run. A run's
    // end only marks it to be hidden; it is hidden when the window next
    // handles its messages (before a message box shows or the window paints),
    // unless another run has started by then.
    void ShowProcessingLabel();
    void HideProcessingLabel();
    void PaintProcessingLabel();
    void EndProcessingLabelAtNextMessages();
    bool processingLabelOnScreen_ = false;
    bool processingLabelHideDue_ = false;
    bool processingLabelEndPosted_ = false;

    // (d) Graph handlers.
    // Whether "Axis Y" shows "Traj. Height" against "Range" on "Axis X".
    bool GraphShowsHeightAgainstRange() const;
    void AddClone(int curve);

    // (e) Mode and option controls.
    // The drag mode Edit1 was last converted for, where a failed conversion
    // goes back to.
    int dragModeInUse_ = -1;
    void EnableBand(TCheckBox* box, TEdit* velocity, TEdit* coefficient);

    // (f) Compute! and the range table.
    void ReadComputationRange();
    void ZeroTheRifle(bool wantedHeight);
    // Raises the "Step" item while the points lie as far apart as the
    // step scaled by the factor.
    void RaiseTableStep(double stepFactor = 1);
    void WriteRangeTable();
    // The drag-model lines of a table head, from the drag controls as they stand.
    std::vector<std::string> TableDragModelLines() const;
    // Appends a table to the result pane: head, rows, and "  " before and after.
    void AppendTable(const std::vector<std::string>& head, const std::vector<RangeTableRow>& rows);
    void ShowResultControls();

    // (g) Uphill/downhill table.
    void ReadSlopeTarget(bool slant);
    void WriteSlopeTable(bool slant, double stepFactor);
    // The graph controls after a derived table; the MRD/GEE search uses them too.
    void ShowDerivedTableControls();

    // (h) MRD/GEE search.
    void WriteMrdResults();

    // (i) Ballistic coefficient searches.
    // Sets the computation mode, one coefficient for the whole flight, no
    // Coriolis force or drift, then the input set-up.
    void StartCoefficientSearch(int mode);
    // The found coefficient (or its form factor) into Edit1 and the result pane.
    void WriteSearchedCoefficient();
    // Back to idle with the graph controls of a table run disabled.
    void FinishCoefficientSearch();
    // (j) Reticle zero ranges and wind holds.
    void SetReticleComputationRange();
    void ListVerticalMarks(const Reticle& reticle);
    void FindDistanceHolds(const Reticle& reticle, double markAngle, bool listing);
    void FindCrossWindHolds(const Reticle& reticle, double markAngle, double distance,
                            bool listing);
    void ShowReticleResults(bool rangeLimit, bool heightLimit);
    // (l) Saving the results.
    // Keeps what the files of the computation that just completed state: its
    // header, its option lines and its table settings, as the window and the
    // engine's records hold them now. "Save" and the init file write only
    // this copy, so nothing changed after the computation (by hand, by
    // "Load", by the click counter or by a tool window) reaches a file that
    // holds its numbers. Called by every computation that enables "Save".
    void KeepComputationForFiles(bool slantDistances);
    ResultsHeaderData HeaderOfComputation() const;
    // The last such computation; none before the first.
    std::optional<ResultsTable> computed_;

    // (m) The list: the muzzle velocity the list row shows.
    double ListedMuzzleVelocity();

    // (n) Results files read back and the init file.
    void ApplyResultsHeader(const ResultsHeaderRecord& header, const DragFileData& dragFile);
    void ApplyHeaderDragFunction(const ResultsHeaderRecord& header, const DragFileData& dragFile);
    void ApplyHeaderDragStrength(const ResultsHeaderRecord& header);
    void ApplyHeaderClick(const ResultsHeaderRecord& header);
    void ApplyHeaderAltitude();
    // Switches the drag-strength mode while the coefficient and bullet fields
    // hold values whose conversion cannot fail; the header replaces them next.
    void SwitchDragStrengthMode(int item);
};

extern Tvstup* vstup;
