#include "topics/shortcut_settings.h"

#include <cmath>
#include <cstdlib>

#include "platform/text.h"
#include "platform/vb_error.h"
#include "common/list_input.h"

namespace topics {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int ToInteger16(double value) {
  const double rounded = std::nearbyint(value);  // round half to even
  if (rounded < -32768.0 || rounded > 32767.0) vb::Raise(6, "overflow");
  return static_cast<int>(rounded);
}

}  // namespace

int InputInteger(std::string_view text) {
  const std::string value = vb::Trim(text);
  if (value.empty()) return 0;
  size_t i = 0;
  if (value[i] == '+' || value[i] == '-') ++i;
  size_t digits = 0;
  while (i < value.size() && IsDigit(value[i])) ++i, ++digits;
  if (i < value.size() && value[i] == '.') {
    ++i;
    while (i < value.size() && IsDigit(value[i])) ++i, ++digits;
  }
  if (digits == 0 || i != value.size()) vb::Raise(13, "type mismatch: " + value);
  return ToInteger16(std::strtod(value.c_str(), nullptr));
}

int LeadingInteger(std::string_view text) { return ToInteger16(vb::Val(text)); }

void ReadShortcutSettings(std::string_view path, Variant variant, ShortcutSettings& settings) {
  common::ListInput in = common::ListInput::FromFile(path, false);
  settings.work_label = in.NextValue();
  settings.site_year = InputInteger(in.NextValue());
  if (variant == Variant::kHighSchool) {
    settings.subject_group_count = LeadingInteger(in.NextValue());
    if (settings.subject_group_count == 0) return;
    for (int k = 1; k <= settings.subject_group_count; ++k) {
      if (k > kMaxSubjectGroups) vb::Raise(9, "subscript out of range");
      settings.subject_group_names.push_back(in.NextValue());
      settings.subject_group_folders.push_back(in.NextValue());
    }
    settings.topics_per_group = LeadingInteger(in.NextValue());
  }
  settings.work_label = vb::Trim(settings.work_label);
}

}  // namespace topics
