#include "reporting/StartupNotice.h"

#include "store/CVelnoDoc.h"

namespace velno {

bool ToggleStartupNotice(CVelnoDoc& doc) {
    Settings& settings = doc.settings();
    settings.nag = settings.nag != 0 ? 0 : 1;
    doc.dirty = true;
    return settings.nag != 0;
}

}  // namespace velno
