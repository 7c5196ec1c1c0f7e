// The manager's password file "ovtaskpw.dat": 1023 bytes of filler that hold
// the password's 50 characters at every fourth position from 201 and the
// marker 28 at position 500. The layout is kept as stored files have it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tasks {

inline constexpr int kPasswordFileLength = 1023;
// The Security Check box takes no more than this; a longer password is
// refused when it is defined.
inline constexpr int kTypedPasswordLength = 15;

// The file's bytes for a defined password: trimmed, then padded with blanks
// or cut to 50 characters.
std::string PasswordFileImage(std::string_view password);

// The stored password of a file's bytes, trimmed and in lower case; none
// when the file is not valid (not 1023 bytes, or no marker at position 500).
std::optional<std::string> StoredPassword(std::string_view file_bytes);

// Whether what was typed at the Security Check opens a stored password:
// blanks around it and letter case do not count.
bool PasswordMatches(std::string_view stored, std::string_view typed);

// The stored password of the file in the tool's folder; none when the file
// is missing or not valid.
std::optional<std::string> ReadTaskPassword(const std::string& tool_folder);

// Replaces the file in the tool's folder with the one for `password`: a new
// file readable by its owner only, else with the old file's mode less the
// bits for others, and its group. The file is complete or untouched.
void WriteTaskPassword(const std::string& tool_folder, std::string_view password);

// How the manager asks for a password; none is a Cancel (the define box) or
// a Security Check closed by its frame.
struct PasswordPrompts {
  std::function<std::optional<std::string>()> define_new;
  std::function<std::optional<std::string>()> security_check;
};

// The manager's password gate: with no valid file a new password is
// defined (DefineTaskPassword); otherwise the Security Check must be
// answered with the stored one. Ends the program on a wrong password, and
// quietly when the Security Check is closed.
void CheckTaskPassword(const std::string& tool_folder, const PasswordPrompts& prompts);

// Asks until a password of at most 15 characters is given (blanks around it
// not counted; Cancel asks again), stores it and says so.
void DefineTaskPassword(const std::string& tool_folder, const PasswordPrompts& prompts);

}  // namespace tasks
