// Hiding and showing elements by their depth along a gauge's chain.
#include "gauges/element_chain.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// A chain background -> 1 -> 2 -> 3, each list holding one element (and a second entry in the
// first list, which the walk must not take).
class ElementChain : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::size_t i = 0; i < elements.size(); ++i) {
      elements[i] = {};
      elements[i].image_flags = 0x3;
      lists[i] = {i + 1 < elements.size() ? &elements[i + 1] : nullptr, nullptr};
      elements[i].next_element = i + 1 < elements.size() ? lists[i].data() : nullptr;
    }
    lists[0][1] = &stray;
  }
  std::array<ELEMENT_HEADER, 4> elements{};
  std::array<std::array<PELEMENT_HEADER, 2>, 4> lists{};
  ELEMENT_HEADER stray{};
};

TEST_F(ElementChain, DepthZeroIsTheElementItselfAndEachStepFollowsTheFirstEntry) {
  for (int depth = 0; depth < 4; ++depth)
    EXPECT_EQ(frame::elementAtDepth(&elements[0], depth), &elements[depth]);
  EXPECT_EQ(frame::elementAtDepth(&elements[0], 4), nullptr);
  EXPECT_EQ(frame::elementAtDepth(&elements[0], -1), nullptr);
  EXPECT_EQ(frame::elementAtDepth(nullptr, 0), nullptr);
}

TEST_F(ElementChain, HideSetsAndShowClearsOnlyTheGivenBitsAtThatDepth) {
  frame::hideAtDepth(&elements[0], 2);
  EXPECT_EQ(elements[2].image_flags, 0x40000003u);
  EXPECT_EQ(elements[1].image_flags, 0x3u);
  EXPECT_EQ(elements[3].image_flags, 0x3u);
  frame::hideAtDepth(&elements[0], 2);  // already hidden: unchanged
  EXPECT_EQ(elements[2].image_flags, 0x40000003u);
  frame::showAtDepth(&elements[0], 2);
  EXPECT_EQ(elements[2].image_flags, 0x3u);
  frame::showAtDepth(&elements[0], 1, 0x2);
  EXPECT_EQ(elements[1].image_flags, 0x1u);
  EXPECT_EQ(stray.image_flags, 0u);
}

TEST_F(ElementChain, AMissingListOnTheWayChangesNothing) {
  elements[1].next_element = nullptr;
  frame::hideAtDepth(&elements[0], 3);
  frame::showAtDepth(&elements[0], 3, 0x3);
  for (const ELEMENT_HEADER& element : elements) EXPECT_EQ(element.image_flags, 0x3u);
  // An empty list (first entry null) counts as missing too.
  elements[1].next_element = lists[3].data();
  frame::hideAtDepth(&elements[0], 2);
  for (const ELEMENT_HEADER& element : elements) EXPECT_EQ(element.image_flags, 0x3u);
}

}  // namespace
