#pragma once
// The credits page's scroll box (DestImage): the credits roll drawn off screen, twice so that it
// continues below its end, and shown by the UI thread. The worker moves it on at its pace; the
// UI thread places it at its top when a scroll starts and wherever a walkthrough seeks it.
#include <QImage>
#include <atomic>
#include <chrono>
#include <mutex>

#include "controls/image.h"
#include "pages/credits_pace.h"

class TBMDExecuteThread;

class TCreditsBox : public TImage {
  Q_OBJECT
  // Pixels of the roll scrolled past the box's top, 0 up to the bitmap's height; setting it
  // moves the roll there at once.
  Q_PROPERTY(int offset READ offset WRITE Seek)
  // Pixels a second; 0 holds the roll still.
  Q_PROPERTY(int speed READ speed WRITE SetSpeed)
  // From the start of a scroll until its worker's end has been reported.
  Q_PROPERTY(bool scrolling READ scrolling)

 public:
  TCreditsBox(const QString& name, QWidget* parent);

  // The roll's bitmap and the height of the control that holds it, where the second copy
  // starts. A null bitmap leaves the box white and ends every scroll at once.
  void SetRoll(const QImage& bitmap, int controlHeight);

  // UI thread: a scroll starts with the roll's top in the box.
  void Rewind();
  // Worker: moves the roll on at its pace while `keepOn` holds and the worker is not marked
  // terminated, sleeping between moves.
  void Scroll(TBMDExecuteThread* worker, const std::atomic<bool>& keepOn);
  // UI thread: the scroll's worker has ended.
  void Rest();

  int offset() const;
  void Seek(int offset);
  int speed() const;
  void SetSpeed(int pixelsPerSecond);
  bool scrolling() const;

  // A copy of what the box shows.
  QImage Frame() const;

 signals:
  void frameDrawn();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  using Clock = std::chrono::steady_clock;

  // The rest under the lock:
  void PlaceAt(int offset, Clock::time_point now);
  int OffsetAt(Clock::time_point now) const;
  void Draw();

  mutable std::mutex mutex_;
  QImage roll_;  // in the frame's format, so that drawing it is a plain copy
  int controlHeight_ = 0;
  QImage frame_;
  RollPace pace_;
  int offset_ = 0;  // of the frame drawn last
  int placedAt_ = 0;
  Clock::time_point placedTime_;
  bool scrolling_ = false;
  bool started_ = false;  // the box shows the roll from the first scroll on
};
