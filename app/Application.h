#pragma once

// Runs the program: single-instance check, main window, message loop. Returns the exit code.
int RunApplication(int argc, char** argv);
