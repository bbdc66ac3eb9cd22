#include "app/StartHooks.h"

#include <vector>

namespace velno::app {

namespace {

std::vector<StartHook>& hooks() {
    static std::vector<StartHook> list;
    return list;
}

}  // namespace

void addStartHook(StartHook hook) {
    if (hook) hooks().push_back(hook);
}

void runStartHooks(CVelnoDoc& doc) {
    for (StartHook hook : hooks()) hook(doc);
}

}  // namespace velno::app
