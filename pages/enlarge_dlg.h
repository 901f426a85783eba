#pragma once
// The enlarged view: a borderless window sized to its picture, centred on the screen, that
// closes on a click on the picture or on any key.
#include <QImage>

#include "shell/shell_form.h"

class TImage;
class TPanel;

class TEnlargeDLG : public TShellForm {
  Q_OBJECT

 public:
  explicit TEnlargeDLG(QWidget* owner = nullptr);

  // Sizes picture, panel and window to `picture` and centres the window.
  void showPicture(const QImage& picture);

  TPanel* Panel1;
  TImage* Image1;

 protected:
  // Every key reaches the form before its controls, and closes it.
  bool event(QEvent* event) override;
};

// Shows the picture file at the Windows path `winPath` in the enlarged view, modally, and
// destroys the view when it closes. Nothing opens when the file is missing or not a picture.
void ShowEnlarged(const QString& winPath);
