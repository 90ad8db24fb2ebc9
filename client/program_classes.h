// Every class that the main window's stored description names, registered once before
// the window is read: the toolkit's own and the skinned controls, menus and frame.
#pragma once

void RegisterProgramClasses();
