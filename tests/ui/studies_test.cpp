// The window's studies as a user runs them: the time step's check of the last run,
// compared with what orvantis-cli says for the same inputs.
#include <QProcess>
#include <QTest>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QToolTip>

#include "gui/aim_dialogs.h"
#include "gui/run_dialog.h"
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
    QVERIFY(answer->intro->text().contains(QString::fromUtf8("(0.0005 с вместо 0.001 с)")));
    QCOMPARE(answer->table->item(1, 0)->text(), QString::fromUtf8("дальность"));

    const QString cli = Cli({"run", "--no-file", "--check-step", "--angle", "30", "--dt", "0.001"});
    QVERIFY(!cli.isEmpty());
    QCOMPARE(answer->table->rowCount(), 6);
    for (int row = 0; row < answer->table->rowCount(); ++row) {
      // The window writes the units in Russian, as its results frame does.
      QString line = answer->table->item(row, 1)->text() + " (step error about " +
                     answer->table->item(row, 2)->text() + ")\n";
      for (auto [russian, symbol] :
           {std::pair{"м/с", "m/s"}, {"град", "deg"}, {"Дж", "J"}, {"м", "m"}, {"с", "s"}})
        line.replace(" " + QString::fromUtf8(russian), QString(" ") + symbol);
      QVERIFY2(cli.contains(line), qPrintable(line + " not in\n" + cli));
    }
  }

  // The sweep flies the fields' inputs over the grid; its CSV is the command line's
  // sweep of the same grid byte for byte, and a marked value goes into its field.
  // Aim at a target from its dialog: the two angles orvantis-cli aim finds, to 0.001
  // degree; "Use this angle" puts the direct one into the angle's field, and after
  // START the chart of height against range shows the target's cross over its picture.
  void aimPutsTheAngleIntoItsField() {
    f.ChooseLanguage(2);  // English
    TForm2& w = *f.form2;
    QCOMPARE(w.AimAction->text(), QString("Aim at a target..."));
    w.AimAction->trigger();
    auto* aim = dynamic_cast<AimDialog*>(w.studyAnswer.data());
    QVERIFY(aim);
    aim->range->setText("5");
    aim->height->setText("1.2");
    aim->size->setText("0.3");
    aim->find->click();
    QCOMPARE(f.errors, QStringList());
    const QJsonObject cli =
        QJsonDocument::fromJson(Cli({"aim", "--at", "5,1.2", "--json"}).toUtf8()).object();
    QCOMPARE(aim->solutions->rowCount(), 2);
    for (int row = 0; row < 2; ++row)
      QCOMPARE(aim->solutions->item(row, 1)->text(),
               QString::number(cli["solutions"].toArray()[row].toObject()["angle_deg"].toDouble(), 'f', 3));
    QVERIFY(aim->answer->text().startsWith("Danger space: from "));
    qobject_cast<QPushButton*>(aim->solutions->cellWidget(0, 6))->click();
    QCOMPARE(w.EdTTO->text(), aim->solutions->item(0, 1)->text());
    QVERIFY(!w.Overlay->Cross());
    w.Button1->click();
    QCOMPARE(f.errors, QStringList());
    QVERIFY(w.Overlay->Cross());
  }

  // Launched straight up the speed passes zero at the top: the range table ends there
  // and says so, where a table to the landing says nothing.
  void aRangeTableThatEndsAtZeroSpeedSaysSo() {
    f.ChooseLanguage(2);  // English
    TForm2& w = *f.form2;
    w.Button1->click();  // the table is of the last START's flight
    w.RangeTableAction->trigger();
    auto* table = dynamic_cast<RangeTableDialog*>(w.studyAnswer.data());
    QVERIFY(table);
    table->show->click();
    QVERIFY(table->warning->isHidden());
    w.EdTTO->setText("90");
    w.edV0->setText("1");
    w.Button1->click();
    w.RangeTableAction->trigger();
    table = dynamic_cast<RangeTableDialog*>(w.studyAnswer.data());
    QVERIFY(table);
    table->show->click();
    QCOMPARE(f.errors, QStringList());
    QVERIFY(!table->warning->isHidden());
    QVERIFY2(table->warning->text().startsWith("warning: the speed passed zero at t = 0.10"),
             qPrintable(table->warning->text()));  // 1 m/s / 9.8 m/s2 up, with little drag
  }

  // The chance of a hit from its dialog, aimed first: the draws the command line makes
  // with the same seed, so its export is spread --csv byte for byte, and its chance the
  // command line's.
  void theChanceOfAHitIsTheCommandLinesSpread() {
    f.ChooseLanguage(2);  // English
    TForm2& w = *f.form2;
    QCOMPARE(w.SpreadAction->text(), QString("Chance of a hit..."));
    w.SpreadAction->trigger();
    auto* spread = dynamic_cast<SpreadDialog*>(w.studyAnswer.data());
    QVERIFY(spread);
    spread->range->setText("5");
    spread->height->setText("1.2");
    spread->radius->setText("0.1");
    spread->draws->setText("300");
    const char* sds[] = {"0.5", "0.5", "0", "0"};  // launch speed, angle, drag, mass
    for (std::size_t k = 0; k < spread->sd.size(); ++k) spread->sd[k]->setText(sds[k]);
    QVERIFY(spread->aimFirst->isChecked());
    spread->run->click();
    QCOMPARE(f.errors, QStringList());

    const QStringList args{"spread",   "--at", "5,1.2", "--sd", "v0=0.5", "--sd", "angle=0.5",
                           "--radius", "0.1",  "--n",   "300",  "--seed", "1",    "--aim"};
    const QJsonObject cli = QJsonDocument::fromJson(Cli(args + QStringList{"--json"}).toUtf8()).object();
    QVERIFY(cli["hit_share"].toDouble() > 0 && cli["hit_share"].toDouble() < 1);
    QVERIFY2(spread->answer->text().contains(QString::number(cli["hit_share"].toDouble(), 'g', 6)),
             qPrintable(spread->answer->text()));
    f.saveAnswer = f.folder.filePath("draws.csv");
    w.ExportCsvAction->trigger();
    QVERIFY(f.saveAsked.last().endsWith("/Orvantis_spread.csv"));
    QFile file(f.saveAnswer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), Cli(args + QStringList{"--csv", "-"}));
  }

  void sweepChartsTheGridAndAValueGoesIntoItsField() {
    f.ChooseLanguage(2);  // English
    TForm2& w = *f.form2;
    QCOMPARE(w.SweepAction->text(), QString("Sweep..."));
    w.EdCx->setText("1.5");
    SweepChoice answer;
    answer.input = Input::kAngle;
    answer.from = "0";
    answer.to = "40";
    answer.step = "5";
    answer.result = &SummaryValues()[1];  // range
    SweepChoice asked;
    w.SetSweepDialog([&](QWidget*, Language, const SweepChoice& initial) {
      asked = initial;
      return std::optional(answer);
    });
    w.SweepAction->trigger();
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(asked.from, QString("-10"));  // ten steps of 1 degree either side of 0
    QCOMPARE(asked.step, QString("1"));
    QCOMPARE(w.Image1->Picture().size(), QSize(760, 500));
    QVERIFY(w.ExportCsvAction->isEnabled());
    f.saveAnswer = f.folder.filePath("window.csv");
    w.ExportCsvAction->trigger();
    QFile file(f.saveAnswer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    const QString cli = Cli({"sweep", "--cx", "1.5", "--method", "rk45", "--vary", "angle=0:40:5"});
    QVERIFY(cli.startsWith("angle [deg],steps per pass,"));
    QCOMPARE(QString::fromUtf8(csv), cli);

    // The greatest range of the CSV, at its angle, goes into the angle's field.
    double bestAngle = 0, bestRange = 0;
    for (const QString& line : cli.split("\r\n").mid(1, 9)) {
      const QStringList fields = line.split(',');
      if (fields[3].toDouble() > bestRange)
        std::tie(bestAngle, bestRange) = std::pair(fields[0].toDouble(), fields[3].toDouble());
    }
    QVERIFY(bestAngle > 10 && bestAngle < 40);

    // The read-out over the sweep's chart: the run nearest the mouse and its range (X), as the CSV has them.
    QTest::mouseMove(w.windowHandle(), w.Image1->mapTo(&w, QPoint(400, 200)));
    const QStringList readout = QToolTip::text().split('\n');
    QCOMPARE(readout.size(), 2);
    QVERIFY2(readout[0].startsWith("angle = ") && readout[0].endsWith(" deg"), qPrintable(readout[0]));
    const QString angle = readout[0].mid(8).chopped(4);
    const QStringList row =
        cli.split("\r\n").filter(QRegularExpression("^" + angle + ",")).value(0).split(',');
    QVERIFY2(row.size() > 3, qPrintable(angle));
    QCOMPARE(readout[1], "X = " + QString::number(row[3].toDouble(), 'g', 6) + " m");
    QVERIFY(w.Overlay->LineX().has_value());
    auto* use = w.studyAnswer->findChild<QPushButton*>("use0");
    QVERIFY(use);
    // The figure to 6 digits, and the method that gave it, which is not START's.
    QVERIFY(w.studyAnswer->findChildren<QLabel*>().first()->text().startsWith(
        "Greatest: range = " + QString::number(bestRange, 'g', 6) + " m at angle = "));
    QCOMPARE(w.studyAnswer->findChild<QLabel*>("method")->text(),
             QString("accurate run (RK45), tolerance 1E-09"));
    use->click();
    QCOMPARE(w.EdTTO->text(), QString::number(bestAngle));

    // "Find the best" searches the same range as orvantis-cli optimize.
    answer.action = SweepChoice::Action::kFindBest;
    answer.to = "60";
    w.SweepAction->trigger();
    QCOMPARE(f.errors, QStringList());
    const QJsonObject best =
        QJsonDocument::fromJson(Cli({"optimize", "--cx", "1.5", "--method", "rk45", "--maximize", "range",
                                     "--over", "angle=0:60", "--json"})
                                    .toUtf8())
            .object();
    w.studyAnswer->findChild<QPushButton*>("use0")->click();
    QCOMPARE(w.EdTTO->text().toDouble(), best["angle"].toDouble());

    // A step that never reaches "to" is refused in the user's words.
    answer.action = SweepChoice::Action::kSweep;
    answer.step = "-5";
    w.SweepAction->trigger();
    QCOMPARE(f.errors, QStringList{"The step must not be 0 and must lead from \"from\" to \"to\"."});
  }

  // A sweep of long flights shows the progress window, counting flights, and its
  // Cancel stops every one of them and leaves the chart area as it was.
  void cancelStopsASweep() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    w.edH0->setText("100000");  // 10^8 steps a flight
    w.edTk->setText("5000");
    const QImage before = w.Image1->Picture();
    SweepChoice answer;
    answer.from = "0";
    answer.to = "10";
    answer.step = "5";
    answer.accurate = false;
    w.SetSweepDialog([&](QWidget*, Language, const SweepChoice&) { return std::optional(answer); });
    QString heading;
    QTimer probe;
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] {
      auto* dialog = w.findChild<RunDialog*>();
      if (!dialog || !dialog->isVisible()) return;
      probe.stop();
      heading = dialog->passText->text();
      QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
    });
    probe.start();
    QElapsedTimer clock;
    clock.start();
    w.SweepAction->trigger();
    QVERIFY(clock.elapsed() < 20000);
    QCOMPARE(heading, QString("Flight 0 of 3"));
    QCOMPARE(f.errors, QStringList());
    QVERIFY(!w.ExportCsvAction->isEnabled());
    QCOMPARE(w.Image1->Picture(), before);
  }

  // The real dialog: the inputs of the fields in the chosen language, from, to and
  // step around the chosen field's value (kept above 0 for a positive one).
  void theSweepDialogFillsAroundTheFieldsValue() {
    f.ChooseLanguage(1);  // German
    TForm2& w = *f.form2;
    QStringList seen;
    QTimer::singleShot(0, [&] {
      auto* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog);
      auto edits = dialog->findChildren<QLineEdit*>();
      auto* input = dialog->findChild<QComboBox*>();
      QCOMPARE(edits.size(), 3);
      // Only what the user can see and read back: no Cy, time step or wind.
      QCOMPARE(input->count(), 7);
      for (Input hidden : {Input::kCy, Input::kDt, Input::kWind})
        QCOMPARE(input->findData(static_cast<int>(hidden)), -1);
      seen << edits[0]->text() + ":" + edits[1]->text() + ":" + edits[2]->text();
      input->setCurrentIndex(input->findData(static_cast<int>(Input::kMass)));
      QVERIFY(input->currentText().contains("Startmasse"));
      seen << edits[0]->text() + ":" + edits[1]->text() + ":" + edits[2]->text();
      dialog->findChild<QCheckBox*>()->setChecked(false);
      for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == "Durchrechnen") b->click();
    });
    w.SweepAction->trigger();
    QCOMPARE(f.errors, QStringList());
    // The angle's 0 gives steps of 1; 0.18 kg steps of 0.02, from 0.02 (above 0).
    QCOMPARE(seen, (QStringList{"-10:10:1", "0.02:0.38:0.02"}));
    QVERIFY(w.ExportCsvAction->isEnabled());
    QVERIFY(w.studyAnswer->findChildren<QLabel*>().first()->text().startsWith(
        QString::fromUtf8("Größter Wert: Reichweite = ")));
  }
};

}  // namespace
}  // namespace orv::test

QTEST_MAIN(orv::test::StudiesTest)
#include "studies_test.moc"
