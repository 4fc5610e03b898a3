// The main window: the flight's inputs in framed groups on the left, the trajectory
// sketch, the chart buttons under their cover panel, START and MAIN, and the chart
// area. Controls and handlers carry the names of the window's resource.
#pragma once

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

#include "base/flight_data.h"
#include "base/input_table.h"
#include "base/parameter_fields.h"
#include "base/preset_data.h"
#include "charts/chart_engine.h"
#include "charts/compared_runs.h"
#include "charts/comparison_chart.h"
#include "flight/aim.h"
#include "flight/flight_summary.h"
#include "flight/range_table.h"
#include "gui/compare_dialog.h"
#include "gui/results_view.h"
#include "gui/sweep_dialog.h"
#include "gui/tool_texts.h"
#include "toolkit/chart_area.h"
#include "toolkit/chart_overlay.h"
#include "toolkit/error_box.h"
#include "toolkit/picture_box.h"

namespace orv {

class TForm2 : public QWidget {
 public:
  // `state` is the parameter set the fields and runs write, `sprache` the start
  // window's language and default values; faults are shown through `errorBox`.
  TForm2(SharedState& state, const SpracheState& sprache, ErrorBoxFunction errorBox = ShowErrorBox);

  // The start window: MAIN shows it again, and becoming active there is what makes
  // the next activation of this window a real one.
  void SetStartWindow(QWidget* form1);

  // Asks where to save a file: a title, a suggested path, a filter; an empty answer
  // cancels. Tests answer it themselves instead of a modal dialog.
  using SaveDialogFunction = std::function<QString(QWidget* parent, const QString& title,
                                                   const QString& suggested, const QString& filter)>;
  void SetSaveDialog(SaveDialogFunction dialog) { saveDialog_ = std::move(dialog); }

  // Asks what to sweep (AskSweepChoice unless a test answers).
  using SweepDialogFunction = std::function<std::optional<SweepChoice>(QWidget* parent, Language language,
                                                                       const SweepChoice& initial)>;
  void SetSweepDialog(SweepDialogFunction dialog) { sweepDialog_ = std::move(dialog); }
  // Asks for the comparison's two quantities (AskCompareChoice unless a test answers).
  using CompareDialogFunction = std::function<std::optional<CompareChoice>(QWidget* parent, Language language,
                                                                           const CompareChoice& initial)>;
  void SetCompareDialog(CompareDialogFunction dialog) { compareDialog_ = std::move(dialog); }

  // Asks where to open a file (AskOpenPath unless a test answers); empty cancels.
  using OpenDialogFunction = std::function<QString(QWidget* parent, const QString& title,
                                                   const QString& folder, const QString& filter)>;
  void SetOpenDialog(OpenDialogFunction dialog) { openDialog_ = std::move(dialog); }
  // Asks whether to go on although `text` says what will be lost; true goes on. A
  // box with Cancel as the default unless a test answers.
  using ConfirmFunction = std::function<bool(QWidget* parent, const QString& text)>;
  void SetConfirmDialog(ConfirmFunction dialog) { confirmDialog_ = std::move(dialog); }

  // Designs (main_window_design.cpp): the inputs kept in a file.
  void OpenDesignClick();    // "Open design..."
  void SaveDesignClick();    // "Save design": asks a name the first time
  void SaveDesignAsClick();  // "Save design as..."
  // Types the design's values into the fields; a file that cannot be read or
  // understood changes nothing and shows one box naming the line (as a handler:
  // faults end in the error box).
  void OpenDesignFile(const QString& path);
  // The design the program was started with, opened after the first activation.
  void OpenDesignAtStart(const QString& path) { designAtStart_ = path; }
  const QString& DesignPath() const { return designPath_; }  // empty: no design
  bool DesignChanged() const;  // the fields differ from the design saved or opened
  QStringList RecentDesigns() const;
  // The menu under MAIN (main_window_menu.cpp).
  void ShowWindowMenu();
  void ShowShortcuts();
  void ShowAbout();

