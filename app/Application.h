#pragma once

// Runs the program: single-instance check, main window, message loop. Returns the exit code: 0 after a
// normal end or when another copy already manages the switch, 1 when start-up failed.
int RunApplication(int argc, char** argv);
