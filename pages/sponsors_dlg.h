#pragma once
// The sponsors page: the product's sponsors and their video.
#include "shell/page_frame.h"

class TSponsorsDLG : public TPageDLG {
  Q_OBJECT

 public:
  explicit TSponsorsDLG(QWidget* owner)
      : TPageDLG({"TSponsorsDLG", {2, 365}, {5, 406}, false}, owner) {}
};
