// SPDX-License-Identifier: GPL-3.0-or-later
// The channel table's columns are as wide as the font needs.
#include <QFont>
#include <QHeaderView>
#include <gtest/gtest.h>

#include "core/channels/channel_table.h"
#include "gui/channels/channel_table_view.h"

namespace cps {
namespace {

TEST(ColumnWidths, ALargeFontWidensTheColumnsToTheirLongestValueAndHeader) {
  RadioImage image;
  image.Fill(0xFF);
  ChannelTableView view(image, kMainChannelBase, true);
  QFont big = view.font();
  big.setPointSize(22);
  view.setFont(big);
  view.horizontalHeader()->setFont(big);
  view.resize(view.sizeHint());
  const QFontMetrics fm(big);
  // Only the first sizes are compared: a larger window shares out more.
  const std::pair<int, QString> longest[] = {
      {kColRxFreq, "446.006250"}, {kColTxFreq, "Tx Freq"}, {kColRxTone, "D754N"}, {kColType, "Mixed(Analog)"}, {kColPower, "Power"}};
  for (const auto& [column, text] : longest)
    EXPECT_GE(view.columnWidth(column), fm.horizontalAdvance(text)) << column;
  EXPECT_GE(view.sizeHint().width(), fm.horizontalAdvance("446.006250 446.006250 Mixed(Analog)"));
}

}  // namespace
}  // namespace cps
