#include "pages/credits_box.h"

#include <QPainter>
#include <algorithm>

#include "controls/bmd_thread.h"

namespace {

constexpr QImage::Format kFrameFormat = QImage::Format_RGB32;
// The longest sleep between two looks at the pace, so that a roll held still notices a new
// speed without being woken.
constexpr std::chrono::milliseconds kLongestNap{100};

}  // namespace

TCreditsBox::TCreditsBox(const QString& name, QWidget* parent) : TImage(name, parent) {
  // The frame covers the whole box, so nothing beneath needs painting with every move.
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(this, &TCreditsBox::frameDrawn, this, qOverload<>(&QWidget::update),
          Qt::QueuedConnection);
}

void TCreditsBox::SetRoll(const QImage& bitmap, int controlHeight) {
  std::lock_guard lock(mutex_);
  roll_ = bitmap.convertToFormat(kFrameFormat);
  controlHeight_ = controlHeight;
}

void TCreditsBox::Rewind() {
  {
    std::lock_guard lock(mutex_);
    scrolling_ = true;
    started_ = true;
    PlaceAt(0, Clock::now());
  }
  update();
}

void TCreditsBox::Scroll(TBMDExecuteThread* worker, const std::atomic<bool>& keepOn) {
  while (keepOn && !worker->Terminated()) {
    Clock::time_point wake;
    bool moved = false;
    {
      std::lock_guard lock(mutex_);
      if (roll_.isNull()) return;
      const Clock::time_point now = Clock::now();
      const int offset = OffsetAt(now);
      if (offset != offset_) {
        offset_ = offset;
        Draw();
        moved = true;
      }
      const std::chrono::nanoseconds next = pace_.NextMoveAfter(now - placedTime_);
      const Clock::time_point due =
          next == std::chrono::nanoseconds::max() ? Clock::time_point::max() : placedTime_ + next;
      wake = std::min(due, now + kLongestNap);
    }
    if (moved) emit frameDrawn();
    worker->SleepUntil(wake);
  }
}

void TCreditsBox::Rest() {
  std::lock_guard lock(mutex_);
  scrolling_ = false;
}

int TCreditsBox::offset() const {
  std::lock_guard lock(mutex_);
  return offset_;
}

void TCreditsBox::Seek(int offset) {
  {
    std::lock_guard lock(mutex_);
    if (roll_.isNull()) return;
    PlaceAt(offset, Clock::now());
  }
  update();
}

int TCreditsBox::speed() const {
  std::lock_guard lock(mutex_);
  return pace_.pixelsPerSecond;
}

void TCreditsBox::SetSpeed(int pixelsPerSecond) {
  std::lock_guard lock(mutex_);
  // Placed afresh where it stands, so that the new pace counts from now.
  const Clock::time_point now = Clock::now();
  const int offset = scrolling_ ? OffsetAt(now) : offset_;
  pace_.pixelsPerSecond = std::max(0, pixelsPerSecond);
  if (!roll_.isNull()) PlaceAt(offset, now);
}

bool TCreditsBox::scrolling() const {
  std::lock_guard lock(mutex_);
  return scrolling_;
}

QImage TCreditsBox::Frame() const {
  std::lock_guard lock(mutex_);
  return frame_.copy();
}

void TCreditsBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  std::lock_guard lock(mutex_);
  painter.drawImage(0, 0, frame_);
}

void TCreditsBox::resizeEvent(QResizeEvent* event) {
  TImage::resizeEvent(event);
  std::lock_guard lock(mutex_);
  frame_ = QImage(size(), kFrameFormat);
  frame_.fill(Qt::white);
  // Nothing shows before the first scroll; after it the roll stays where it stopped.
  if (started_) Draw();
}

void TCreditsBox::PlaceAt(int offset, Clock::time_point now) {
  const int height = roll_.height();
  offset_ = height > 0 ? (offset % height + height) % height : 0;
  placedAt_ = offset_;
  placedTime_ = now;
  // Before the first scroll the box stays white.
  if (started_) Draw();
}

int TCreditsBox::OffsetAt(Clock::time_point now) const {
  const int height = roll_.height();
  if (height == 0) return 0;
  return static_cast<int>((placedAt_ + pace_.PixelsAfter(now - placedTime_)) % height);
}

void TCreditsBox::Draw() {
  if (roll_.isNull() || frame_.isNull()) return;
  const int x = (frame_.width() - roll_.width()) / 2;  // truncated towards zero
  QPainter painter(&frame_);
  painter.drawImage(x, -offset_, roll_);
  painter.drawImage(x, controlHeight_ - offset_, roll_);
}
