// The start of both topics programs: start-up, then the window until Exit.
#pragma once

#include "topics/variant.h"

namespace topics {

int RunTopicsProgram(Variant variant, int argc, char** argv);

}  // namespace topics