  // Event handlers.
  void FormAktivate();
  void Button1Click();   // START
  void Button5Click();   // MAIN
  void Button28Click();  // About
  void edH0Change();
  void edV0Change();
  void edTkChange();
  void eddt0Change();
  void edMassaStartChange();
  void edVwindChange();
  void EdS0Change();
  void EdCxChange();
  void EdCyChange();
  void EdTTOChange();
  void Button3Click();
  void Button27Click();
  void Button22Click();
  void Button8Click();
  void Button4Click();
  void Button10Click();
  void Button9Click();
  void Button2Click();
  void Button16Click();
  void Button15Click();
  // The chart area's menu and shortcuts.
  void SaveChartPng();
  void SaveChartSvg();
  void CopyChart();
  void ExportCsv();
  void CopyResults();
  void CheckStepClick();  // "Check the time step": the last run's inputs at dt and dt / 2
  void SweepClick();      // "Sweep...": one input over a grid, or its best value
  // The comparison of kept runs, in the chart area's menu.
  void KeepRunClick();      // "Keep this run for comparison"
  void CompareRunsClick();  // "Compare kept runs..."
  void ClearRunsClick();    // "Clear kept runs"
  // Where to aim, in the chart area's menu.
  void AimClick();         // "Aim at a target...": the angles through a point, the danger space
  void RangeTableClick();  // "Range table...": the last run's path at every step of range
  void SpreadClick();      // "Chance of a hit...": Monte Carlo draws of the launch

  // Controls, in creation order.
  QFrame *Bevel2, *Bevel3, *Bevel6;
  PictureBox* Image6;
  QFrame *Bevel4, *Bevel7;
  PictureBox *Image1, *Image3;
  QLabel *Panel6, *Panel4;
  QPushButton* Button1;
  QLineEdit *edH0, *edV0, *edTk;
  QPushButton *Button22, *Button27;
  QLineEdit *eddt0, *edMassaStart, *edVwind;
  QPushButton* Button2;
  QLineEdit *EdS0, *EdCx, *EdCy, *EdTTO;
  QPushButton *Button5, *Button3;
  QLabel* Panel7;
  QPushButton *Button4, *Button8, *Button9, *Button10, *Button15, *Button16;
  QPlainTextEdit* Memo1;
  QPushButton* Button28;
  QAction *SavePngAction, *SaveSvgAction, *CopyChartAction, *ExportCsvAction, *CopyResultsAction;
  QAction* CheckStepAction;
  QAction* SweepAction;
  QAction *KeepRunAction, *CompareRunsAction, *ClearRunsAction;
  QAction *AimAction, *RangeTableAction, *SpreadAction;
  QAction *OpenDesignAction, *SaveDesignAction, *SaveDesignAsAction, *ShortcutsAction, *AboutAction;
  QMenu *WindowMenu, *DesignMenu, *ChartMenu, *StudyMenu, *HelpMenu, *RecentMenu;
  QPushButton* MenuButton;        // under MAIN: opens WindowMenu
  QLabel* InForce;                // the inputs in force that no visible field shows
  QPointer<QDialog> studyAnswer;  // the last answer of a study, while it is open
  // Beyond the resource: the last run's figures in the top-left frame, and over the
  // chart area the read-out's line and the mark of stale results.
  ResultsView* Results;
  ChartOverlay* Overlay;
  QLabel *Label1, *Label12, *edH, *edV, *Label3, *Label4, *Label8, *Label13, *Label14, *Label17, *Label19,
      *Label9, *Label5, *Label25;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void CreateLabels();
  void ConnectHandlers();
  void SetTabOrder();
  void SetLanguageTexts();
  void ShowLabelTexts(Language language);
  void DrawCatalogueChart(const char* button);
  void DrawOnChartArea(const ChartRequest& request, bool afterRun);
  void InstallTools();
  void SetToolTexts();
  void ShowChartMenu(const QPoint& at);
  void FillChartMenu(QMenu& menu);
  void InstallDesign();
  void SetDesignTexts();
  void DesignActivated();
  void UpdateDesignMarks();
  FlightInputs InputsShown() const;
  void ReadDesign(const QString& path);  // OpenDesignFile without its guard
  void SaveDesignTo(const QString& path);
  void NoteRecentDesign(const QString& path);
  void FillRecentMenu();
  bool LossConfirmed();
  void InstallMenu();
  void SetMenuTexts();
  void FillWindowMenu();
  void MarkField(Field field, bool notANumber);
  // The figures of a finished run; they stay until the next run finishes (a fault or
  // a cancel leaves them) or MAIN.
  void ShowResults(const FlightSummary& summary);
  void HideResults();
  // Figures and chart no longer describe the inputs: greyed, and marked on the chart.
  void MarkResultsStale();
  // This run's chart could not be drawn and the area still shows an earlier run's.
  void MarkEarlierChart();
  void ShowReadout(QPoint at);
  void ShowReadoutLine(QPoint at, int x, int top, int bottom, const QString& text);
  void HideReadout();
  void SetChartButtonsEnabled(bool enabled);
  // The chart the area shows, and which the menu saves; none before a run, after
  // MAIN and after a failed run (the table no longer matches the picture).
  void SetShownChart(std::optional<ChartRequest> request);
  // A comparison or a sweep in the chart area, which the menu then saves.
  void ShowStudyChart(const ComparisonChart& chart);
  void ShowStudyAnswer(QDialog* answer);
  std::vector<double> GridOf(const SweepChoice& choice) const;
  void Sweep(const SweepChoice& choice);
  void FindBest(const SweepChoice& choice);
  struct StudyValue {
    const Texts3& text;  // "Greatest: %1 = %2 at %3"
    double value;        // of the input
    double figure;       // the figure there
  };
  void ShowStudyValues(const SweepChoice& choice, const std::vector<StudyValue>& values);
  void InstallComparison();
  void InstallAimStudies();
  void SetAimTexts();
  void FindAimFor(class AimDialog* dialog);
  void FillRangeTable(class RangeTableDialog* dialog, const FlightInputs& inputs,
                      std::vector<RangeRow>& rows);
  void RunSpreadFor(class SpreadDialog* dialog);
  // The aimed-at target's cross over a chart of height against range (none otherwise).
  void ShowTargetCross();
  QString Fixed(double angle) const;                       // "12.345", with the locale's separator
  std::string NumberText(double value, int digits) const;  // with the locale's separator
  double ReadNumber(const QLineEdit* edit) const;          // as the fields read numbers
  void FillTarget(QLineEdit* range, QLineEdit* height) const;
  Target ReadTarget(const QLineEdit* range, const QLineEdit* height, const FlightInputs& inputs) const;
  void SetComparisonTexts();
  // After START: the run that finished (nullopt when it faulted) may be kept.
  void NoteFinishedRun(const FlightData& start, bool finished);
  QImage ChartImage() const;
  void SaveAs(const Texts3& title, const QString& name, const QString& filter,
              const std::function<std::string()>& bytes);
  char Separator() const;
  Language UserLanguage() const { return LanguageOf(sprache_.LanguageNo); }
  QLineEdit* EditOf(Field field) const;
  QString FieldName(Field field) const;
  void ReadField(Field field);
  void ThrowIfNotANumber(Field field) const;
  void FieldLeft(Field field, Qt::FocusReason reason);
  void BoxWhenReleased(Field field);

