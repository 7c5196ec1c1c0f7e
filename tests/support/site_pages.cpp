#include "tests/support/site_pages.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string_view>

#include "platform/text.h"

namespace testing_support {

const std::set<std::string> kWrittenByTools{"term1cal.htm", "term2cal.htm", "term3cal.htm",
                                            "term4cal.htm", "ovnews.htm",   "ovtask.htm"};

namespace {

struct Attribute {
  std::string name;  // lower case
  std::string value;
};

struct Tag {
  std::string name;  // lower case
  bool end = false;
  bool self_closing = false;
  std::vector<Attribute> attributes;
  int line = 0;
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ':';
}
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// Reads the attributes of a tag from `at` to its ">"; returns the position after it.
size_t ReadAttributes(const std::string& page, size_t at, Tag& tag) {
  while (at < page.size()) {
    while (at < page.size() && IsSpace(page[at])) ++at;
    if (at >= page.size()) break;
    if (page[at] == '>') return at + 1;
    if (page[at] == '/') {
      tag.self_closing = page.compare(at, 2, "/>") == 0;
      ++at;
      continue;
    }
    Attribute attribute;
    size_t start = at;
    while (at < page.size() && !IsSpace(page[at]) && page[at] != '=' && page[at] != '>' &&
           page[at] != '/') {
      ++at;
    }
    attribute.name = Lower(std::string_view(page).substr(start, at - start));
    while (at < page.size() && IsSpace(page[at])) ++at;
    if (at < page.size() && page[at] == '=') {
      ++at;
      while (at < page.size() && IsSpace(page[at])) ++at;
      if (at < page.size() && (page[at] == '"' || page[at] == '\'')) {
        const char quote = page[at];
        size_t close = page.find(quote, at + 1);
        if (close == std::string::npos) close = page.size();
        attribute.value = page.substr(at + 1, close - at - 1);
        at = close + 1;
      } else {
        start = at;
        while (at < page.size() && !IsSpace(page[at]) && page[at] != '>') ++at;
        attribute.value = page.substr(start, at - start);
      }
    }
    if (!attribute.name.empty()) tag.attributes.push_back(attribute);
    if (at == start) ++at;  // a stray character
  }
  return page.size();
}

// The tags of a page in order; comments, declarations and the text of
// scripts and style sheets are passed over.
std::vector<Tag> Tags(const std::string& page) {
  std::vector<Tag> tags;
  int line = 1;
  size_t counted = 0;
  auto line_at = [&](size_t at) {
    line += static_cast<int>(std::count(page.begin() + counted, page.begin() + at, '\n'));
    counted = at;
    return line;
  };
  size_t at = 0;
  while ((at = page.find('<', at)) != std::string::npos) {
    if (page.compare(at, 4, "<!--") == 0) {
      const size_t close = page.find("-->", at + 4);
      at = close == std::string::npos ? page.size() : close + 3;
      continue;
    }
    if (page.compare(at, 2, "<!") == 0 || page.compare(at, 2, "<?") == 0) {
      const size_t close = page.find('>', at);
      at = close == std::string::npos ? page.size() : close + 1;
      continue;
    }
    Tag tag;
    size_t name_at = at + 1;
    if (name_at < page.size() && page[name_at] == '/') {
      tag.end = true;
      ++name_at;
    }
    size_t name_end = name_at;
    while (name_end < page.size() && IsNameChar(page[name_end])) ++name_end;
    if (name_end == name_at || !std::isalpha(static_cast<unsigned char>(page[name_at]))) {
      ++at;  // a "<" in the text
      continue;
    }
    tag.name = Lower(std::string_view(page).substr(name_at, name_end - name_at));
    tag.line = line_at(at);
    at = ReadAttributes(page, name_end, tag);
    tags.push_back(tag);
    if (!tag.end && (tag.name == "script" || tag.name == "style")) {
      const size_t close = Lower(page).find("</" + tag.name, at);
      at = close == std::string::npos ? page.size() : close;
    }
  }
  return tags;
}

// An attribute value (in UTF-8) as a browser takes it: "&amp;" and "%xx" decoded.
std::string Decoded(const std::string& value) {
  std::string text;
  for (size_t at = 0; at < value.size(); ++at) {
    if (value.compare(at, 5, "&amp;") == 0) {
      text += '&';
      at += 4;
    } else if (value[at] == '%' && at + 2 < value.size() &&
               std::isxdigit(static_cast<unsigned char>(value[at + 1])) &&
               std::isxdigit(static_cast<unsigned char>(value[at + 2]))) {
      text += static_cast<char>(std::stoi(value.substr(at + 1, 2), nullptr, 16));
      at += 2;
    } else {
      text += value[at];
    }
  }
  return text;
}

// The elements without content; "frame" is one in the template's frame sets.
const std::set<std::string> kVoid{"br",   "img",  "hr",  "meta",  "link", "input",
                                  "base", "area", "col", "param", "frame"};
const std::set<std::string> kOptionalEnd{"p", "li", "td", "tr", "th", "option"};
// Start tags that end an open paragraph.
const std::set<std::string> kEndsParagraph{"address",  "blockquote", "center", "dir", "div",  "dl",
                                           "fieldset", "form",       "h1",     "h2",  "h3",   "h4",
                                           "h5",       "h6",         "hr",     "li",  "menu", "ol",
                                           "p",        "pre",        "table",  "ul"};
// Elements past which a start tag does not look for what it ends.
const std::set<std::string> kScopeLimit{"table", "td", "th", "html", "body", "caption"};

class TagWalk {
 public:
  TagReport Walk(const std::vector<Tag>& tags) {
    for (const Tag& tag : tags) {
      if (kVoid.count(tag.name) > 0) continue;
      if (tag.end) {
        End(tag);
      } else {
        Start(tag);
      }
    }
    for (const Open& open : stack_) {
      Fault(open.line, "<" + open.name + "> is never closed");
    }
    return report_;
  }

