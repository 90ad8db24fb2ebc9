// Reading a modal message box of this thread while it is up: a thread timer fires inside
// the box's own message loop, reads the box and presses OK.
//
//   SeenMessageBox seen = WatchMessageBox([&] { Application().MessageBox("安装完成！"); });
//   EXPECT_EQ(seen.text, "安装完成！");
#pragma once

#include <functional>
#include <string>

struct SeenMessageBox {
  bool found = false;
  std::string caption;
  std::string text;
  bool has_icon = false;
  bool has_ok = false;
  bool has_cancel = false;
};

// Runs `show` and answers the first box it puts up (and any after it, with OK).
SeenMessageBox WatchMessageBox(const std::function<void()>& show);
