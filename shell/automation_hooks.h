#pragma once
// The two places where the program waits for a person: the product's message box and the plain
// system message of the CD prompt. Automation and tests queue the answers here instead, and
// observe what was shown; with nothing queued both wait for a person as usual. They also observe
// which product files the pages read, so that a walkthrough can count the reads.
#include <QString>
#include <functional>
#include <optional>

namespace hooks {

// One ShowMessageForm call as it ended. A hidden button has an empty caption.
struct MessageRecord {
  QString text;  // after the 255-character cut
  bool red = false;
  bool showOK = false;
  QString okCaption;
  bool showAbort = false;
  QString abortCaption;
  QString outcome;  // the caption of the button pressed, or "close"
};

// Answer for the next ShowMessageForm: a button caption, or "close" to close it without one.
void queueMessageAnswer(const QString& captionOrClose);
std::optional<QString> takeMessageAnswer();
bool hasQueuedMessageAnswer();

// Acknowledgement for the next plain system message (the CD prompt's complaints).
void queuePlainAnswer();
bool takePlainAnswer();

// Observers; empty functions mean nobody listens.
void setMessageObserver(std::function<void(const MessageRecord&)> observer);
void setPlainObserver(std::function<void(const QString& text)> observer);
void notifyMessage(const MessageRecord& record);
void notifyPlain(const QString& text);

// A page read a product file (a picture description list); `failure` is empty when it was read.
void setFileReadObserver(std::function<void(const QString& path, const QString& failure)> observer);
void notifyFileRead(const QString& path, const QString& failure);

void dropQueuedAnswers();  // the message and plain answers nobody has taken yet
void clearAll();           // drops queued answers and observers (between tests)

}  // namespace hooks
