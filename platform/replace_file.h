// Replacing a file's contents in one durable step: the new contents go to a
// temporary file beside the target, which is synced, renamed over the target,
// and the folder synced, so the target is always the old file or the new one.
#pragma once

#include <string>
#include <string_view>

namespace vb {

// What a caller does with what stands at the target, and how the new file is
// named and made. Paths are in Windows or native form.
struct ReplaceRules {
  // The temporary file's name in the target's folder; empty for a name that
  // tells this program, computer and process (temporary_names.h), before
  // which the stale leftovers of this program for the target are removed.
  std::string temporary_name;
  // Anything but a regular file in the target's place (a link, a folder) is
  // refused with `refusal_number`; otherwise a link there is itself replaced.
  bool refuse_other_than_file = false;
  // A read-only target is refused with `refusal_number`; otherwise it is
  // replaced.
  bool refuse_read_only = false;
  // A link in the target's place is replaced even where anything else but a
  // regular file is refused.
  bool replace_link = false;
  // A target that this account may not write is refused, as writing it in
  // place would be; a read-only one that it may write is replaced.
  bool refuse_unwritable = false;
  // The error a refusal raises: 75, or 70 for a caller whose write in place
  // raised 70 for what is refused.
  int refusal_number = 75;
  enum class Mode {
    kOldFile,    // the old file's, and its group where this user belongs to
                 // it; an ordinary file's when there is none
    kOrdinary,   // 0666 less the process's mask; a copied program stays runnable
    kSecret,     // 0600 for a new file; a replaced one keeps the old file's
                 // mode less the bits for others (its owner may read and
                 // write it), and its group, where this user belongs to it;
                 // else 0600
  } mode = Mode::kOrdinary;
};

// Tests the target against the rules without writing anything: what they
// refuse raises `rules.refusal_number`.
void CheckReplaceable(std::string_view target, const ReplaceRules& rules);

// Replaces `target` with `contents`. On an error before the rename, the
// temporary file is removed, the target stays as it was and the error is
// raised (61 for a full drive, 76 for a missing folder ...). A sync that the
// file system does not offer is no error, and nothing after the rename is.
void ReplaceFile(std::string_view target, std::string_view contents, const ReplaceRules& rules);

// The same with the bytes of the file `source` (missing: 53; a folder or
// anything else but a regular file: 75).
void ReplaceWithCopy(std::string_view source, std::string_view target, const ReplaceRules& rules);

// The last steps alone, for a caller that has written the temporary file
// `rules.temporary_name` itself: the rules are tested, the file gets its mode
// (where this user may give it), is synced with it (a failed sync raises its
// error), and is renamed over the target; with Mode::kOldFile it also gets the old file's
// group where this user belongs to it. When anything before the rename fails,
// the file stays.
void PutInPlace(std::string_view target, const ReplaceRules& rules);

// Removes the file `target` and syncs its folder, so that the removal lasts;
// a missing file is no error. A failed removal raises its error, and so does
// a failed sync of the folder.
void RemoveFile(std::string_view target);

// Renames the temporary file `temporary_name` to the target when no target
// is there and the temporary file is a regular file that is not empty: the
// put-back of a replacement whose rename never came.
void PutBackIfMissing(std::string_view target, const std::string& temporary_name);

}  // namespace vb
