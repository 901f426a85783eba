#include "gauges/element_chain.h"

namespace frame {

PELEMENT_HEADER elementAtDepth(PELEMENT_HEADER start, int depth) {
  if (depth < 0) return nullptr;
  PELEMENT_HEADER element = start;
  for (int step = 0; step < depth && element != nullptr; ++step)
    element = element->next_element != nullptr ? element->next_element[0] : nullptr;
  return element;
}

void hideAtDepth(PELEMENT_HEADER start, int depth, FLAGS32 bits) {
  if (PELEMENT_HEADER element = elementAtDepth(start, depth)) element->image_flags |= bits;
}

void showAtDepth(PELEMENT_HEADER start, int depth, FLAGS32 bits) {
  if (PELEMENT_HEADER element = elementAtDepth(start, depth)) element->image_flags &= ~bits;
}

void showLitOrDark(PELEMENT_HEADER start, bool on, int lit, int dark, int count) {
  for (int i = 0; i < count; ++i) {
    hideAtDepth(start, (on ? dark : lit) + i);
    showAtDepth(start, (on ? lit : dark) + i);
  }
}

}  // namespace frame
