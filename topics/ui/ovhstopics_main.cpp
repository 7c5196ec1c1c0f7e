// ovhstopics: the topics tool of subject-layout sites.
#include "topics/ui/program.h"

int main(int argc, char** argv) { return topics::RunTopicsProgram(topics::Variant::kHighSchool, argc, argv); }
