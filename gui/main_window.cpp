// Building the main window: its controls at their client positions, fonts and
// colours, the handlers, the tab order. The handlers are in main_window_handlers.cpp.
#include "gui/main_window.h"

#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QShowEvent>
#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

#include "base/input_table.h"
#include "charts/chart_catalogue.h"
#include "gui/interface_texts.h"
#include "gui/qt_text.h"
#include "gui/tool_texts.h"
#include "toolkit/controls.h"
#include "toolkit/jpeg_picture.h"
#include "toolkit/screen_place.h"
#include "toolkit/z_order.h"

namespace orv {
namespace {

PictureBox* MakePicture(QWidget* parent, const char* name, QRect geometry) {
  auto* picture = new PictureBox(parent);
  picture->setObjectName(QString::fromLatin1(name));
  picture->setGeometry(geometry);
  MarkGraphic(picture);
  return picture;
}

QString ChartCaption(const char* button) {
  const ChartButton* entry = FindChartButton(button);
  return entry ? QString::fromUtf8(entry->caption) : QString::fromLatin1(button);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::ButtonText, colour);
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

}  // namespace

TForm2::TForm2(SharedState& state, const SpracheState& sprache, ErrorBoxFunction errorBox)
    : state_(state), sprache_(sprache), errorBox_(std::move(errorBox)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QString::fromUtf8(kProgramTitle));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(1008, 695);
  new ScreenPlace(this, QPoint(206, 128));
  setFont(MakeFont("MS Sans Serif", 11));
  Fill(this, kButtonFace);
  CreateControls();
  CreateLabels();
  ArrangeLayers(this);
  SetTabOrder();
  chartArea_ = std::make_unique<ChartArea>(*Image1, *Image3);
  ConnectHandlers();
  InstallTools();
  InstallDesign();
}

void TForm2::CreateControls() {
  Bevel2 = MakeBevel(this, "Bevel2", {5, 416, 212, 129});
  Bevel3 = MakeBevel(this, "Bevel3", {5, 240, 212, 169});
  Bevel6 = MakeBevel(this, "Bevel6", {224, 8, 289, 161});
  Image6 = MakePicture(this, "Image6", {232, 16, 273, 145});
  Image6->SetPicture(LoadPicture(QStringLiteral(":/pictures/sketch.png")));
  Bevel4 = MakeBevel(this, "Bevel4", {8, 560, 209, 129});
  Bevel7 = MakeBevel(this, "Bevel7", {8, 8, 209, 225});
  Image1 = MakePicture(this, "Image1", {232, 184, 769, 505});
  Image1->SetPicture(LoadPicture(QStringLiteral(":/pictures/background.jpg")));
  Image3 = MakePicture(this, "Image3", {856, 226, 89, 41});
  Image3->SetPicture(LoadPicture(QStringLiteral(":/pictures/emblem.jpg")));
  Image3->SetTransparent(true);
  Image3->hide();

  Panel6 = MakePanel(this, "Panel6", {528, 24, 417, 145}, QString());
  Panel4 = MakePanel(this, "Panel4", {950, 3, 52, 54}, QStringLiteral("Panel4"), QColor(255, 0, 0));
  Button1 = MakeButton(this, "Button1", {954, 6, 45, 48}, QString::fromUtf8(kStartCaption));
  Button1->setFont(MakeFont("Verdana", 9, true));
  SetTextColour(Button1, kRedText);

  const QFont fieldFont = MakeFont("MS Sans Serif", 13);
  edH0 = MakeEdit(this, "edH0", {160, 479, 50, 22});
  edV0 = MakeEdit(this, "edV0", {161, 510, 50, 22});
  edTk = MakeEdit(this, "edTk", {160, 603, 50, 22});
  for (QLineEdit* field : {edH0, edV0, edTk}) field->setFont(fieldFont);
  Button22 = MakeButton(this, "Button22", {704, 33, 70, 16}, ChartCaption("Button22"));
  Button27 = MakeButton(this, "Button27", {864, 33, 70, 16}, ChartCaption("Button27"));
  eddt0 = MakeEdit(this, "eddt0", {160, 408, 50, 19});
  eddt0->hide();
  edMassaStart = MakeEdit(this, "edMassaStart", {160, 320, 50, 19});
  edVwind = MakeEdit(this, "edVwind", {160, 384, 50, 19});
  edVwind->hide();
  Button2 = MakeButton(this, "Button2", {536, 56, 70, 17}, ChartCaption("Button2"));
  EdS0 = MakeEdit(this, "EdS0", {160, 352, 50, 19});
  EdCx = MakeEdit(this, "EdCx", {160, 256, 50, 19});
  EdCy = MakeEdit(this, "EdCy", {152, 48, 50, 19});
  EdCy->hide();
  EdTTO = MakeEdit(this, "EdTTO", {160, 452, 50, 19});
  Button5 = MakeButton(this, "Button5", {957, 64, 41, 41}, QString::fromUtf8(kMainCaption));
  Button5->setFont(MakeFont("Verdana", 9, true));
  Button3 = MakeButton(this, "Button3", {784, 32, 70, 17}, ChartCaption("Button3"));
  Panel7 = MakePanel(this, "Panel7", {610, 3, 7, 170}, QString());
  Button4 = MakeButton(this, "Button4", {784, 56, 70, 17}, ChartCaption("Button4"));
  Button8 = MakeButton(this, "Button8", {864, 80, 70, 17}, ChartCaption("Button8"));
  Button9 = MakeButton(this, "Button9", {536, 32, 70, 17}, ChartCaption("Button9"));
  Button10 = MakeButton(this, "Button10", {624, 32, 70, 17}, ChartCaption("Button10"));
  Button15 = MakeButton(this, "Button15", {536, 144, 70, 17}, ChartCaption("Button15"));
  Button16 = MakeButton(this, "Button16", {536, 80, 70, 17}, ChartCaption("Button16"));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(16, 48, 193, 177);
  QStringList lines;
  for (const char* line : AboutLines()) lines << QString::fromUtf8(line);
  Memo1->setPlainText(lines.join(QLatin1Char('\n')));
  // Tab moves on to the next control, as from every other control of the window.
  Memo1->setTabChangesFocus(true);
  Memo1->hide();
  Button28 = MakeButton(this, "Button28", {16, 16, 193, 25}, QString::fromUtf8(kAboutCaption));
  Button28->hide();

  // A graphic control, so that the About memo covers it while shown.
  Results = new ResultsView(this);
  MarkGraphic(Results);
}

