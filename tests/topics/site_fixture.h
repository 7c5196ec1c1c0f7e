// A small built site in a private drive for the topics tests: ovshrtct.ini,
// ovshrtct.dat and the student folders, written as the builder writes them.
#pragma once

#include <filesystem>
#include <string>

#include "tests/support/temp_drives.h"
#include "topics/site.h"
#include "topics/variant.h"

namespace topics_test {

// K-6 settings (count 0), and a subject build with maths and science.
inline const std::string kPrimaryIni = "\"My Work\",2026\r\n\"0\"\r\n";
inline const std::string kSubjectIni =
    "\"My Work\",2026\r\n\"2\"\r\n\"Mathematics\",\"maths\"\r\n\"Science\",\"science\"\r\n\"6\"\r\n";

// Two classes of year3 (3b, 3c) and one of year4 (3b again as a class name),
// each with its master record, sorted by the whole line.
inline const std::string kStudentList =
    "Brown Tom,brown_tom,3c,year3\r\n"
    "Jones Bea,jones_bea,3b,year4\r\n"
    "Smith Anna,smith_anna,3b,year3\r\n"
    "zzStudent Master,masterstudent,3b,year3\r\n"
    "zzStudent Master,masterstudent,3b,year4\r\n"
    "zzStudent Master,masterstudent,3c,year3\r\n";

class SiteFixture {
 public:
  explicit SiteFixture(const std::string& ini = kPrimaryIni, const std::string& dat = kStudentList,
                       bool subject_folders = false);

  std::filesystem::path root() const { return drives_.drive('d') / "orvane"; }
  // The site root as the tool takes it: native, ending in "/".
  std::string site_root() const;
  std::filesystem::path student(const std::string& level, const std::string& klass,
                                const std::string& folder) const;
  // A source file or folder outside the site, on drive C.
  std::filesystem::path source(const std::string& relative) const { return drives_.drive('c') / relative; }
  std::string text(const std::filesystem::path& native) const;

 private:
  testing_support::TempDrives drives_{"CD"};
};

}  // namespace topics_test
