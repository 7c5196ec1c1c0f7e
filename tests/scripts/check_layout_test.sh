#!/usr/bin/env bash
# Plants one breach of each layering rule, a new file at a time, into a copy
# of the tree (without .git, tests or build folders) and expects
# scripts/check-layout to name the file and fail; the clean copy, and lines
# that only look like a breach, pass.
# Usage: check_layout_test.sh SOURCE_DIR
set -uo pipefail
source_dir=${1:?source folder}
work=$(mktemp -d "${TMPDIR:-/tmp}/check-layout-test.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT

mkdir "$work/clean" || exit 1
tar -C "$source_dir" --exclude=./.git --exclude=./tests --exclude=./bench \
  --exclude=./build --exclude='./build[-_]*' -cf - . | tar -C "$work/clean" -xf - || exit 1
failures=0

# Runs the check in the copy with `file` made of `line` (and removed after);
# `expect` is "pass" or the heading the check must print.
check() {
  local file=$1 line=$2 expect=$3 copy="$work/clean" output status
  if [[ -n $file ]]; then
    mkdir -p "$(dirname "$copy/$file")" && printf '%s\n' "$line" >"$copy/$file" || exit 1
  fi
  output=$("$copy/scripts/check-layout" 2>&1)
  status=$?
  [[ -n $file ]] && rm -f "$copy/$file"
  if [[ $expect == pass ]]; then
    if [[ $status -ne 0 ]]; then
      printf 'FAIL: %s + "%s" should pass:\n%s\n' "${file:-clean copy}" "$line" "$output"
      failures=$((failures + 1))
    fi
  elif [[ $status -eq 0 || $output != *"$expect"* || $output != *"$file"* ]]; then
    printf 'FAIL: %s + "%s" should fail with "%s" (status %d):\n%s\n' \
      "$file" "$line" "$expect" "$status" "$output"
    failures=$((failures + 1))
  fi
}

os="operating-system call outside platform/ and sortlib/:"
floor="include of a folder not on a lower floor:"
qt="Qt included outside ui/ folders and platform/qt/:"
cases=(
  # file | added line | expected
  ""                          ""                                            pass
  "subjects/core/planted.cpp" '#include "builder/install/site_files.h"'     "$floor"
  "site/planted.cpp"          '#include "builder/core/tables.h"'            "$floor"
  "site/planted.h"            '#include "subjects/core/subject_groups.h"'   "$floor"
  "common/planted.cpp"        '#include "tasks/task_store.h"'               "$floor"
  "common/planted.cpp"        '#include "site/build_run.h"'                 "$floor"
  "news/planted.cpp"          '#include "tasks/task_store.h"'               "$floor"
  "platform/planted.cpp"      '#include "common/open_with.h"'               "$floor"
  "extra/planted.cpp"         '#include "platform/files.h"'                 "$floor"
  "builder/planted.cpp"       '#include "subjects/core/subject_groups.h"'   pass
  "tasks/planted.cpp"         '#include "common/open_with.h"'               pass
  "common/planted.cpp"        '#include <unistd.h>'                         "$os"
  "common/planted.cpp"        '#include <sys/wait.h>'                       "$os"
  "common/planted.cpp"        '#include <sys/socket.h>'                     "$os"
  "common/planted.cpp"        '#include <pwd.h>'                            "$os"
  "common/planted.cpp"        '#include <signal.h>'                         "$os"
  "common/planted.cpp"        '#include <dirent.h>'                         "$os"
  "common/planted.cpp"        '  std::filesystem::remove(target);'          "$os"
  "common/planted.cpp"        '  std::rename(from, to);'                    "$os"
  "common/planted.cpp"        '  ::rename(from, to);'                       "$os"
  "common/planted.cpp"        '  if (::lstat(path.c_str(), &st) != 0) return;' "$os"
  "common/planted.cpp"        '  FILE* f = std::fopen(path, "r");'          "$os"
  "common/planted.cpp"        '  std::system("xdg-open page.htm");'         "$os"
  "common/planted.cpp"        '  std::remove(path.c_str());'                "$os"
  "common/planted.cpp"        '  std::remove("ovnews.tmp");'                "$os"
  "common/planted.cpp"        '  ::remove(path.c_str());'                   "$os"
  "platform/planted.h"        '#include <sys/stat.h>'                       "system header handed on by a header of platform/:"
  "common/planted.cpp"        '#include <QString>'                          "$qt"
  "common/planted.cpp"        '#include <qstring.h>'                        "$qt"
  "common/guide.cpp"          '#include <QString>'                          "$qt"
  "common/planted.cpp"        '  std::remove(lines.begin(), lines.end(), "");' pass
  "common/planted.cpp"        '  std::filesystem::path name = "a";'         pass
  "common/planted.cpp"        '  const auto d = std::chrono::seconds(2);'   pass
  "common/ui/planted.cpp"     '#include <QString>'                          pass
  "platform/planted.cpp"      '#include <dirent.h>'                         pass
  "platform/planted.h"        '#include <filesystem>'                       pass
)
for ((i = 0; i < ${#cases[@]}; i += 3)); do
  check "${cases[i]}" "${cases[i + 1]}" "${cases[i + 2]}"
done

if [[ $failures -ne 0 ]]; then
  echo "$failures case(s) failed"
  exit 1
fi
echo "all $((${#cases[@]} / 3)) cases as expected"
