// The Year Pages page and the folders it links to.
#include "builder/pages/page_writers.h"

namespace builder {

void YearIndexPage(BuildRun& run) { (void)run; }

}  // namespace builder
