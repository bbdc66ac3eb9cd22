#pragma once
// The start of the desktop program: the single-instance rule, which data
// folder, the core start-up sequence, then the main window.

namespace velno::app {

int runApplication(int argc, char** argv);

}  // namespace velno::app