  static constexpr int kMouseLookMs = 20;

  template <class Handler>
  void Guarded(Handler&& handler) {
    RunGuarded(errorBox_, this, handler);
  }

  SharedState& state_;
  const SpracheState& sprache_;
  ErrorBoxFunction errorBox_;
  QWidget* form1_ = nullptr;
  std::unique_ptr<ChartArea> chartArea_;
  bool activeLast_ = false;  // this window, not the start window, was the last of the two active
  std::optional<ChartRequest> shownChart_;
  std::optional<ComparisonChart> studyChart_;  // a comparison or a sweep the area shows, for the read-out
  bool chartOnArea_ = false;   // the area shows a chart, not the background or the blank of MAIN
  bool earlierChart_ = false;  // that chart is from before the last finished run
  bool emblemAside_ = false;   // the emblem was hidden for a comparison or a sweep
  SaveDialogFunction saveDialog_;
  std::optional<FlightData> lastRunStart_;  // the parameter set as the last START found it
  // The sweep the chart area shows, which the menu then saves, copies and exports.
  struct ShownSweep {
    ComparisonChart chart;
    std::string csv;                          // as orvantis-cli sweep writes the same grid
    const char* fileName = "Orvantis_sweep";  // what Save and Export suggest, before the suffix
  };
  std::optional<ShownSweep> shownSweep_;
  SweepChoice sweepChoice_;
  SweepDialogFunction sweepDialog_;

  // Runs kept for a comparison, until the program ends or they are cleared.
  struct KeptRun {
    FlightInputs inputs;  // to fly it again with the accurate method
    ComparedRun run;      // its samples as START flew them
    FlightSummary summary;
  };
  std::optional<KeptRun> lastFinished_;  // the last START's run, while it is not kept yet
  std::vector<KeptRun> keptRuns_;
  // The comparison the chart area shows, which the menu then saves, copies and exports.
  struct ShownComparison {
    std::vector<ComparedRun> runs;
    CompareChoice choice;
    std::string note;
    ComparisonChart Chart(char decimalSeparator) const;
  };
  std::optional<ShownComparison> shownComparison_;
  CompareChoice compareChoice_;
  CompareDialogFunction compareDialog_;

  // The last target aimed at; its cross shows on charts of height against range.
  std::optional<Target> aimTarget_;
  QString designPath_;           // absolute; empty before a design is opened or saved
  FlightInputs designInputs_{};  // as opened or saved
  QString designAtStart_;
  OpenDialogFunction openDialog_;
  ConfirmFunction confirmDialog_;
  bool leaving_ = false;  // MAIN has asked already
};

}  // namespace orv
