// Designs as the user keeps them: a design opened, changed, saved and opened again
// gives the same fields and slots, and START flies it to the bytes orvantis-cli run
// --params writes for the same file; a broken file changes nothing; the title names
// the design and marks changes; MAIN asks before kept runs or changes are lost; the
// button under MAIN opens the chart area's entries and the design's.
#include <sys/stat.h>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "base/number_text.h"
#include "charts/compared_runs.h"
#include "gui/design_texts.h"
#include "gui/interface_texts.h"
#include "gui/tool_texts.h"
#include "tests/ui/ui_fixture.h"
#include "toolkit/edit_field.h"

namespace orv::test {
namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class DesignTest : public QObject {
  Q_OBJECT

  UiFixture f;
  QStringList confirmAsked;
  bool confirmAnswer = false;

  QStringList FieldTexts() const {
    QStringList texts;
    for (const InputInfo& info : InputTable())
      if (info.field) texts << f.form2->findChild<QLineEdit*>(info.control)->text();
    return texts;
  }
  QString Shown(double value) const {
    return QString::fromStdString(ExactText(value, LocaleDecimalSeparator()));
  }

 private slots:
  void init() {
    f.Init();
    confirmAsked.clear();
    f.form2->SetConfirmDialog([this](QWidget*, const QString& text) {
      confirmAsked << text;
      return confirmAnswer;
    });
  }
  void cleanup() { f.Cleanup(); }

  void aSavedDesignOpensAndFliesAsTheCommandLineFliesIt() {
    f.ChooseLanguage(2);  // English
    TForm2& w = *f.form2;
    const QString title = QString::fromUtf8(kProgramTitle);
    QCOMPARE(w.windowTitle(), title);
    QVERIFY(w.InForce->isHidden());
    // Hidden inputs too, and a value that needs all 17 digits to read back.
    Write(f.folder.filePath("a.orv"),
          "# by hand\nhk = -0.5\ndt = 5e-5\ncy = 0.1\nwind = 0.25\n"
          "cx = 0.30000000000000004\nmass=0.2\n");
    w.OpenDesignFile(f.folder.filePath("a.orv"));
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(w.EdCx->text(), Shown(0.1 + 0.2));
    QCOMPARE(w.eddt0->text(), Shown(5e-5));
    QCOMPARE(w.edV0->text(), Shown(30.2));  // not named: the default
    const FlightInputs opened = InputsInForce(f.state->fd);
    QCOMPARE(opened[static_cast<std::size_t>(Input::kCx)], 0.1 + 0.2);
    QCOMPARE(opened[static_cast<std::size_t>(Input::kHk)], -0.5);
    QCOMPARE(opened[static_cast<std::size_t>(Input::kDt)], 5e-5);
    QCOMPARE(w.windowTitle(), title + " - a.orv");
    const QString inForce = w.InForce->text();
    QVERIFY2(inForce.startsWith("Also in force: lift coefficient 0") && inForce.contains(" end height -0") &&
                 inForce.contains(" time step 5E-5 s") && inForce.contains(" current 0") &&
                 inForce.endsWith("25 m/s"),
             qPrintable(inForce));

    w.edV0->setText(Shown(35));  // typed: the title marks the change
    QCOMPARE(w.windowTitle(), title + " - a.orv*");
    w.edV0->setText(Shown(30.2));
    QCOMPARE(w.windowTitle(), title + " - a.orv");
    w.edV0->setText(Shown(35));
    f.saveAnswer = f.folder.filePath("b.orv");
    w.SaveDesignAsAction->trigger();
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(w.windowTitle(), title + " - b.orv");
    QCOMPARE(w.RecentDesigns(), QStringList({f.folder.filePath("b.orv"), f.folder.filePath("a.orv")}));
    const QStringList fields = FieldTexts();
    w.Button1->click();
    QCOMPARE(f.errors, QStringList());
    const QByteArray results = Bytes(f.folder.filePath("Orvantis_500.txt"));
    QVERIFY(results.size() > 1000);

    // The command line flies the saved file to the same bytes.
    QVERIFY(f.folder.mkdir("cli"));
    QProcess cli;
    cli.setWorkingDirectory(f.folder.filePath("cli"));
    cli.start(ORVANTIS_CLI, {"run", "--params", f.folder.filePath("b.orv")});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.readAllStandardError(), QByteArray());
    QCOMPARE(Bytes(f.folder.filePath("cli/Orvantis_500.txt")), results);

    // Back to the defaults, then the saved design gives the same fields and slots.
    w.Button5->click();
    QCOMPARE(confirmAsked, QStringList());  // saved, nothing kept: nothing to lose
    f.ChooseLanguage(2);
    QCOMPARE(w.windowTitle(), title + " - b.orv*");  // the activation's defaults
    w.OpenDesignFile(f.folder.filePath("b.orv"));
    QCOMPARE(FieldTexts(), fields);
    FlightInputs expected = opened;
    expected[static_cast<std::size_t>(Input::kV0)] = 35;
    QVERIFY(InputsInForce(f.state->fd) == expected);
    QCOMPARE(w.windowTitle(), title + " - b.orv");
  }

