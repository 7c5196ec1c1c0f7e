// The choices of the topics window when Go! is pressed, the form check and
// the confirmation question built from them.
#pragma once

#include <string>
#include <vector>

#include "topics/variant.h"

namespace topics {

// The text of a list box the user has not touched.
inline constexpr char kSelect[] = "[select]";

enum class Destination { kYear, kClass, kCustom };
// The primary tool's sub-folder options: Root, Work, Images, PowerPoints, Writing.
enum class Subfolder { kRoot, kWork, kImages, kPowerPoints, kWriting };

struct CopyForm {
  bool file_mode = true;       // Option9; Option8 is folder mode
  bool replace_topic = true;   // Option3; Option4 is a plain copy
  Destination destination = Destination::kYear;
  std::string topic_text;      // Combo3, as shown
  std::string year_text;       // Combo1
  std::string class_text;      // Combo2
  std::string group_text;      // Combo4
  std::string file_name;       // File1's file name
  std::string selected_file_path;
  std::string opened_folder;   // Dir1's path
  Subfolder subfolder = Subfolder::kRoot;  // primary tool
  std::string subject_text;    // Combo5 (high-school tool)
  int subject_index = -1;      // 0-based entry picked in Combo5, -1 when typed
};

// One name of a path: not empty, no "\", "/" or ":", not "." or "..".
bool IsOneName(const std::string& name);

// The form check. Returns false when the form is incomplete; for the
// high-school tool it also settles `form.subject_index` (a typed subject
// that equals a name exactly is that subject).
bool CheckForm(Variant variant, const std::vector<std::string>& subject_names, CopyForm& form);
std::string FormMessage(Variant variant);

// The question of the "Are you sure?" box.
std::string ConfirmationText(Variant variant, const CopyForm& form, const std::string& part);

}  // namespace topics
