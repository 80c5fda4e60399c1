#pragma once

namespace z3d {

// The start-up profile. With Z3D_STARTUP_TRACE set in the environment (to anything), each step
// of the start-up writes one line to standard error as it is reached:
//   startup <TAB> ms since the first step <TAB> ms since the previous step <TAB> processor ms
//           of the process since the previous step <TAB> steady-clock microseconds <TAB> the step
// A step that took much longer than its processor time waited (for the disk, a process, the
// display, or a busy machine).
// The steady clock's reading lets the program that started the launcher place the steps on its
// own clock (the benchmark adds the time before the first step: the program and its libraries
// loaded). Without the variable a step costs one test of a flag.
class StartupTrace
{
public:
    static void mark(const char* step);
};

} // namespace z3d
