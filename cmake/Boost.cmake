# Boost.Beast and Boost.Asio are header-only. The cross compiler must see the Boost
# headers of the host but nothing else of /usr/include, so it gets a folder that holds
# only a link to them.
add_library(tarnwick_boost INTERFACE)
if(WIN32)
  set(boost_only ${CMAKE_BINARY_DIR}/boost-only-include)
  file(MAKE_DIRECTORY ${boost_only})
  file(CREATE_LINK /usr/include/boost ${boost_only}/boost SYMBOLIC)
  target_include_directories(tarnwick_boost SYSTEM INTERFACE ${boost_only})
  target_compile_definitions(tarnwick_boost INTERFACE _WIN32_WINNT=0x0601 WIN32_LEAN_AND_MEAN NOMINMAX)
  # Sockets are started by the first exchange (client/winsock_session.h), so ws2_32 can wait
  # until then.
  target_link_libraries(tarnwick_boost INTERFACE tarnwick_ws2_32_delayed mswsock)
endif()