void TForm2::CreateLabels() {
  const QFont sans = MakeFont("MS Sans Serif", 11);
  const QFont sansBold = MakeFont("MS Sans Serif", 11, true);
  const QFont verdana = MakeFont("Verdana", 11);
  const QFont verdanaBold = MakeFont("Verdana", 11, true);
  const QColor black(0, 0, 0);
  // Word-wrapping labels of the left column end before the fields at x = 160.
  Label1 = MakeLabel(this, "Label1", {58, 582}, sansBold, kNavy);
  Label12 = MakeLabel(this, "Label12", {44, 430}, sansBold, kNavy);
  edH = MakeLabel(this, "edH", {10, 504}, verdana, black, 146);
  edV = MakeLabel(this, "edV", {16, 510}, sans, black, 140);
  Label3 = MakeLabel(this, "Label3", {18, 608}, verdana, black);
  Label4 = MakeLabel(this, "Label4", {18, 658}, verdana, black, 138);
  Label8 = MakeLabel(this, "Label8", {16, 312}, sans, black, 140);
  Label13 = MakeLabel(this, "Label13", {16, 252}, sans, black, 140);
  Label14 = MakeLabel(this, "Label14", {16, 452}, sans, black, 140);
  Label17 = MakeLabel(this, "Label17", {330, 14}, sansBold, kRedText);
  Label19 = MakeLabel(this, "Label19", {16, 350}, sans, black, 140);
  Label9 = MakeLabel(this, "Label9", {532, 7}, verdanaBold, kRedText);
  Label5 = MakeLabel(this, "Label5", {630, 7}, verdanaBold, kRedText);
  Label25 = MakeLabel(this, "Label25", {16, 484}, sans, black, 140);
  // Each field's label names it in the box of a text that is not a number.
  for (const InputInfo& info : InputTable())
    if (info.label) findChild<QLabel*>(QString::fromLatin1(info.label))->setBuddy(EditOf(*info.field));
  ShowLabelTexts(Language::kGerman);
  SetLabelText(Label5, QString::fromUtf8(kLabel5Text));
  SetLabelText(Label9, QString::fromUtf8(kLabel9Text));
  SetLabelText(Label17, QString::fromUtf8(kLabel17Text));
  SetLabelText(edH, QString());
}

