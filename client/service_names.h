// The names of the service that the client talks to and whose pages it opens.
#pragma once

#ifndef TARNWICK_UPDATE_HOST
#error "TARNWICK_UPDATE_HOST is set by the build (CMake cache variable of the same name)"
#endif

// Registration and password recovery live on the domain itself; every user name is a
// host name under it.
inline constexpr char kServiceDomain[] = "tarn.cn";
inline constexpr char kWebSiteHost[] = "www.tarn.cn";
// Host, or host:port, of the update server.
inline constexpr char kUpdateHost[] = TARNWICK_UPDATE_HOST;
