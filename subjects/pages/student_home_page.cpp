#include "subjects/pages/subject_writers.h"

namespace subjects {

void WriteStudentHomePage(builder::BuildRun& run) { run.ctx.PreviewMode = 0; }

}  // namespace subjects
