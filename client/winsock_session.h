// Windows sockets are started by their first user, not as the program starts: the
// update exchange comes minutes after the window shows, and starting them loads ws2_32
// and what it brings along before the window could show.
//
//   StartWinsock();   // throws SocketError when the system refuses
//   asio::io_context io; ...
#pragma once

#ifdef _WIN32
// Starts Windows sockets for the rest of the program's life, unless they already are.
void StartWinsock();
#else
inline void StartWinsock() {}
#endif