  // The design the program was started with opens once the language is chosen. An
  // unknown name, a value that is not a number, a missing file: one box naming the
  // line, and the fields, slots and title stay as they were.
  void aBrokenDesignChangesNothing() {
    TForm2& w = *f.form2;
    Write(f.folder.filePath("good.orv"), "v0 = 40\n");
    w.OpenDesignAtStart(f.folder.filePath("good.orv"));  // "orvantis good.orv"
    f.ChooseLanguage(2);
    QTRY_COMPARE(w.edV0->text(), QString("40"));
    w.edV0->setText("41");
    Write(f.folder.filePath("name.orv"), "mass = 2\n\nspeed = 3\n");
    Write(f.folder.filePath("value.orv"), "mass = 2\nv0 = 3,5\n");
    // Opening a fifo for reading would wait for a writer: the window must not.
    QCOMPARE(::mkfifo(QFile::encodeName(f.folder.filePath("pipe.orv")).constData(), 0600), 0);
    const struct {
      const char* file;
      QString message;
    } cases[] = {
        {"name.orv", "name.orv:3: unknown name 'speed'."},
        {"value.orv",
         "value.orv:2: v0: '3,5' is not a valid floating point value; use a point as the decimal separator: "
         "3.5."},
        {"none.orv", "cannot read '" + f.folder.filePath("none.orv") + "': No such file or directory."},
        {"pipe.orv", "cannot read '" + f.folder.filePath("pipe.orv") +
                         "': Not a regular file (a device, pipe or socket)."},
    };
    for (const auto& c : cases) {
      const QStringList fields = FieldTexts();
      const FlightInputs inputs = InputsInForce(f.state->fd);
      const QString title = w.windowTitle();
      f.errors.clear();
      w.OpenDesignFile(f.folder.filePath(c.file));
      QCOMPARE(f.errors, QStringList({c.message}));
      QCOMPARE(f.details,
               QStringList({QString::fromUtf8(Pick(DesignText().openFailed, Language::kEnglish))}));
      f.details.clear();
      QCOMPARE(FieldTexts(), fields);
      QVERIFY(InputsInForce(f.state->fd) == inputs);
      QCOMPARE(w.windowTitle(), title);
      QVERIFY(w.windowTitle().endsWith("good.orv*"));
    }
  }

  // MAIN and the close box ask once, naming what would be lost; Cancel leaves all.
  void mainAsksBeforeKeptRunsAndChangesAreLost() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    f.saveAnswer = f.folder.filePath("harpoon.orv");
    w.SaveDesignAction->trigger();  // the first time it asks for a name
    QCOMPARE(f.saveAsked.size(), 1);
    w.Button1->click();
    w.KeepRunAction->trigger();
    w.edV0->setText("35");
    w.Button1->click();
    w.KeepRunAction->trigger();
    w.Button5->click();
    QCOMPARE(confirmAsked, QStringList({"2 kept runs and the changes to harpoon.orv will be lost."}));
    QVERIFY(w.isVisible());
    QVERIFY(w.CompareRunsAction->isEnabled());
    QVERIFY(!w.close());  // the close box asks too
    QCOMPARE(confirmAsked.size(), 2);
    QVERIFY(w.isVisible());

