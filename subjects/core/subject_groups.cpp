#include "subjects/core/subject_groups.h"

namespace subjects {

SubjectGroups& Groups() {
  static SubjectGroups groups;
  return groups;
}

}  // namespace subjects
