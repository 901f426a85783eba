#pragma once
// The gallery page: pictures from the CD and their enlarged view.
#include "shell/page_frame.h"

class TGaleriaDLG : public TPageDLG {
  Q_OBJECT

 public:
  explicit TGaleriaDLG(QWidget* owner)
      : TPageDLG({"TGaleriaDLG", {2, 365}, {5, 406}, false}, owner) {}
};
