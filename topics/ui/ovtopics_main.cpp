// ovtopics: the topics tool of K-6 sites.
#include "topics/ui/program.h"

int main(int argc, char** argv) { return topics::RunTopicsProgram(topics::Variant::kPrimary, argc, argv); }
