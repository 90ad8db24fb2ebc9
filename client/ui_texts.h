// The texts the client shows, as the GBK bytes the window and the message boxes take
// (the program runs in the ANSI code page 936). The readable text stands beside each.
#pragma once

namespace ui_text {

// Connection status, shown after "状态：".
inline constexpr char kNotConnected[] = "\xce\xb4\xc1\xac\xbd\xd3";          // 未连接
inline constexpr char kConnected[] = "\xd2\xd1\xc1\xac\xbd\xd3";             // 已连接
inline constexpr char kConnecting[] = "\xd5\xfd\xd4\xda\xc1\xac\xbd\xd3";     // 正在连接
inline constexpr char kRequestFailed[] = "\xc7\xeb\xc7\xf3\xca\xa7\xb0\xdc";  // 请求失败

// Service installation and removal.
inline constexpr char kInstallDone[] = "\xb0\xb2\xd7\xb0\xcd\xea\xb3\xc9\xa3\xa1";      // 安装完成！
inline constexpr char kUninstallDone[] = "\xd0\xb6\xd4\xd8\xcd\xea\xb3\xc9\xa3\xa1";    // 卸载完成！
inline constexpr char kInstallFailed[] = "\xb0\xb2\xd7\xb0\xca\xa7\xb0\xdc\xa3\xa1";    // 安装失败！
inline constexpr char kUninstallFailed[] = "\xd0\xb6\xd4\xd8\xca\xa7\xb0\xdc\xa3\xa1";  // 卸载失败！
inline constexpr char kServiceProgramNotFound[] = "\xd5\xd2\xb2\xbb\xb5\xbd tarnsvc.exe";       // 找不到 tarnsvc.exe
inline constexpr char kServiceProgramExitStatus[] = "tarnsvc.exe \xb5\xc4\xcd\xcb\xb3\xf6\xb4\xfa\xc2\xeb\xce\xaa ";  // tarnsvc.exe 的退出代码为 N
inline constexpr char kServiceProgramTimedOut[] = "\xb5\xc8\xb4\xfd tarnsvc.exe \xb3\xac\xca\xb1";  // 等待 tarnsvc.exe 超时

// Online upgrade.
inline constexpr char kUpdaterNotStarted[] = "\xce\xde\xb7\xa8\xc6\xf4\xb6\xaf tarnupd.exe";  // 无法启动 tarnupd.exe

}  // namespace ui_text
