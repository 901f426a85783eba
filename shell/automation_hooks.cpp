#include "shell/automation_hooks.h"

#include <deque>

namespace hooks {
namespace {

struct HookState {
  std::deque<QString> messageAnswers;
  int plainAnswers = 0;
  std::function<void(const MessageRecord&)> messageObserver;
  std::function<void(const QString&)> plainObserver;
  std::function<void(const QString&, const QString&)> fileReadObserver;
};

HookState& state() {
  static HookState instance;
  return instance;
}

}  // namespace

void queueMessageAnswer(const QString& captionOrClose) {
  state().messageAnswers.push_back(captionOrClose);
}

std::optional<QString> takeMessageAnswer() {
  auto& answers = state().messageAnswers;
  if (answers.empty()) return std::nullopt;
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

bool hasQueuedMessageAnswer() {
  return !state().messageAnswers.empty();
}

void queuePlainAnswer() {
  ++state().plainAnswers;
}

bool takePlainAnswer() {
  if (state().plainAnswers == 0) return false;
  --state().plainAnswers;
  return true;
}

void setMessageObserver(std::function<void(const MessageRecord&)> observer) {
  state().messageObserver = std::move(observer);
}

void setPlainObserver(std::function<void(const QString& text)> observer) {
  state().plainObserver = std::move(observer);
}

void notifyMessage(const MessageRecord& record) {
  if (state().messageObserver) state().messageObserver(record);
}

void notifyPlain(const QString& text) {
  if (state().plainObserver) state().plainObserver(text);
}

void setFileReadObserver(
    std::function<void(const QString& path, const QString& failure)> observer) {
  state().fileReadObserver = std::move(observer);
}

void notifyFileRead(const QString& path, const QString& failure) {
  if (state().fileReadObserver) state().fileReadObserver(path, failure);
}

void dropQueuedAnswers() {
  state().messageAnswers.clear();
  state().plainAnswers = 0;
}

void clearAll() {
  state() = HookState{};
}

}  // namespace hooks
