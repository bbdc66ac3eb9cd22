#include "print/ReportKinds.h"

namespace velno::print {

void registerReportPages() {
    // Each page module registers its kinds here as it is built.
}

}  // namespace velno::print
