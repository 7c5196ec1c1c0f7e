// The pages of a built site read as a browser reads them: their local links,
// their line ends and whether their tags open and close in order.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace testing_support {

// Pages that the bulletin tools write into the template's areas later.
extern const std::set<std::string> kWrittenByTools;

// The relative href, src and background values of a page that should name a
// file or folder of the site, without any "#" or "?" part, read as the page's
// windows-1252 and given as the UTF-8 of the native file names.
std::vector<std::string> LocalLinks(const std::string& page);

// "" when every line of the page ends in CR LF, the last one included;
// otherwise where the first line without it begins.
std::string LineEndFault(const std::string& page);

// What the tag walk of a page found.
struct TagReport {
  // Unclosed, mis-nested and stray tags, each with the line it stands on.
  std::vector<std::string> faults;
  // The elements whose end tag is optional (p, li, td, tr, th, option) that
  // the page leaves open, each with the tag that closes it: "p by </td>".
  std::set<std::string> left_open;
};

// Walks the tags of a page: void elements (and frame) need no end tag, an element with an
// optional end tag may be closed by its parent's end tag or by the tags that
// end it in HTML (a new p, li, option, td, th or tr, a block inside a p);
// anything else must close in the order it opened.
TagReport CheckTags(const std::string& page);

}  // namespace testing_support
