// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/image_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cps {
namespace {

// An image told apart by one byte in the channel area and one at the end.
RadioImage Img(int mark) {
  RadioImage image;
  image.Fill(0xFF);
  image.SetByte(0x0100, static_cast<std::uint8_t>(mark));
  image.SetByte(0x3FFF, static_cast<std::uint8_t>(mark ^ 0x5A));
  return image;
}

// Undoes everything: the names in the order undone, each image put back
// checked against the marks expected.
std::vector<std::string> UndoAll(ImageHistory& history, const std::vector<int>& marks) {
  std::vector<std::string> names;
  for (int mark : marks) {
    names.push_back(history.UndoName());
    const RadioImage* back = history.Undo();
    if (!back) return names;
    EXPECT_EQ(*back, Img(mark)) << "undoing " << names.back();
  }
  EXPECT_EQ(history.Undo(), nullptr);
  return names;
}

TEST(ImageHistory, ChangeThatLeavesEveryByteIsNoStep) {
  ImageHistory history;
  EXPECT_FALSE(history.Record("Alarm", Img(1), Img(1)));
  history.Begin("DTMF", Img(2));
  EXPECT_FALSE(history.End(Img(2)));
  EXPECT_FALSE(history.End(Img(3)));  // nothing open
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.UndoName(), "");
}

TEST(ImageHistory, NewStepAfterUndoDropsTheRedoSteps) {
  ImageHistory history;
  history.Record("a", Img(0), Img(1));
  history.Record("b", Img(1), Img(2));
  history.Undo();
  EXPECT_EQ(history.RedoName(), "b");
  history.Record("c", Img(1), Img(3));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(UndoAll(history, {1, 0}), (std::vector<std::string>{"c", "a"}));
  const RadioImage* again = history.Redo();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(*again, Img(1));
}

TEST(ImageHistory, LimitDropsTheOldestSteps) {
  struct Case {
    std::size_t limit;
    int steps;
    std::size_t kept;
  };
  for (const Case& c : {Case{3, 5, 3}, Case{ImageHistory::kDefaultLimit, 250, 200}, Case{0, 2, 1}}) {
    ImageHistory history(c.limit);
    for (int i = 0; i < c.steps; ++i) history.Record("step", Img(i), Img(i + 1));
    EXPECT_EQ(history.undoCount(), c.kept) << "limit " << c.limit;
    const RadioImage* oldest = nullptr;
    while (const RadioImage* back = history.Undo()) oldest = back;
    ASSERT_NE(oldest, nullptr);
    EXPECT_EQ(*oldest, Img(c.steps - static_cast<int>(c.kept))) << "limit " << c.limit;
  }
}

TEST(ImageHistory, InnerStepSplitsTheOuterOne) {
  ImageHistory history;
  history.Begin("Pmr Channel", Img(0));
  history.Begin("Channel 2 Rx Freq", Img(1));  // the dialog changed 0 -> 1 so far
  EXPECT_FALSE(history.CanUndo());             // nothing while a step is open
  EXPECT_TRUE(history.End(Img(2)));
  history.Begin("Factory", Img(2));  // no change of the dialog in between
  EXPECT_TRUE(history.End(Img(3)));
  EXPECT_TRUE(history.End(Img(4)));
  EXPECT_FALSE(history.stepOpen());
  EXPECT_EQ(UndoAll(history, {3, 2, 1, 0}),
            (std::vector<std::string>{"Pmr Channel", "Factory", "Channel 2 Rx Freq", "Pmr Channel"}));

  history.Begin("b", Img(1));
  history.Clear();  // New / Open: no steps, nothing open
  EXPECT_FALSE(history.stepOpen());
  EXPECT_FALSE(history.CanRedo());
  EXPECT_FALSE(history.End(Img(2)));
  EXPECT_FALSE(history.CanUndo());
}

}  // namespace
}  // namespace cps
