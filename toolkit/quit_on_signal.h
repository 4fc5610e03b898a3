// SIGINT and SIGTERM (Ctrl+C in the terminal, the desktop session ending) end the
// program through its message loop, as QUIT does: the loop, and any loop nested in
// it, returns 128 + the signal's number. A run in progress sees its loop end and
// stops; the previous results file stays whole.
#pragma once

#include <signal.h>

#include <QObject>
#include <QSocketNotifier>
#include <initializer_list>
#include <memory>
#include <vector>

namespace orv {

class QuitOnSignal : public QObject {
 public:
  // One at a time: the signal handler writes to this object's pipe.
  explicit QuitOnSignal(std::initializer_list<int> numbers);
  ~QuitOnSignal() override;
  QuitOnSignal(const QuitOnSignal&) = delete;
  QuitOnSignal& operator=(const QuitOnSignal&) = delete;

 private:
  void Arrived();

  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  std::vector<int> signals_;
  std::vector<struct sigaction> previous_;  // restored when this object goes
};

}  // namespace orv
