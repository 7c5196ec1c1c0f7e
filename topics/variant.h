// The two topics tools built from one code base: the primary tool for K-6
// sites and the high-school tool for subject-layout sites.
#pragma once

namespace topics {

enum class Variant { kPrimary, kHighSchool };

}  // namespace topics
