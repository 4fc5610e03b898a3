#include "tests/ui/ui_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include "gui/interface_texts.h"

namespace orv::test {

UiFixture::UiFixture() {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_.path());
  QCoreApplication::setOrganizationName("orvantis-tests");
  QGuiApplication::setApplicationDisplayName(QString::fromUtf8(kProgramTitle));
  watchdog_.setInterval(50);
  QObject::connect(&watchdog_, &QTimer::timeout, [this] { Watch(); });
}

UiFixture::~UiFixture() = default;

void UiFixture::Init(bool realErrorBox) {
  dir_ = std::make_unique<QTemporaryDir>();
  previousFolder_ = QDir::currentPath();
  QDir::setCurrent(dir_->path());
  folder = QDir(dir_->path());
  state = std::make_unique<SharedState>();
  sprache = SpracheState{};
  errors.clear();
  details.clear();
  unexpected_.clear();
  seen_.clear();
  boxExpected_ = false;
  ticksUntilActive_ = 0;
  ErrorBoxFunction box = [this](QWidget*, const QString& text, const QString& detail) {
    errors << text;
    details << detail;
  };
  if (realErrorBox) box = ShowErrorBox;
  form1 = std::make_unique<TForm1>(sprache, box);
  form2 = std::make_unique<TForm2>(*state, sprache, box);
  form1->SetMainWindow(form2.get());
  form2->SetStartWindow(form1.get());
  saveAsked.clear();
  saveAnswer.clear();
  form2->SetSaveDialog([this](QWidget*, const QString&, const QString& suggested, const QString&) {
    saveAsked << suggested;
    return saveAnswer;
  });
  form1->show();
  form1->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form1.get()));
  watchdog_.start();
}

void UiFixture::Cleanup() {
  watchdog_.stop();
  form2.reset();
  form1.reset();
  QDir::setCurrent(previousFolder_);
  dir_.reset();
  QVERIFY2(unexpected_.isEmpty(), qPrintable("unexpected modal box: " + unexpected_.join(" | ")));
}

void UiFixture::Watch() {
  QWidget* modal = QApplication::activeModalWidget();
  // A long run's progress dialog is no box; the tests that start one close it.
  if (!modal || modal->objectName() == QLatin1String("RunDialog")) return;
  if (auto* box = qobject_cast<QMessageBox*>(modal); box && boxExpected_) {
    // The window system activates a new box a little after it shows; on a busy
    // machine that can take longer than one tick, so wait up to two seconds.
    if (QApplication::activeWindow() != box && ++ticksUntilActive_ < 40) return;
    ticksUntilActive_ = 0;
    boxExpected_ = false;
    seen_.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->textFormat(),
                  QApplication::activeWindow() == box, box->frameGeometry()});
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
      return;
    }
  } else {
    unexpected_ << modal->windowTitle() + ": " +
                       (qobject_cast<QMessageBox*>(modal) ? qobject_cast<QMessageBox*>(modal)->text()
                                                          : QString());
  }
  modal->close();
}

void UiFixture::ChooseLanguage(int item) {
  QRadioButton* radio = form1->RadioItems[item];
  QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
  QVERIFY(QTest::qWaitForWindowActive(form2.get()));
}

void UiFixture::Activate(QWidget* window) {
  window->show();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
}

QWidget* UiFixture::ReceiverAt(QWidget* window, QPoint pos) {
  QWidget* child = window->childAt(pos);
  return child ? child : window;
}

void UiFixture::ClickAt(QWidget* window, QPoint pos) {
  QWidget* receiver = ReceiverAt(window, pos);
  QTest::mouseClick(receiver, Qt::LeftButton, {}, receiver->mapFrom(window, pos));
}

}  // namespace orv::test
