#include "gui/start_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <utility>

#include "gui/interface_texts.h"
#include "toolkit/controls.h"
#include "toolkit/jpeg_picture.h"
#include "toolkit/qt_translations.h"
#include "toolkit/screen_place.h"
#include "toolkit/z_order.h"

namespace orv {

SpracheState Sprache;

namespace {

PictureBox* MakePicture(QWidget* parent, const char* name, QRect geometry, const char* resource) {
  auto* picture = new PictureBox(parent);
  picture->setObjectName(QString::fromLatin1(name));
  picture->setGeometry(geometry);
  picture->SetPicture(LoadPicture(QString::fromLatin1(resource)));
  MarkGraphic(picture);
  return picture;
}

// Items of a captionless radio group of height h with a font cell of 13 pixels:
// (h - 13 - 5) / 3 pixels each, the first one 14 pixels below the top; the
// language picture's rows are drawn to match.
constexpr int kItemLeft = 8;
constexpr int kItemTop = 14;
constexpr int kItemHeight = 34;

}  // namespace

TForm1::TForm1(SpracheState& sprache, ErrorBoxFunction errorBox)
    : sprache_(sprache), errorBox_(std::move(errorBox)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kProgramTitle));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(768, 499);
  new ScreenPlace(this, QPoint(237, 199));
  setFont(MakeFont("MS Sans Serif", 11));
  Fill(this, kButtonFace);

  // The background lies under the language picture, so the flags stay in view.
  Image2 = MakePicture(this, "Image2", {-8, 0, 777, 513}, ":/pictures/background.jpg");
  Image1 = MakePicture(this, "Image1", {224, 112, 313, 193}, ":/pictures/language.jpg");

  Button1 = MakeButton(this, "Button1", {712, 72, 44, 41}, QString::fromUtf8(kQuitCaption));
  Button1->setFont(MakeFont("Verdana", 9, true));

  RadioSprach = new QGroupBox(this);
  RadioSprach->setObjectName(QStringLiteral("RadioSprach"));
  RadioSprach->setGeometry(344, 112, 57, 121);
  Fill(RadioSprach, kLight3D);
  items_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    RadioItems[i] = new QRadioButton(QString::fromLatin1(kLanguageItems[i]), RadioSprach);
    RadioItems[i]->setObjectName(QString::fromLatin1(kLanguageItems[i]));
    RadioItems[i]->setGeometry(kItemLeft, kItemTop + i * kItemHeight, 57 - 10, kItemHeight);
    items_->addButton(RadioItems[i], i);
  }
  ArrangeLayers(this);
  setTabOrder(RadioItems[0], Button1);

  connect(items_, &QButtonGroup::idClicked, this, [this] { Guarded([this] { RadioSprachClick(); }); });
  connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }); });
}

int TForm1::ItemIndex() const { return items_->checkedId(); }

void TForm1::RadioSprachClick() {
  const int item = ItemIndex();
  if (item < 0) return;
  sprache_.LanguageNo = item + 1;  // 1 Russian, 2 German, 3 English
  const Language language = LanguageOf(sprache_.LanguageNo);
  UseQtTexts(language == Language::kRussian ? "ru" : language == Language::kGerman ? "de" : nullptr);
  Image1->hide();
  RadioSprach->hide();
  StoreDefaultValues(sprache_.PresetData);
  if (form2_) {
    form2_->show();
    form2_->activateWindow();
  }
}

void TForm1::Button1Click() { close(); }

void TForm1::FormActivate() {}

void TForm1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Guarded([this] { FormActivate(); });
}

// The start window is the program's main window: closing it, by QUIT or by its
// close box, ends the program even while the main window is open.
void TForm1::closeEvent(QCloseEvent* event) {
  event->accept();
  if (form2_) form2_->hide();
  QCoreApplication::exit(0);
}

}  // namespace orv
