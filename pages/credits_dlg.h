#pragma once
// The credits page: the people behind the product, rolling over the page picture.
#include "shell/page_frame.h"

class TCreditsDLG : public TPageDLG {
  Q_OBJECT

 public:
  explicit TCreditsDLG(QWidget* owner)
      : TPageDLG({"TCreditsDLG", {2, 365}, {5, 406}, false}, owner) {}
};
