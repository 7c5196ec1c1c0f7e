// The school home page at the site root.
#include "builder/pages/page_writers.h"

namespace builder {

void MainSchoolPage(BuildRun& run) { (void)run; }

}  // namespace builder
