// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixture of the channel GUI tests: a main window with a new document,
// shown, its program folder a temporary one.
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "gui/app/main_window.h"
#include "gui/channels/channel_form.h"

namespace cps {

class ChannelWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    window_ = std::make_unique<CMainFrame>(AppSettings::Load(dir_.path().toStdString() + "/"));
    window_->NewDocument();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    form_ = window_->findChild<ChannelForm*>();
    ASSERT_NE(form_, nullptr);
  }
  QTemporaryDir dir_;
  std::unique_ptr<CMainFrame> window_;
  ChannelForm* form_ = nullptr;
};

}  // namespace cps
