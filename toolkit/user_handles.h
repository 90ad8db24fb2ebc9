// The USER objects the toolkit holds, counted where they are made and destroyed, so that
// an endurance run can prove that nothing leaks (the system's own counts are not to be
// had everywhere). Windows are counted from the system itself: EnumThreadWindows.
//
//   int menus = LiveMenuHandleCount();   // menu bars, pop-up menus and their sub-menus
//   int timers = RunningTimerCount();
#pragma once

int LiveMenuHandleCount();
int RunningTimerCount();
