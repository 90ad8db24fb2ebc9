// Where an exception that escaped an event handler ends: the application's error box
// (application.cpp), after which the message loop goes on.
#pragma once

#include <exception>

void HandleUncaughtException(std::exception_ptr error);