void TForm2::ShowLabelTexts(Language language) {
  const auto show = [this, language](const char* control, const Texts3& text) {
    if (auto* label = findChild<QLabel*>(QString::fromLatin1(control)))
      SetLabelText(label, Text(text, language));
  };
  for (const LanguageText& entry : LanguageTexts()) show(entry.control, entry.text);
  for (const InputInfo& info : InputTable())
    if (info.label) show(info.label, info.caption);
}

// The fields take their places from the input table, among the window's buttons.
void TForm2::SetTabOrder() {
  std::vector<std::pair<int, QWidget*>> tabs = {{0, Button1},  {7, Button22},  {8, Button27},  {12, Button2},
                                                {17, Button5}, {20, Button3},  {23, Button4},  {25, Button8},
                                                {26, Button9}, {27, Button10}, {36, Button15}, {38, Button16},
                                                {52, Memo1},   {53, Button28}};
  for (const InputInfo& info : InputTable())
    if (info.field) tabs.emplace_back(info.tabOrder, EditOf(*info.field));
  std::ranges::sort(tabs, {}, &std::pair<int, QWidget*>::first);
  for (std::size_t k = 1; k < tabs.size(); ++k) setTabOrder(tabs[k - 1].second, tabs[k].second);
  for (QLabel* panel : {Panel6, Panel4, Panel7}) panel->setFocusPolicy(Qt::NoFocus);
}

void TForm2::ConnectHandlers() {
  // Each field's change handler reads its text into the field's slot.
  for (const InputInfo& info : InputTable()) {
    if (!info.field) continue;
    QLineEdit* edit = EditOf(*info.field);
    connect(edit, &QLineEdit::textChanged, this,
            [this, field = *info.field] { Guarded([this, field] { ReadField(field); }); });
    connect(edit, &QLineEdit::textChanged, this, [this] { MarkResultsStale(); });
    edit->installEventFilter(this);  // leaving it
  }

  const std::pair<QPushButton*, void (TForm2::*)()> buttons[] = {
      {Button1, &TForm2::Button1Click},   {Button5, &TForm2::Button5Click},
      {Button28, &TForm2::Button28Click}, {Button3, &TForm2::Button3Click},
      {Button27, &TForm2::Button27Click}, {Button22, &TForm2::Button22Click},
      {Button8, &TForm2::Button8Click},   {Button4, &TForm2::Button4Click},
      {Button10, &TForm2::Button10Click}, {Button9, &TForm2::Button9Click},
      {Button2, &TForm2::Button2Click},   {Button16, &TForm2::Button16Click},
      {Button15, &TForm2::Button15Click}};
  for (auto [button, handler] : buttons)
    connect(button, &QPushButton::clicked, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
}

void TForm2::SetStartWindow(QWidget* form1) {
  if (form1_) form1_->removeEventFilter(this);
  form1_ = form1;
  if (form1_) form1_->installEventFilter(this);
}

// Only a change of the program's active window from the start window (or from
// none) to this one is an activation. Returning here from the error box, another
// dialog or another program is not: it would put the default values back into
// every field and throw away what the user typed.
void TForm2::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow() || activeLast_) return;
  activeLast_ = true;
  Guarded([this] { FormAktivate(); });
}

// Shown from the start window, this window becomes the active one next; the
// activation step runs now already, so that the window is never seen with the
// resource texts in its fields. The activation that follows is then no new one.
void TForm2::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous() || activeLast_) return;
  activeLast_ = true;
  Guarded([this] { FormAktivate(); });
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == form1_ && event->type() == QEvent::ActivationChange && form1_->isActiveWindow())
    activeLast_ = false;
  if (watched == Image1 && event->type() == QEvent::MouseMove)
    ShowReadout(static_cast<QMouseEvent*>(event)->position().toPoint());
  if (watched == Image1 && event->type() == QEvent::Leave) HideReadout();
  if (event->type() == QEvent::FocusOut)
    for (const InputInfo& info : InputTable())
      if (info.field && watched == EditOf(*info.field))
        FieldLeft(*info.field, static_cast<QFocusEvent*>(event)->reason());
  return QWidget::eventFilter(watched, event);
}

// The label beside the field, in the language in use; a hidden field has none and
// is named by its tooltip.
QString TForm2::FieldName(Field field) const {
  const QLineEdit* edit = EditOf(field);
  for (const QLabel* label : findChildren<QLabel*>())
    if (label->buddy() == edit) return label->text().simplified();
  return QString::fromUtf8(Pick(InfoOf(field).tip, UserLanguage()));
}

}  // namespace orv
