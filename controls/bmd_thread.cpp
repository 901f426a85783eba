#include "controls/bmd_thread.h"

namespace {

constexpr int kDefaultRefreshMs = 100;

TBMDThread::Observer& observer() {
  static TBMDThread::Observer instance;
  return instance;
}

}  // namespace

bool TBMDExecuteThread::SleepUntil(std::chrono::steady_clock::time_point until) {
  std::unique_lock lock(mutex_);
  return !wake_.wait_until(lock, until, [this] { return Terminated(); });
}

void TBMDExecuteThread::Terminate() {
  {
    // Under the sleeper's lock, so that a sleep about to begin cannot miss the wake-up.
    std::lock_guard lock(mutex_);
    requestInterruption();
  }
  wake_.notify_all();
}

void TBMDExecuteThread::run() {
  if (owner_->OnExecute) owner_->OnExecute(owner_, this);
}

TBMDThread::TBMDThread(const QString& name, QObject* parent) : QObject(parent) {
  setObjectName(name);
  timer_.setInterval(kDefaultRefreshMs);
  connect(&timer_, &QTimer::timeout, this, &TBMDThread::Refresh);
}

TBMDThread::~TBMDThread() {
  timer_.stop();
  if (worker_) worker_->Terminate();
  WaitFor();
}

void TBMDThread::SetObserver(Observer observer) {
  ::observer() = std::move(observer);
}

void TBMDThread::Start() {
  if (worker_) return;
  worker_ = new TBMDExecuteThread(this);
  const quint64 serial = ++serial_;
  // Queued: the end is reported on this (the UI) thread, after the handler has returned.
  connect(
      worker_, &QThread::finished, this, [this, serial] { WorkerEnded(serial); },
      Qt::QueuedConnection);
  if (observer()) observer()(*this, true);
  worker_->start(QThread::NormalPriority);
  timer_.start();
}

void TBMDThread::Stop() {
  if (worker_) worker_->Terminate();
}

void TBMDThread::WaitFor() {
  WorkerEnded(serial_);
}

void TBMDThread::WorkerEnded(quint64 serial) {
  // A report queued for a worker that WaitFor has already seen off.
  if (!worker_ || serial != serial_) return;
  TBMDExecuteThread* worker = worker_;
  worker->wait();
  const bool timerWasOn = timer_.isActive();
  timer_.stop();
  worker_ = nullptr;
  delete worker;
  if (observer()) observer()(*this, false);
  if (OnTerminate) OnTerminate(this);
  if (timerWasOn) timer_.start();
}

void TBMDThread::Refresh() {
  if (worker_ && OnUpdate) OnUpdate(this);
}
