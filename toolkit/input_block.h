// While a run owns the program's state, the windows take no input. Clicks, keys,
// the wheel, drops, shortcuts and close requests to every widget outside the one
// window let through are dropped, not queued: nothing typed or clicked during the
// run replays after it. Activation changes do not reach those widgets either, so no
// activation step can start in the middle of a run.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace orv {

class InputBlock : public QObject {
 public:
  InputBlock();
  ~InputBlock() override;
  InputBlock(const InputBlock&) = delete;
  InputBlock& operator=(const InputBlock&) = delete;

  // `window` and its children take input again (the progress dialog).
  void LetThrough(QWidget* window) { open_ = window; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> open_;
};

}  // namespace orv
