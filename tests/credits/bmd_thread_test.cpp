// The worker-thread component: one worker at a time, its end reported on the UI thread, the
// refresh ticks while it runs, and destruction that outlasts the worker.
#include <gtest/gtest.h>

#include <QApplication>
#include <atomic>

#include "controls/bmd_thread.h"

namespace {

using Clock = std::chrono::steady_clock;

// Runs events until `done` holds; false if it never does (the worker hangs).
bool RunUntil(const std::function<bool()>& done) {
  const Clock::time_point giveUp = Clock::now() + std::chrono::seconds(60);
  while (!done() && Clock::now() < giveUp) QApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

// A worker that sleeps until it is stopped, counting its runs and where things happen.
struct Sleeper {
  std::unique_ptr<TBMDThread> component =
      std::make_unique<TBMDThread>(QStringLiteral("BMDThread1"));
  std::atomic<int> runs{0};
  std::atomic<bool> ranOnUiThread{false}, finished{false};
  bool terminatedOnUiThread = false, handlerReturnedFirst = false;
  int updates = 0;

  Sleeper() {
    component->OnExecute = [this](TBMDThread*, TBMDExecuteThread* thread) {
      ++runs;
      ranOnUiThread = QThread::currentThread() == qApp->thread();
      thread->SleepUntil(Clock::time_point::max());
      finished = true;
    };
    component->OnTerminate = [this](TBMDThread*) {
      terminatedOnUiThread = QThread::currentThread() == qApp->thread();
      handlerReturnedFirst = finished;
    };
    component->OnUpdate = [this](TBMDThread*) { ++updates; };
  }
};

TEST(BMDThreadTest, StartWhileAWorkerExistsDoesNothingAndTheEndIsReportedOnTheUiThread) {
  Sleeper s;
  EXPECT_EQ(s.component->RefreshInterval(), 100);
  s.component->SetRefreshInterval(1);
  s.component->Start();
  s.component->Start();
  ASSERT_TRUE(RunUntil([&] { return s.runs == 1 && s.updates > 0; }));
  EXPECT_FALSE(s.ranOnUiThread);
  EXPECT_TRUE(s.component->HasWorker());

  s.component->Stop();
  ASSERT_TRUE(RunUntil([&] { return !s.component->HasWorker(); }));
  EXPECT_TRUE(s.terminatedOnUiThread && s.handlerReturnedFirst);

  s.component->Start();
  ASSERT_TRUE(RunUntil([&] { return s.runs == 2; })) << "a new worker after the end";
}

TEST(BMDThreadTest, DestructionEndsTheWorkerBeforeItReturns) {
  std::vector<bool> observed;
  TBMDThread::SetObserver([&](const TBMDThread&, bool started) { observed.push_back(started); });
  Sleeper s;
  s.component->Start();
  ASSERT_TRUE(RunUntil([&] { return s.runs == 1; }));
  EXPECT_FALSE(s.finished);
  s.component.reset();
  EXPECT_TRUE(s.finished);
  EXPECT_EQ(observed, (std::vector<bool>{true, false}));
  TBMDThread::SetObserver({});
}

}  // namespace