 private:
  struct Open {
    std::string name;
    int line;
  };

  void Fault(int line, const std::string& what) {
    report_.faults.push_back("line " + std::to_string(line) + ": " + what);
  }

  // Index of the innermost open `name` not beyond `limits`, or -1.
  int Find(const std::string& name, const std::set<std::string>& limits) const {
    for (int at = static_cast<int>(stack_.size()) - 1; at >= 0; --at) {
      if (stack_[at].name == name) return at;
      if (limits.count(stack_[at].name) > 0) return -1;
    }
    return -1;
  }

  // Closes what stands above index `at` (and, with `inclusive`, `at` itself),
  // which only elements with an optional end tag may do without a fault.
  void CloseDownTo(int at, bool inclusive, const Tag& by) {
    const std::string closer = (by.end ? "</" : "<") + by.name + ">";
    const int last = inclusive ? at : at + 1;
    for (int top = static_cast<int>(stack_.size()) - 1; top >= last; --top) {
      const Open& open = stack_[top];
      if (kOptionalEnd.count(open.name) > 0) {
        report_.left_open.insert(open.name + " by " + closer);
      } else {
        Fault(by.line, "<" + open.name + "> of line " + std::to_string(open.line) +
                           " is still open at " + closer);
      }
    }
    stack_.resize(last);
  }

  void Start(const Tag& tag) {
    if (kEndsParagraph.count(tag.name) > 0) {
      const int p = Find("p", kScopeLimit);
      if (p >= 0) CloseDownTo(p, true, tag);
    }
    if (tag.name == "li" || tag.name == "option") {
      const int open = Find(tag.name, {"ul", "ol", "select", "table", "td", "th"});
      if (open >= 0) CloseDownTo(open, true, tag);
    }
    if (tag.name == "td" || tag.name == "th") {
      int open = Find("td", {"tr", "table"});
      if (open < 0) open = Find("th", {"tr", "table"});
      if (open >= 0) CloseDownTo(open, true, tag);
    }
    if (tag.name == "tr") {
      const int open = Find("tr", {"table"});
      if (open >= 0) CloseDownTo(open, true, tag);
    }
    if (!tag.self_closing) stack_.push_back({tag.name, tag.line});
  }

  void End(const Tag& tag) {
    const int open = Find(tag.name, {});
    if (open < 0) {
      Fault(tag.line, "</" + tag.name + "> closes nothing");
      return;
    }
    CloseDownTo(open, false, tag);
    stack_.pop_back();
  }

  std::vector<Open> stack_;
  TagReport report_;
};

}  // namespace

std::vector<std::string> LocalLinks(const std::string& page) {
  std::vector<std::string> links;
  for (const Tag& tag : Tags(page)) {
    if (tag.end) continue;
    for (const Attribute& attribute : tag.attributes) {
      if (attribute.name != "href" && attribute.name != "src" && attribute.name != "background") {
        continue;
      }
      std::string link = Decoded(vb::Utf8From1252(attribute.value));
      link = link.substr(0, link.find_first_of("#?"));
      if (link.empty() || link.find(':') != std::string::npos || link[0] == '/') continue;
      links.push_back(link);
    }
  }
  return links;
}

std::string LineEndFault(const std::string& page) {
  int line = 1;
  for (size_t at = 0; at < page.size(); ++at) {
    if (page[at] == '\r') {
      if (at + 1 >= page.size() || page[at + 1] != '\n') {
        return "line " + std::to_string(line) + " ends in CR alone";
      }
      ++at;
      ++line;
    } else if (page[at] == '\n') {
      return "line " + std::to_string(line) + " ends in LF alone";
    }
  }
  if (!page.empty() && page.back() != '\n') {
    return "line " + std::to_string(line) + " has no line end";
  }
  return "";
}

TagReport CheckTags(const std::string& page) { return TagWalk().Walk(Tags(page)); }

}  // namespace testing_support
