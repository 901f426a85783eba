#pragma once
// The picture buttons' bitmaps. Everything outside the button's shape is pure white, the
// see-through colour the buttons take from their bottom-left pixel, so the hit masks matter.
#include <QColor>
#include <QImage>
#include <QSize>

namespace content {

enum class ButtonShape { Rounded, Round };
enum class ButtonState { Up, Down, Over, Disabled };

struct ButtonArt {
  const char* role;
  const char* caption;
  QSize size;
  ButtonShape shape;
  QColor face;
};

QImage drawButton(const ButtonArt& art, ButtonState state);

}  // namespace content
