#pragma once

namespace cadenzo {

// Brings the program up, runs the window until it is closed, and cleans up.
// The arguments only feed the toolkit; the program reads no command line.
int StartProgram(int argc, char** argv);

}  // namespace cadenzo
