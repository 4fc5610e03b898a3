// START's run on the worker thread: a long run shows the progress dialog, the
// windows refuse input meanwhile, Cancel (the button, Escape, the close box) stops
// it and leaves the previous results file and the picture; short runs look as they
// always did; faults on the worker reach the error box as before.
#include <sys/stat.h>

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <functional>
#include <memory>

#include "base/preset_data.h"
#include "files/results_file.h"
#include "flight/flight_run.h"
#include "flight/run_estimate.h"
#include "gui/run_dialog.h"
#include "tests/ui/ui_fixture.h"
#include "toolkit/quit_on_signal.h"

#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#define ORVANTIS_HAS_MXCSR 1
#endif

namespace orv::test {
namespace {

void Retype(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
}

// The results file as a run left it. Every write makes a new file and renames it
// over the old one, so the same inode means the file was not written.
struct ResultsFile {
  bool exists = false;
  QByteArray bytes;
  ino_t inode = 0;
  bool operator==(const ResultsFile&) const = default;
};

ResultsFile Results(const QDir& folder) {
  const QString path = folder.filePath(QString::fromLatin1(kResultsFileName));
  ResultsFile file;
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) return file;
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) return file;
  file.exists = true;
  file.bytes = in.readAll();
  file.inode = info.st_ino;
  return file;
}

// A flight of 10^8 steps: the harpoon sinks from 100 km for 5000 s in steps of
// 0.1 ms, 5 x 10^7 a pass. Every test that starts it cancels it.
void MakeLong(TForm2& w) {
  Retype(w.edH0, "100000");
  Retype(w.edTk, "5000");
}

// Clicks START; once the progress dialog shows and `ready` holds for it (or after
// about five seconds more), runs `action`, which must end the run. Returns when START
// has returned, telling whether the dialog showed.
bool StartAndWhileShown(TForm2& w, const std::function<bool(RunDialog&)>& ready,
                        const std::function<void(RunDialog&)>& action) {
  bool shown = false;
  int looks = 0;
  QTimer probe;
  probe.setInterval(10);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    auto* dialog = w.findChild<RunDialog*>();
    if (shown || !dialog || !dialog->isVisible()) return;
    if (!ready(*dialog) && ++looks < 500) return;
    shown = true;
    probe.stop();
    action(*dialog);
  });
  probe.start();
  QTest::mouseClick(w.Button1, Qt::LeftButton);
  return shown;
}

bool AnyTime(RunDialog&) { return true; }

// The state the main window's activation leaves with the default values.
std::unique_ptr<SharedState> DefaultState() {
  auto state = std::make_unique<SharedState>();
  PresetRecord preset;
  StoreDefaultValues(preset);
  ApplyPresetValues(preset, state->fd);
  return state;
}

#ifdef ORVANTIS_HAS_MXCSR
// Flush-to-zero, as a library built for speed may switch it on: a result below the
// normal numbers becomes 0, so t + 5e-324 stays t. Threads started meanwhile
// inherit it.
class FlushToZero {
 public:
  FlushToZero() : saved_(_mm_getcsr()) { _mm_setcsr(saved_ | 0x8000); }
  ~FlushToZero() { _mm_setcsr(saved_); }
  FlushToZero(const FlushToZero&) = delete;
  FlushToZero& operator=(const FlushToZero&) = delete;

 private:
  unsigned int saved_;
};
#endif

}  // namespace

class LongRunTest : public QObject {
  Q_OBJECT
  UiFixture f;

 private slots:
  void init() { f.Init(); }
  void cleanup() { f.Cleanup(); }

  void aLongRunRefusesAllInputAndCancelLeavesEverything() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    const ResultsFile before = Results(f.folder);
    QVERIFY(before.exists);
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    const QImage heightChart = w.Image1->Picture();
    QTest::mouseClick(w.Button9, Qt::LeftButton);
    const QImage chart = w.Image1->Picture();
    QVERIFY(heightChart != chart);
    auto figures = [&w] {
      QStringList shown;
      for (const auto& row : w.Results->rows) shown << row[0]->text() << row[1]->text() << row[2]->text();
      return shown;
    };
    const QStringList finishedFigures = figures();
    MakeLong(w);
    const auto finished = std::make_unique<SharedState>(*f.state);

