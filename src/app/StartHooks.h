#pragma once
// Checks other parts add to the start: they run after the data are loaded
// and before the main window shows (the export-files warning is one).

namespace velno {
class CVelnoDoc;
}

namespace velno::app {

using StartHook = void (*)(CVelnoDoc& doc);

void addStartHook(StartHook hook);
void runStartHooks(CVelnoDoc& doc);

}  // namespace velno::app
