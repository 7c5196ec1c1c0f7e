#include "subjects/pages/subject_writers.h"

namespace subjects {

void WriteTopicPages(builder::BuildRun&) {}

}  // namespace subjects