    w.SaveDesignAction->trigger();  // saved in place, without asking
    QCOMPARE(f.saveAsked.size(), 1);
    QVERIFY(Bytes(f.folder.filePath("harpoon.orv")).contains("\nv0 = 35 "));
    confirmAnswer = true;
    w.Button5->click();
    QCOMPARE(confirmAsked.last(), QString("2 kept runs will be lost."));
    QCOMPARE(confirmAsked.size(), 3);  // once: the close of MAIN asks no more
    QVERIFY(!w.isVisible());
    QVERIFY(f.form1->isVisible());
  }

  // The kept runs' legends name the design's file.
  void keptRunsAreNamedByTheirDesign() {
    ComparedRun first, second;
    first.inputs = RunInputsOf(DefaultInputs(), '.');
    second.inputs = first.inputs;
    second.inputs[static_cast<std::size_t>(Input::kV0)].value = "35";
    second.number = 2;
    first.design = "harpoon.orv";
    second.design = "harpoon.orv*";
    const std::vector<ComparedRun> runs = {first, second};
    QVERIFY(LegendTexts(runs, '.') ==
            std::vector<std::string>({"1: harpoon.orv", "2: harpoon.orv*: v0 = 35 m/s"}));
    QVERIFY(DifferingAssignments(first, second) == "design=harpoon.orv* v0=35");
  }

  // The button under MAIN opens one menu: the design's entries, the chart area's
  // menu's own actions (chart and study), help; each keeps its shortcut.
  void theMenuButtonOpensTheChartMenusActions() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    QCOMPARE(w.MenuButton->text(), QString("Menu"));
    QVERIFY(!w.MenuButton->toolTip().isEmpty());
    for (QWidget* other : w.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      if (other != w.MenuButton && other->isVisible() && !other->inherits("QMenu"))
        QVERIFY2(!other->geometry().intersects(w.MenuButton->geometry()), qPrintable(other->objectName()));
    QList<QAction*> chartMenu;
    QTimer::singleShot(0, [&chartMenu] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* a : menu->actions())
        if (!a->isSeparator()) chartMenu << a;  // its separators go with it
      menu->close();
    });
    emit w.Image1->customContextMenuRequested(QPoint(10, 10));
    QVERIFY(chartMenu.size() > 5);

    QTest::mouseClick(w.MenuButton, Qt::LeftButton);
    QVERIFY(w.WindowMenu->isVisible());
    QCOMPARE(w.WindowMenu->actions().size(), 4);
    QList<QAction*> offered = w.ChartMenu->actions() + w.StudyMenu->actions();
    const auto entries = [](QList<QAction*> list) {
      list.removeIf([](const QAction* a) { return a->isSeparator(); });
      return list;
    };
    QCOMPARE(entries(offered), chartMenu);
    QVERIFY(w.DesignMenu->actions().contains(w.OpenDesignAction));
    QVERIFY(w.DesignMenu->actions().contains(w.RecentMenu->menuAction()));
    QCOMPARE(w.OpenDesignAction->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(w.SaveDesignAction->shortcut(), QKeySequence("Ctrl+Shift+S"));
    QVERIFY(w.HelpMenu->actions().contains(w.ShortcutsAction));
    w.WindowMenu->close();

    for (Language language : kLanguages) {
      const DesignTexts& t = DesignText();
      for (const Texts3* text :
           {&t.menuButton, &t.menuTip, &t.designMenu, &t.chartMenu, &t.studyMenu, &t.helpMenu, &t.open,
            &t.save, &t.saveAs, &t.recent, &t.loss, &t.lossRuns, &t.lossDesign})
        QVERIFY(*Pick(*text, language) != '\0');
    }
  }
};

}  // namespace
}  // namespace orv::test

QTEST_MAIN(orv::test::DesignTest)
#include "design_test.moc"