    QSignalSpy starts(w.Button1, &QPushButton::clicked);
    QSignalSpy charts(w.Button3, &QPushButton::clicked);
    QSignalSpy mains(w.Button5, &QPushButton::clicked);
    QSignalSpy quits(f.form1->Button1, &QPushButton::clicked);
    bool modal = false, closed = true;
    const bool shown = StartAndWhileShown(w, AnyTime, [&](RunDialog& dialog) {
      modal = QApplication::activeModalWidget() == &dialog && dialog.windowModality() == Qt::ApplicationModal;
      QTest::keyClicks(w.edTk, "9");
      QTest::keyClick(w.edH0, Qt::Key_Backspace);
      QTest::mouseClick(w.Button3, Qt::LeftButton);
      QTest::mouseClick(w.Button1, Qt::LeftButton);
      QTest::mouseClick(w.Button5, Qt::LeftButton);
      QTest::mouseClick(f.form1->Button1, Qt::LeftButton);
      closed = f.form1->close() || w.close();
      QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
    });
    QVERIFY(shown);
    QVERIFY(modal);
    QVERIFY(!closed);
    QCOMPARE(starts.count(), 1);  // the click that began the run
    QCOMPARE(charts.count(), 0);
    QCOMPARE(mains.count(), 0);
    QCOMPARE(quits.count(), 0);
    QCOMPARE(w.edTk->text(), QString("5000"));
    QCOMPARE(w.edH0->text(), QString("100000"));
    QCOMPARE(f.state->fd.Tk(), 5000.0);
    QVERIFY(w.isVisible() && f.form1->isVisible());

    // Cancelled: no box, no file, and nothing the user can reach changed: the state
    // is the finished run's, the chart and its menu stay, every chart button draws
    // from the finished run's table.
    QCOMPARE(f.errors, QStringList());
    QVERIFY(Results(f.folder) == before);
    QCOMPARE(w.Image1->Picture(), chart);
    QCOMPARE(f.state->fd.slot, finished->fd.slot);
    QVERIFY(f.state->TrajectorySamples == finished->TrajectorySamples);
    QCOMPARE(f.state->fd.TimeUnitCode, finished->fd.TimeUnitCode);
    QCOMPARE(f.state->fd.HeightInKm, finished->fd.HeightInKm);
    QCOMPARE(f.state->fd.Mass, finished->fd.Mass);
    QVERIFY(!w.findChild<RunDialog*>());
    QVERIFY(w.SavePngAction->isEnabled() && w.ExportCsvAction->isEnabled());
    // The finished run's figures, greyed since the fields changed.
    QCOMPARE(figures(), finishedFigures);
    QVERIFY(w.Results->isVisible() && !w.Results->isEnabled());
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(w.Image1->Picture(), heightChart);

