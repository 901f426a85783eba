#pragma once
// The scenery page: the product's scenery, its pictures and its installation.
#include "shell/page_frame.h"

class TSceneryDLG : public TPageDLG {
  Q_OBJECT

 public:
  explicit TSceneryDLG(QWidget* owner)
      : TPageDLG({"TSceneryDLG", {10, 349}, {5, 406}, false}, owner) {}
};
