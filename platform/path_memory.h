// The path layer's memory of the folders it has found or made, for the file
// operations of platform/: a folder is looked up once, and a folder every
// entry of which this process made is searched for another case of a name
// without reading it. Callers outside platform/ use Resolve.
#pragma once

#include <string>
#include <string_view>

namespace vb {

// Whether the entry a target names is there, in any case.
enum class Presence {
  Found,      // it is, under `native`
  Absent,     // there is no entry of the name in any case
  Unchecked,  // not looked at: `native` is the name as written
};

// What an operation is about to do with a path: use what is there, or make
// or replace an entry, which needs to know whether one of another case is there.
enum class Intent { Use, Create };

struct Target {
  std::string native;
  Presence presence = Presence::Unchecked;
  // The folder came from memory: a failure calls for a fresh look-up.
  bool remembered = false;
};

// Where `path` leads, as Resolve would find it, from what is remembered.
Target Locate(std::string_view path, Intent intent);
// The same looked up afresh on disk, with nothing taken from memory.
Target LocateAfresh(std::string_view path);
// Whether a failed use of `used` came from memory that no longer holds: the
// fresh look-up `fresh` differs. The memory is then forgotten.
bool MemoryMisled(const Target& used, const Target& fresh);

// This process made the entry `native` (a folder when `folder`); a folder
// it makes starts with every entry known.
void NoteMade(const std::string& native, bool folder);
// The entry `native` is gone; a folder takes what was known below it along.
void NoteRemoved(const std::string& native);
// The entry `from` became `to`: what was known below either path is
// forgotten, whether or not the folder itself was known.
void NoteMoved(const std::string& from, const std::string& to);
// Whether the folder `folder` on disk holds an entry spelt `name` (UTF-8)
// exactly, when every entry of it is known; Unchecked otherwise.
Presence KnownEntry(const std::string& folder, const std::string& name);
// Forgets every folder: something changed that the memory cannot follow.
void ForgetFolders();

}  // namespace vb
