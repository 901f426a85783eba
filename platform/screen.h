#pragma once
// The screen width the pages choose their layout by.
namespace platform {

// The override when one is set (> 0), else the primary screen's width; 0 without a screen.
int screenWidth();

// 0 (or less) removes the override.
void setScreenWidthOverride(int width);

}  // namespace platform