    // The window works as before: back to the default values, START writes the
    // same bytes again, as a new file.
    f.Activate(f.form1.get());
    f.Activate(f.form2.get());
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.errors, QStringList());
    const ResultsFile after = Results(f.folder);
    QCOMPARE(after.bytes, before.bytes);
    QVERIFY(after.inode != before.inode);
  }

  void theDialogSpeaksTheLanguageAndEscapeOrItsCloseBoxCancels_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<QStringList>("patterns");
    const QString duration = "\\d+ (%1|%2 \\d\\d %1|%3 \\d\\d %2)";
    QTest::newRow("Ru, Escape") << 0 << true
                                << QStringList{
                                       "^Проход [12] из 2$", "^Время полёта: \\S+ с из 5000[.,]0 с$",
                                       "^Шагов в секунду: \\S",
                                       "^Оставшееся время: около " + duration.arg("с", "мин", "ч") + "$",
                                       "^Отмена$"};
    QTest::newRow("De, close box") << 1 << false
                                   << QStringList{"^Durchgang [12] von 2$",
                                                  "^Flugzeit: \\S+ s von 5000[.,]0 s$",
                                                  "^Schritte pro Sekunde: \\S",
                                                  "^Restzeit: etwa " + duration.arg("s", "min", "h") + "$",
                                                  "^Abbrechen$"};
    QTest::newRow("En, Escape") << 2 << true
                                << QStringList{"^Pass [12] of 2$", "^Flight time: \\S+ s of 5000[.,]0 s$",
                                               "^Steps per second: \\S",
                                               "^Time left: about " + duration.arg("s", "min", "h") + "$",
                                               "^Cancel$"};
  }
  void theDialogSpeaksTheLanguageAndEscapeOrItsCloseBoxCancels() {
    QFETCH(int, item);
    QFETCH(bool, escape);
    QFETCH(QStringList, patterns);
    f.ChooseLanguage(item);
    TForm2& w = *f.form2;
    MakeLong(w);
    const QRegularExpression estimated(patterns[3]);
    QStringList texts;
    const bool shown = StartAndWhileShown(
        w, [&](RunDialog& dialog) { return estimated.match(dialog.leftText->text()).hasMatch(); },
        [&](RunDialog& dialog) {
          texts = QStringList{dialog.passText->text(), dialog.timeText->text(), dialog.rateText->text(),
                              dialog.leftText->text(), dialog.cancelButton->text()};
          if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
          else
            dialog.close();
        });
    QVERIFY(shown);
    for (int k = 0; k < patterns.size(); ++k)
      QVERIFY2(QRegularExpression(patterns[k]).match(texts[k]).hasMatch(), qPrintable(texts[k]));
    QCOMPARE(f.errors, QStringList());
    QVERIFY(!Results(f.folder).exists);
    QVERIFY(f.state->fd.t() < 5000);
  }

  // SIGTERM during a run: the run stops where it got to, the loops end with 143, no
  // box shows and the previous file stays as it was.
  void aSignalStopsTheRunAndEndsTheMessageLoop() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    const ResultsFile before = Results(f.folder);
    MakeLong(w);
    QuitOnSignal quit({SIGTERM});
    bool shown = false;
    QTimer::singleShot(0,
                       [&] { shown = StartAndWhileShown(w, AnyTime, [](RunDialog&) { ::raise(SIGTERM); }); });
    QCOMPARE(QCoreApplication::exec(), 128 + SIGTERM);
    QVERIFY(shown);
    QCOMPARE(f.errors, QStringList());
    QVERIFY(Results(f.folder) == before);
    QVERIFY(f.state->fd.t() < 5000);
    QVERIFY(!w.findChild<RunDialog*>());
  }

  // The bar runs once over both passes, each weighted by the steps it flies, and the
  // time left goes on across the change of pass: the dialog as a run's looks fill it
  // (a flight that the height ends at 40 % of Tk, a second pass of 1000 steps, 10^4
  // steps a second).
  void theBarRunsOnceOverBothPasses() {
    f.ChooseLanguage(2);
    RunDialog dialog(f.form2.get(), Language::kEnglish);
    RunEstimate estimate(1000, 1e-3);
    struct LookAt {
      int pass;
      double time;
      std::int64_t steps, total;
      int bar;
      QString left;
    };
    const LookAt looks[] = {{1, 100, 100000, 0, 100, "Time left: about 1 min 30 s"},
                            {1, 399, 399000, 0, 399, "Time left: about 1 min 01 s"},
                            {2, 0, 400000, 401000, 998, "Time left: about 1 s"},
                            {2, 400, 401000, 401000, 1000, "Time left: about 1 s"}};
    for (const LookAt& look : looks) {
      const RunEstimate::Reading r = estimate.Look(look.pass, look.time, look.steps, look.total, 1e4);
      RunProgress p;
      p.pass = look.pass;
      p.time = look.time;
      p.endTime = 1000;
      p.stepsPerSecond = 1e4;
      p.share = r.share;
      p.secondsLeft = r.secondsLeft;
      dialog.Show(p);
      QCOMPARE(dialog.passText->text(), QString("Pass %1 of 2").arg(look.pass));
      QCOMPARE(dialog.bar->value(), look.bar);
      QCOMPARE(dialog.leftText->text(), look.left);
    }
  }

  void aShortRunShowsNoDialog() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    bool seen = false;
    QTimer probe;
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
      if (auto* dialog = w.findChild<RunDialog*>(); dialog && dialog->isVisible()) seen = true;
    });
    probe.start();
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QVERIFY(!seen);
    QCOMPARE(f.errors, QStringList());
    QVERIFY(Results(f.folder).exists);
  }

  // The file of a run on the worker has the bytes of the same run done directly.
  void theWorkerWritesWhatTheCoreWrites_data() {
    QTest::addColumn<QString>("H0");
    QTest::addColumn<QString>("Tk");
    QTest::newRow("default flight") << ""
                                    << "";
    QTest::newRow("2 x 10^5 steps a pass") << "1000"
                                           << "20";
  }
  void theWorkerWritesWhatTheCoreWrites() {
    QFETCH(QString, H0);
    QFETCH(QString, Tk);
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    auto direct = DefaultState();
    if (!H0.isEmpty()) {
      Retype(w.edH0, H0);
      Retype(w.edTk, Tk);
      direct->fd.H0() = H0.toDouble();
      direct->fd.Tk() = Tk.toDouble();
    }
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.errors, QStringList());
    RunFlight(*direct);
    WriteResultsFile(*direct, f.folder.filePath("direct.txt").toStdString());
    QFile file(f.folder.filePath("direct.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(Results(f.folder).bytes, file.readAll());
    QCOMPARE(f.state->fd.slot, direct->fd.slot);
  }

  // A fault keeps what the run reached; a chart button's box then says that the run
  // stopped early, and names an axis in the unit the chart shows.
  void aFaultOnTheWorkerShowsItsBoxAndWritesNothing() {
    f.ChooseLanguage(1);  // German
    TForm2& w = *f.form2;
    Retype(w.edV0, "0");  // launched level at 0 m/s: dQ/dt divides by V
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.errors, QStringList{"Floating point division by zero."});
    QVERIFY(!Results(f.folder).exists);
    QCOMPARE(f.state->fd.t(), 0.0);  // the first step faulted before the time moved
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    QCOMPARE(f.details.last(),
             QString("Der letzte Lauf brach bei t = 0 s mit einem Fehler ab, seine Daten sind "
                     "daher unvollständig. Das Diagramm hat keinen Maßstab: die Größe der "
                     "x-Achse (t [s]) ist nie größer als null."));

    Retype(w.edV0, "30.2");
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    const ResultsFile before = Results(f.folder);
    const QImage chart = w.Image1->Picture();
    Retype(w.edV0, "0");
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.errors.size(), 3);
    QVERIFY(Results(f.folder) == before);
    QCOMPARE(w.Image1->Picture(), chart);
    QVERIFY(!w.SavePngAction->isEnabled());

    // One step of 4000 s fills row 1 only, in minutes and kilometres: no chart has
    // an x scale, and the file's header names the units of its values.
    Retype(w.edV0, "30.2");
    w.eddt0->setText("4000");  // the hidden field of the time step
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.details.last(),
             QString("Die Ergebnisdatei Orvantis_500.txt wurde geschrieben. Das Diagramm hat "
                     "keinen Maßstab: die Größe der x-Achse (X [km]) ist nie größer als null."));
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    QCOMPARE(
        f.details.last(),
        QString("Das Diagramm hat keinen Maßstab: die Größe der x-Achse (t [min]) ist nie größer als null."));
    QCOMPARE(
        Results(f.folder).bytes.mid(3, 84),
        QByteArray("    j      t,min     X,km     H,m   V,m/s  E,J   Q,grad        m,kg         F,N   \r\n"));
  }

  void aTimeThatStopsAdvancingIsRefusedAndNothingWritten() {
#ifndef ORVANTIS_HAS_MXCSR
    QSKIP("needs the SSE control register to make the time stall at once");
#else
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    const ResultsFile before = Results(f.folder);
    w.eddt0->setText("5e-324");  // the hidden field of the time step
    {
      FlushToZero flush;
      QTest::mouseClick(w.Button1, Qt::LeftButton);
    }
    QCOMPARE(f.errors, QStringList{"The time step 4.94065645841247E-324 s no longer advances the flight time "
                                   "at t = 0 s, so the flight would never end."});
    QVERIFY(Results(f.folder) == before);
#endif
  }
};

}  // namespace orv::test

QTEST_MAIN(orv::test::LongRunTest)
#include "long_run_test.moc"
