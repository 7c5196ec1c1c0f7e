#include "subjects/pages/subject_writers.h"

namespace subjects {

void WriteSubjectPages(builder::BuildRun&) {}

}  // namespace subjects
