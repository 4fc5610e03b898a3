#include "toolkit/quit_on_signal.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cerrno>

namespace orv {
namespace {

// The handler may only do what is safe in a signal handler: write the signal's
// number into the pipe that the message loop watches.
volatile sig_atomic_t gWriteEnd = -1;

extern "C" void OnSignal(int number) {
  const int savedErrno = errno;
  const auto byte = static_cast<unsigned char>(number);
  if (gWriteEnd >= 0) {
    // A full pipe already holds a signal that the loop is going to see.
    const ssize_t written = ::write(gWriteEnd, &byte, 1);
    (void)written;
  }
  errno = savedErrno;
}

}  // namespace

QuitOnSignal::QuitOnSignal(std::initializer_list<int> numbers) : signals_(numbers) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  gWriteEnd = pipe_[1];
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Arrived(); });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : signals_) {
    previous_.emplace_back();
    // A signal ignored from the start stays ignored: a shell starts background jobs
    // (and nohup its command) so, that Ctrl+C at the terminal leaves them running.
    if (::sigaction(number, nullptr, &previous_.back()) == 0 && previous_.back().sa_handler == SIG_IGN)
      continue;
    ::sigaction(number, &action, nullptr);
  }
}

QuitOnSignal::~QuitOnSignal() {
  for (std::size_t k = 0; k < previous_.size(); ++k) ::sigaction(signals_[k], &previous_[k], nullptr);
  gWriteEnd = -1;
  notifier_.reset();
  for (int fd : pipe_)
    if (fd >= 0) ::close(fd);
}

void QuitOnSignal::Arrived() {
  unsigned char byte = 0;
  int number = 0;
  while (::read(pipe_[0], &byte, 1) == 1) number = byte;
  if (number != 0) QCoreApplication::exit(128 + number);
}

}  // namespace orv
