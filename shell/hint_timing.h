#pragma once
// The program-wide timing of hints (tool tips): how soon a control's hint appears when the
// pointer rests on it, and how long it stays.
namespace hints {

void SetHintTiming(int pauseMs, int hidePauseMs);
int HintPause();
int HintHidePause();

}  // namespace hints
