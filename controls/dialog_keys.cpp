#include "controls/dialog_keys.h"

#include <QKeyEvent>
#include <QPointer>

#include "controls/hemisphere_button.h"

namespace {

// Sees the keys that reach the form: those sent to it and those its controls passed on.
class DialogKeys : public QObject {
 public:
  DialogKeys(QWidget* form, THemisphereButton* continueButton, THemisphereButton* abortButton)
      : QObject(form), continue_(continueButton), abort_(abortButton) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    THemisphereButton* button = nullptr;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
      button = continue_;
    else if (key->key() == Qt::Key_Escape)
      button = abort_;
    if (button == nullptr || !button->isVisible() || !button->isEnabled()) return false;
    if (!key->isAutoRepeat()) button->click();
    return true;
  }

 private:
  QPointer<THemisphereButton> continue_;
  QPointer<THemisphereButton> abort_;
};

}  // namespace

void BindDialogKeys(QWidget* form, THemisphereButton* continueButton,
                    THemisphereButton* abortButton) {
  form->installEventFilter(new DialogKeys(form, continueButton, abortButton));
}
