#pragma once
// The flight school page: the syllabus of lessons, their completion codes and the simulator start.
#include "shell/page_frame.h"

class TSyllabusDLG : public TPageDLG {
  Q_OBJECT

 public:
  explicit TSyllabusDLG(QWidget* owner)
      : TPageDLG({"TSyllabusDLG", {2, 365}, {5, 406}, true}, owner) {}
};
