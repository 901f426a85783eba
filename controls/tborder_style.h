#pragma once
// Whether a control draws a single outline round itself.
enum class TBorderStyle { bsNone, bsSingle };
