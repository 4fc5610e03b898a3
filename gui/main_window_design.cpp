// Designs: the window's inputs kept in a file that orvantis-cli reads with --params.
// Opening one types its values into the fields (the hidden ones too) and sets the
// end height; the title names the design and marks it while the fields differ from
// it. Beside the results the window names every input it has no visible field for
// that differs from its default. MAIN and the close box ask before kept runs or the
// changes to a design are lost.
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <utility>

#include "base/input_table.h"
#include "base/number_text.h"
#include "charts/compared_runs.h"
#include "files/design_file.h"
#include "files/safe_write.h"
#include "gui/design_texts.h"
#include "gui/interface_texts.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/result_texts.h"
#include "gui/tool_texts.h"
#include "toolkit/controls.h"
#include "toolkit/screen_place.h"
#include "toolkit/z_order.h"

namespace orv {
namespace {

constexpr const char* kRecentKey = "recentDesigns";
constexpr const char* kDesignFolderKey = "designFolder";
constexpr int kRecentCount = 5;
constexpr std::size_t kMostDesignBytes = 1 << 20;  // a design is a few hundred bytes

QString DesignFilter(Language language) {
  return Text(DesignText().filter, language) + QStringLiteral(" (*.orv)");
}

QString DesignFolder() {
  const QString folder = QSettings().value(QString::fromLatin1(kDesignFolderKey)).toString();
  return folder.isEmpty() || !QDir(folder).exists() ? QDir::currentPath() : folder;
}

QString AskOpenPath(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
  QFileDialog dialog(parent, title, folder, filter);
  dialog.setOptions(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  CentreOverParent(&dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

QString AskSaveDesignPath(QWidget* parent, const QString& title, const QString& suggested,
                          const QString& filter) {
  QFileDialog dialog(parent, title, suggested, filter);
  dialog.setOptions(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("orv"));
  CentreOverParent(&dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

// Cancel is the default: Return or Escape leave everything as it was.
bool AskLoss(QWidget* parent, const QString& text, const QString& discard) {
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kProgramTitle), text, QMessageBox::Cancel, parent);
  QPushButton* lose = box.addButton(discard, QMessageBox::DestructiveRole);
  box.setDefaultButton(QMessageBox::Cancel);
  box.setEscapeButton(QMessageBox::Cancel);
  CentreOverParent(&box);
  box.exec();
  return box.clickedButton() == lose;
}

}  // namespace

void TForm2::InstallDesign() {
  auto action = [this](QKeySequence keys, void (TForm2::*handler)()) {
    auto* a = new QAction(this);
    a->setShortcut(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    connect(a, &QAction::triggered, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    return a;
  };
  OpenDesignAction = action(QKeySequence(Qt::CTRL | Qt::Key_O), &TForm2::OpenDesignClick);
  SaveDesignAction = action(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &TForm2::SaveDesignClick);
  SaveDesignAsAction = action(QKeySequence(), &TForm2::SaveDesignAsClick);
  RecentMenu = new QMenu(this);
  connect(RecentMenu, &QMenu::aboutToShow, this, &TForm2::FillRecentMenu);

  // At the foot of the top-left frame, under the About memo like the figures.
  InForce = new QLabel(this);
  InForce->setObjectName(QStringLiteral("InForce"));
  InForce->setGeometry(16, 184, 193, 40);
  InForce->setWordWrap(true);
  InForce->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  MarkGraphic(InForce);
  InForce->hide();
  ArrangeLayers(this);

  designInputs_ = DefaultInputs();
  for (const InputInfo& info : InputTable())
    if (info.field)
      connect(EditOf(*info.field), &QLineEdit::textChanged, this, [this] { UpdateDesignMarks(); });
  InstallMenu();
}

void TForm2::SetDesignTexts() {
  const Language language = UserLanguage();
  const DesignTexts& texts = DesignText();
  OpenDesignAction->setText(Text(texts.open, language));
  SaveDesignAction->setText(Text(texts.save, language));
  SaveDesignAsAction->setText(Text(texts.saveAs, language));
  RecentMenu->setTitle(Text(texts.recent, language));
  SetMenuTexts();
}

// After every activation: the texts of the language, the marks of the values the
// activation put back, and once, the design the program was started with.
void TForm2::DesignActivated() {
  SetDesignTexts();
  UpdateDesignMarks();
  if (!designAtStart_.isEmpty())
    QTimer::singleShot(0, this,
                       [this, path = std::exchange(designAtStart_, QString())] { OpenDesignFile(path); });
}

FlightInputs TForm2::InputsShown() const { return InputsInForce(state_.fd); }

bool TForm2::DesignChanged() const {
  if (designPath_.isEmpty()) return false;
  for (const InputInfo& info : InputTable())
    if (info.field && EditOf(*info.field)->property("notANumber").toBool()) return true;
  return InputsShown() != designInputs_;
}

void TForm2::UpdateDesignMarks() {
  QString title = QString::fromUtf8(kProgramTitle);
  if (!designPath_.isEmpty()) {
    title += QStringLiteral(" - ") + QFileInfo(designPath_).fileName();
    if (DesignChanged()) title += QLatin1Char('*');
  }
  setWindowTitle(title);

  // The inputs in force that no visible field shows, while they differ from their defaults.
  const Language language = UserLanguage();
  const FlightInputs shown = InputsShown();
  const FlightInputs defaults = DefaultInputs();
  QStringList named;
  for (const InputInfo& info : InputTable()) {
    const Texts3* name = HiddenInputName(info.id);
    const auto i = static_cast<std::size_t>(info.id);
    if (!name || shown[i] == defaults[i]) continue;
    QString text =
        Text(*name, language) + QLatin1Char(' ') + QString::fromStdString(FloatToText(shown[i], Separator()));
    if (*info.unit) text += QLatin1Char(' ') + QString::fromStdString(UnitText(info.unit, language));
    named << text;
  }
  InForce->setText(named.isEmpty()
                       ? QString()
                       : Text(DesignText().inForce, language) + QLatin1Char(' ') +
                             named.join(Separator() == ',' ? QStringLiteral("; ") : QStringLiteral(", ")));
  InForce->setVisible(!named.isEmpty());
}

void TForm2::OpenDesignClick() {
  const Language language = UserLanguage();
  const QString title = Text(DesignText().open, language);
  const QString path = openDialog_ ? openDialog_(this, title, DesignFolder(), DesignFilter(language))
                                   : AskOpenPath(this, title, DesignFolder(), DesignFilter(language));
  if (!path.isEmpty()) ReadDesign(path);
}

// The whole file is read and understood before any field changes; then each value
// goes into its field as if typed there, with the point of the file turned into
// the locale's separator, and the end height, which has no field, into its slot.
void TForm2::OpenDesignFile(const QString& path) {
  Guarded([this, &path] { ReadDesign(path); });
}

void TForm2::ReadDesign(const QString& path) {
  const std::string fileName = QFile::encodeName(QFileInfo(path).fileName()).toStdString();
  FlightInputs inputs{};
  try {
    inputs = DesignInputs(ParseDesign(
        ReadDesignText(QFile::encodeName(path).toStdString(), PlainQuoted, kMostDesignBytes, true),
        fileName));
  } catch (const DesignFault& fault) {
    throw DesignFault(fault.message(), Pick(DesignText().openFailed, UserLanguage()));
  }
  for (const InputInfo& info : InputTable()) {
    const double value = inputs[static_cast<std::size_t>(info.id)];
    if (info.field) {
      QLineEdit* edit = EditOf(*info.field);
      edit->setText(QString::fromStdString(ExactText(value, Separator())));
      edit->setCursorPosition(0);
    } else if (info.slot(state_.fd) != value) {
      info.slot(state_.fd) = value;
      MarkResultsStale();
    }
  }
  designPath_ = QFileInfo(path).absoluteFilePath();
  designInputs_ = InputsShown();
  NoteRecentDesign(designPath_);
  UpdateDesignMarks();
}

void TForm2::SaveDesignClick() {
  if (designPath_.isEmpty()) {
    SaveDesignAsClick();
    return;
  }
  SaveDesignTo(designPath_);
}

void TForm2::SaveDesignAsClick() {
  const Language language = UserLanguage();
  const QString name =
      designPath_.isEmpty() ? QStringLiteral("harpoon.orv") : QFileInfo(designPath_).fileName();
  const QString suggested = QDir(DesignFolder()).filePath(name);
  const QString title = Text(DesignText().saveAs, language);
  const QString path = saveDialog_ ? saveDialog_(this, title, suggested, DesignFilter(language))
                                   : AskSaveDesignPath(this, title, suggested, DesignFilter(language));
  if (!path.isEmpty()) SaveDesignTo(path);
}

// A field whose text is not a number stops the save, as it stops START: the file
// would hold a value the field does not show.
void TForm2::SaveDesignTo(const QString& path) {
  for (const Field field : FieldsInTabOrder()) ThrowIfNotANumber(field);
  const FlightInputs inputs = InputsShown();
  WriteFileSafely(QFile::encodeName(path).toStdString(), DesignText(inputs, ORVANTIS_VERSION, DesignDate()));
  designPath_ = QFileInfo(path).absoluteFilePath();
  designInputs_ = inputs;
  NoteRecentDesign(designPath_);
  UpdateDesignMarks();
}

void TForm2::NoteRecentDesign(const QString& path) {
  QSettings settings;
  QStringList recent = settings.value(QString::fromLatin1(kRecentKey)).toStringList();
  recent.removeAll(path);
  recent.prepend(path);
  while (recent.size() > kRecentCount) recent.removeLast();
  settings.setValue(QString::fromLatin1(kRecentKey), recent);
  settings.setValue(QString::fromLatin1(kDesignFolderKey), QFileInfo(path).absolutePath());
}

QStringList TForm2::RecentDesigns() const {
  return QSettings().value(QString::fromLatin1(kRecentKey)).toStringList();
}

void TForm2::FillRecentMenu() {
  RecentMenu->clear();
  const QStringList recent = RecentDesigns();
  for (int k = 0; k < recent.size(); ++k) {
    const QString path = recent[k];
    QAction* a = RecentMenu->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName()));
    a->setToolTip(path);
    a->setStatusTip(path);
    connect(a, &QAction::triggered, this, [this, path] { OpenDesignFile(path); });
  }
  if (recent.isEmpty()) RecentMenu->addAction(Text(DesignText().noRecent, UserLanguage()))->setEnabled(false);
}

// What MAIN or the close box would lose: kept runs and the changes to the design.
// Nothing to lose, or the user's consent: true.
bool TForm2::LossConfirmed() {
  const Language language = UserLanguage();
  const DesignTexts& texts = DesignText();
  QStringList lost;
  const auto runs = static_cast<int>(keptRuns_.size());
  if (runs == 1) lost << Text(texts.lossOneRun, language);
  if (runs > 1) lost << Text(texts.lossRuns, language).arg(runs);
  if (DesignChanged()) lost << Text(texts.lossDesign, language).arg(QFileInfo(designPath_).fileName());
  if (lost.isEmpty()) return true;
  QString what = lost.join(Text(texts.lossAnd, language));
  QString text = Text(texts.loss, language).arg(what);
  text[0] = text[0].toUpper();
  return confirmDialog_ ? confirmDialog_(this, text) : AskLoss(this, text, Text(texts.leave, language));
}

// The close box asks as MAIN does; MAIN has asked already when it closes the window,
// and closing the start window ends the program without a close event here.
void TForm2::closeEvent(QCloseEvent* event) {
  if (!std::exchange(leaving_, false) && isVisible() && !LossConfirmed()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace orv
