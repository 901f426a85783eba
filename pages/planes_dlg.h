#pragma once
// The aircraft page: the product's aircraft, each with its pictures and its installation.
#include "shell/page_frame.h"

class TPlanesDLG : public TPageDLG {
  Q_OBJECT

 public:
  explicit TPlanesDLG(QWidget* owner)
      : TPageDLG({"TPlanesDLG", {10, 341}, {5, 406}, false}, owner) {}
};
