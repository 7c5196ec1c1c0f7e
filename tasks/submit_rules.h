// The submitter's two rules for a request typed into its form: when it may
// be submitted, and the language it refuses.
#pragma once

#include <array>
#include <string_view>

namespace tasks {

// What a list shows before an entry is chosen.
inline constexpr std::string_view kSelectOne = "[Select one]";

// The words the form refuses, tested in this order. Each stands inside no
// ordinary or technical word, since a word is found inside longer ones too.
inline constexpr std::array<std::string_view, 5> kBadLanguageWords = {"fuck", "shit", "bastard",
                                                                     "bitch", "wanker"};

// Submit is enabled when the three boxes and the two list texts each hold a
// character other than a blank, and neither list text is "[Select one]" in
// any case and with any blanks around it.
bool SubmitAllowed(std::string_view subject, std::string_view description, std::string_view name,
                   std::string_view site, std::string_view category);

// True when the subject, the description or the name holds one of the
// words in any case, also inside a longer word. The lists are not tested.
bool HasBadLanguage(std::string_view subject, std::string_view description, std::string_view name);

}  // namespace tasks
