#pragma once

namespace tav::platform {
class Host;
}

namespace tav::app {

// True when another instance runs; the user has then been told, and the program must end before
// it touches the settings or any file.
bool refuseSecondInstance(platform::Host& host);

// The program's one entry point: refuses a second instance, then loads and shows the main window
// and runs until it has closed.
int runProgram(int argc, char** argv);

} // namespace tav::app
