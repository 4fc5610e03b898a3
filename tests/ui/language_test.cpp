// Every window and dialog as a user meets them in each language: no English word
// where the user chose German or Russian, and no label cut off.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "gui/aim_dialogs.h"
#include "gui/run_dialog.h"
#include "tests/ui/ui_fixture.h"

namespace orv::test {
namespace {

struct Walk {
  QStringList texts;
  QStringList clipped;
};

// A label shows all of its text: unwrapped, within its width; wrapped, within its
// height and with no word wider than a line.
bool Clipped(const QLabel* label) {
  if (label->text().isEmpty() || label->textFormat() == Qt::RichText) return false;
  const QFontMetrics metrics(label->font());
  const int width = label->contentsRect().width();
  if (!label->wordWrap()) return label->sizeHint().width() > label->width();
  for (const QString& word : label->text().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
    if (metrics.horizontalAdvance(word) > width) return true;
  return label->heightForWidth(label->width()) > label->height();
}

void Collect(QWidget* root, Walk& walk) {
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  walk.texts << root->windowTitle();
  for (QWidget* w : widgets) {
    if (!w->isVisibleTo(root) && w != root) continue;
    walk.texts << w->toolTip();
    if (auto* label = qobject_cast<QLabel*>(w)) {
      walk.texts << label->text();
      if (Clipped(label))
        walk.clipped << root->objectName() + "/" + label->objectName() + ": " + label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) walk.texts << button->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < combo->count(); ++i) walk.texts << combo->itemText(i);
    if (auto* list = qobject_cast<QListWidget*>(w))
      for (int i = 0; i < list->count(); ++i) walk.texts << list->item(i)->text();
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < table->columnCount(); ++c)
        if (table->horizontalHeaderItem(c)) walk.texts << table->horizontalHeaderItem(c)->text();
      for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
          if (table->item(r, c)) walk.texts << table->item(r, c)->text();
    }
  }
  for (const QAction* action : root->findChildren<QAction*>()) walk.texts << action->text();
}

// Opens the dialog `open` shows modally, reads it and presses its button `press`
// (cancels it for -1).
void WalkModal(Walk& walk, const std::function<void()>& open, int press) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    seen = true;
    Collect(dialog, walk);
    if (press < 0) return static_cast<void>(qobject_cast<QDialog*>(dialog)->reject());
    const QList<QAbstractButton*> buttons = dialog->findChild<QDialogButtonBox*>()->buttons();
    buttons[press]->click();
  });
  open();
  QVERIFY(seen);
}

// The lower-case Latin words of the texts: what would be English in a German or
// Russian text (symbols such as Cx, START, RK45 or m/s are not words here).
QSet<QString> Words(const QStringList& texts) {
  QSet<QString> words;
  static const QRegularExpression word("(?<![A-Za-z])[a-z]{3,}(?![A-Za-z])");
  for (const QString& text : texts)  // a mnemonic's '&' is inside its word ("Datei&name")
    for (auto it = word.globalMatch(QString(text).remove('&')); it.hasNext();) words << it.next().captured();
  return words;
}

class LanguageTest : public QObject {
  Q_OBJECT

  UiFixture f;

  // START, a sweep with its answer, two kept runs compared, the time step's check, a
  // run whose speed passes zero, the aim, the range table and the chance of a hit,
  // the progress window, a text that is not a number and a run that faults.
  Walk WalkAll(int item) {
    Walk walk;
    f.Init();
    f.ChooseLanguage(item);
    TForm2& w = *f.form2;
    w.Button1->click();
    w.KeepRunAction->trigger();
    Collect(&w, walk);
    WalkModal(
        walk, [&] { w.SweepAction->trigger(); }, 0);
    if (w.studyAnswer) Collect(w.studyAnswer, walk);
    w.edMassaStart->setText("1");
    w.Button1->click();
    w.KeepRunAction->trigger();
    WalkModal(
        walk, [&] { w.CompareRunsAction->trigger(); }, 0);
    if (w.studyAnswer) Collect(w.studyAnswer, walk);
    w.CheckStepAction->trigger();
    if (w.studyAnswer) Collect(w.studyAnswer, walk);
    // The design file's open dialog (saving asks through the test's dialog), left with Cancel.
    WalkModal(
        walk, [&] { w.OpenDesignAction->trigger(); }, -1);
    // Launched straight up: the speed passes zero at the top, and the figures warn.
    w.EdTTO->setText("90");
    w.edV0->setText("1");
    w.Button1->click();
    w.CopyResultsAction->trigger();
    walk.texts << QApplication::clipboard()->text();
    // The aim with its answer, the range table and the chance of a hit.
    w.AimAction->trigger();
    if (auto* aim = dynamic_cast<AimDialog*>(w.studyAnswer.data())) {
      aim->range->setText("5");
      aim->height->setText("1");
      aim->size->setText("1");
      aim->find->click();
      Collect(aim, walk);
    }
    w.RangeTableAction->trigger();
    if (auto* table = dynamic_cast<RangeTableDialog*>(w.studyAnswer.data())) {
      table->show->click();
      Collect(table, walk);
    }
    w.SpreadAction->trigger();
    if (auto* spread = dynamic_cast<SpreadDialog*>(w.studyAnswer.data())) {
      spread->draws->setText("100");
      spread->run->click();
      Collect(spread, walk);
    }
    {
      RunDialog progress(&w, LanguageOf(item + 1));
      RunProgress look;
      look.time = 1;
      look.endTime = 5;
      look.stepsPerSecond = 1000;
      look.secondsLeft = 70;
      progress.Show(look);
      progress.show();
      Collect(&progress, walk);
    }
    w.EdCx->setFocus();
    w.EdCx->setText("2x");
    w.edV0->setFocus();
    w.EdCx->setText("2");
    w.edV0->setText("0");
    w.Button1->click();
    // The fault's own message stays as the run gives it; the line under it is the user's.
    for (const QString& error : f.errors)
      if (!error.startsWith("Floating point") && !error.startsWith("Invalid floating point"))
        walk.texts << error;
    walk.texts << f.details;
    f.Cleanup();
    return walk;
  }

 private slots:
  void everyTextInTheChosenLanguage() {
    const QSet<QString> english = Words(WalkAll(2).texts);
    // Not words of a language: the program's title ("vers"), the results file's name
    // ("txt"), the density's symbol ("rho"), the design file's extension and the test's
    // folder in the file dialog.
    const QSet<QString> names = QSet<QString>{"vers", "txt", "rho", "orv"} +
                                Words({QDir::tempPath(), QCoreApplication::applicationName()});
    // Words that German writes as English does, and the results file's extension.
    const QSet<QString> alsoGerman{"min", "bar", "grad", "plus"};
    for (int item : {0, 1}) {
      const Walk walk = WalkAll(item);
      QStringList leaks;
      for (const QString& word : Words(walk.texts)) {
        if (english.contains(word) && !names.contains(word) && !(item == 1 && alsoGerman.contains(word)))
          leaks << word;
      }
      leaks.sort();
      QVERIFY2(leaks.isEmpty(), qPrintable(leaks.join(' ')));
      QVERIFY2(walk.clipped.isEmpty(), qPrintable(walk.clipped.join('\n')));
    }
  }
};

}  // namespace
}  // namespace orv::test

QTEST_MAIN(orv::test::LanguageTest)
#include "language_test.moc"
