#include "core/history/image_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cps {
namespace {

// An image told apart by one byte in the channel area and one at the end.
RadioImage Img(std::uint8_t mark) {
  RadioImage image;
  image.Fill(0xFF);
  image.SetByte(0x0100, mark);
  image.SetByte(0x3FFF, static_cast<std::uint8_t>(mark ^ 0x5A));
  return image;
}

// Undoes everything, returning the names in the order they were undone and
// checking each image put back.
std::vector<std::string> UndoAll(ImageHistory& history, const std::vector<std::uint8_t>& expectedMarks) {
  std::vector<std::string> names;
  for (std::uint8_t mark : expectedMarks) {
    names.push_back(history.UndoName());
    const RadioImage* back = history.Undo();
    if (!back) {
      ADD_FAILURE() << "nothing to undo before mark " << int(mark);
      break;
    }
    EXPECT_EQ(*back, Img(mark)) << "undoing " << names.back();
  }
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.Undo(), nullptr);
  return names;
}

TEST(ImageHistory, ChangeThatLeavesEveryByteIsNoStep) {
  ImageHistory history;
  EXPECT_FALSE(history.Record("Alarm", Img(1), Img(1)));
  history.Begin("DTMF", Img(2));
  EXPECT_FALSE(history.End(Img(2)));
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.UndoName(), "");
  EXPECT_FALSE(history.End(Img(3)));  // nothing open
  EXPECT_FALSE(history.CanUndo());
}

TEST(ImageHistory, UndoAndRedoGiveTheExactImages) {
  ImageHistory history;
  ASSERT_TRUE(history.Record("Channel 1 Rx Freq", Img(0), Img(1)));
  ASSERT_TRUE(history.Record("Factroy", Img(1), Img(2)));
  EXPECT_EQ(history.UndoName(), "Factroy");
  EXPECT_EQ(history.RedoName(), "");
  EXPECT_EQ(history.Redo(), nullptr);

  ASSERT_NE(history.Undo(), nullptr);
  EXPECT_EQ(history.UndoName(), "Channel 1 Rx Freq");
  EXPECT_EQ(history.RedoName(), "Factroy");
  const RadioImage* back = history.Undo();
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(*back, Img(0));
  EXPECT_EQ(history.redoCount(), 2u);

  const RadioImage* again = history.Redo();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(*again, Img(1));
  again = history.Redo();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(*again, Img(2));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.undoCount(), 2u);
}

TEST(ImageHistory, NewStepAfterUndoDropsTheRedoSteps) {
  ImageHistory history;
  history.Record("a", Img(0), Img(1));
  history.Record("b", Img(1), Img(2));
  history.Undo();
  history.Record("c", Img(1), Img(3));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(UndoAll(history, {1, 0}), (std::vector<std::string>{"c", "a"}));
}

TEST(ImageHistory, LimitDropsTheOldestSteps) {
  struct Case {
    std::size_t limit;
    int steps;
    std::size_t kept;
  };
  for (const Case& c : {Case{3, 5, 3}, Case{ImageHistory::kDefaultLimit, 250, 200}, Case{0, 2, 1}}) {
    ImageHistory history(c.limit);
    for (int i = 0; i < c.steps; ++i)
      history.Record("step " + std::to_string(i), Img(static_cast<std::uint8_t>(i)),
                     Img(static_cast<std::uint8_t>(i + 1)));
    EXPECT_EQ(history.undoCount(), c.kept) << "limit " << c.limit;
    const RadioImage* back = nullptr;
    while (const RadioImage* b = history.Undo()) back = b;
    ASSERT_NE(back, nullptr);
    // The oldest step kept starts where step (steps - kept) started.
    EXPECT_EQ(*back, Img(static_cast<std::uint8_t>(c.steps - static_cast<int>(c.kept)))) << "limit " << c.limit;
  }
}

TEST(ImageHistory, InnerStepSplitsTheOuterOne) {
  ImageHistory history;
  history.Begin("Pmr Channel", Img(0));
  EXPECT_FALSE(history.CanUndo());  // nothing while a step is open
  history.Begin("Channel 2 Rx Freq", Img(1));  // the dialog changed 0 -> 1 so far
  EXPECT_TRUE(history.End(Img(2)));
  history.Begin("Factory", Img(2));  // no change of the dialog in between
  EXPECT_TRUE(history.End(Img(3)));
  EXPECT_TRUE(history.stepOpen());
  EXPECT_FALSE(history.CanUndo());
  EXPECT_TRUE(history.End(Img(4)));
  EXPECT_FALSE(history.stepOpen());
  EXPECT_EQ(UndoAll(history, {3, 2, 1, 0}),
            (std::vector<std::string>{"Pmr Channel", "Factory", "Channel 2 Rx Freq", "Pmr Channel"}));
}

TEST(ImageHistory, ClearForgetsStepsAndOpenSteps) {
  ImageHistory history;
  history.Record("a", Img(0), Img(1));
  history.Undo();
  history.Begin("b", Img(1));
  history.Clear();
  EXPECT_FALSE(history.stepOpen());
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.CanRedo());
  EXPECT_FALSE(history.End(Img(2)));
  EXPECT_FALSE(history.CanUndo());
}

}  // namespace
}  // namespace cps
