#pragma once

namespace tav::app {

// The program's one entry point: refuses a second instance, then loads and shows the main window
// and runs until it has closed.
int runProgram(int argc, char** argv);

} // namespace tav::app
