#pragma once
// The worker-thread component: runs one event handler on a worker thread, reports the worker's
// end on the UI thread, and while a worker exists calls an update handler on the UI thread at a
// fixed interval. At most one worker exists at a time.
#include <QThread>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

class TBMDThread;

// The worker: runs the component's OnExecute once and ends.
class TBMDExecuteThread : public QThread {
  Q_OBJECT

 public:
  explicit TBMDExecuteThread(TBMDThread* owner) : owner_(owner) {}

  // Whether Stop has marked the worker as terminated.
  bool Terminated() const { return isInterruptionRequested(); }
  // Sleeps until `until`, or less when the worker is marked terminated; true unless it was.
  bool SleepUntil(std::chrono::steady_clock::time_point until);
  // Marks the worker as terminated and wakes it from SleepUntil.
  void Terminate();

 protected:
  void run() override;

 private:
  TBMDThread* owner_;
  std::mutex mutex_;
  std::condition_variable wake_;
};

class TBMDThread : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void(TBMDThread* sender)>;
  using ExecuteHandler = std::function<void(TBMDThread* sender, TBMDExecuteThread* thread)>;

  explicit TBMDThread(const QString& name, QObject* parent = nullptr);
  // Stops the refresh timer and, when a worker still runs, marks it terminated and waits for
  // its end.
  ~TBMDThread() override;

  ExecuteHandler OnExecute;  // on the worker thread
  Handler OnTerminate;       // on the UI thread, once the worker has ended
  Handler OnUpdate;          // on the UI thread, every RefreshInterval ms while a worker exists

  // Creates and runs a worker unless one exists, and enables the refresh timer.
  void Start();
  // Marks the worker, if any, as terminated: a request its handler answers in its own time.
  void Stop();
  // Blocks until the worker, if any, has ended, then reports its end. OnExecute must never
  // wait for the UI thread, so no events need to run meanwhile.
  void WaitFor();

  bool HasWorker() const { return worker_ != nullptr; }
  int RefreshInterval() const { return timer_.interval(); }
  void SetRefreshInterval(int ms) { timer_.setInterval(ms); }

  // Walkthroughs observe every worker start and end (UI thread); empty: nobody listens.
  using Observer = std::function<void(const TBMDThread& component, bool started)>;
  static void SetObserver(Observer observer);

 private:
  void WorkerEnded(quint64 serial);
  void Refresh();

  TBMDExecuteThread* worker_ = nullptr;
  quint64 serial_ = 0;  // counts the workers, so that a late end report finds no successor
  QTimer timer_;
};
