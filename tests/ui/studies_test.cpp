// The window's studies as a user runs them: the time step's check of the last run,
// compared with what orvantis-cli says for the same inputs.
#include <QProcess>
#include <QTest>

#include "gui/step_check_dialog.h"
#include "tests/ui/ui_fixture.h"

namespace orv::test {
namespace {

class StudiesTest : public QObject {
  Q_OBJECT

  UiFixture f;

  QString Cli(const QStringList& arguments) {
    QProcess cli;
    cli.setWorkingDirectory(f.folder.path());
    cli.start(ORVANTIS_CLI, arguments);
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0) return {};
    return QString::fromUtf8(cli.readAllStandardOutput());
  }

 private slots:
  void init() { f.Init(); }
  void cleanup() { f.Cleanup(); }

  // The table of the last START's inputs, whatever the fields say since, equals the
  // command line's --check-step lines, in the chosen language.
  void stepCheckShowsTheLastRunsTable() {
    f.ChooseLanguage(0);  // Russian
    TForm2& w = *f.form2;
    QVERIFY(!w.CheckStepAction->isEnabled());  // no run yet
    w.EdTTO->setText("30");
    w.eddt0->setText("0.001");
    w.Button1->click();
    w.EdTTO->setText("45");
    QCOMPARE(w.CheckStepAction->text(), QString::fromUtf8("Проверить шаг по времени"));
    w.CheckStepAction->trigger();
    QCOMPARE(f.errors, QStringList());
    auto* answer = dynamic_cast<StepCheckDialog*>(w.studyAnswer.data());
    QVERIFY(answer);
    QVERIFY(answer->isVisible());
    QVERIFY(answer->intro->text().contains(QString::fromUtf8("(0.0005 s вместо 0.001 s)")));
    QCOMPARE(answer->table->item(1, 0)->text(), QString::fromUtf8("дальность"));

    const QString cli = Cli({"run", "--no-file", "--check-step", "--angle", "30", "--dt", "0.001"});
    QVERIFY(!cli.isEmpty());
    QCOMPARE(answer->table->rowCount(), 6);
    for (int row = 0; row < answer->table->rowCount(); ++row) {
      const QString line = answer->table->item(row, 1)->text() + " (step error about " +
                           answer->table->item(row, 2)->text() + ")\n";
      QVERIFY2(cli.contains(line), qPrintable(line + " not in\n" + cli));
    }
  }
};

}  // namespace
}  // namespace orv::test

QTEST_MAIN(orv::test::StudiesTest)
#include "studies_test.moc"
