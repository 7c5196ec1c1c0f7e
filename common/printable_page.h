// The printable page that the news, task and calendar tools publish: a fixed
// head with the print scripts, an outer frame, a header row whose right cell
// prints the page, the page's body and fixed closing lines. The list pages
// (news, tasks) share the item table, one item's rows and the closing note.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/page_file.h"

namespace common {

enum class LayoutKind { ListLayout, CalendarLayout };

// The head, to the empty line after <body>.
void WritePrintablePageHead(PageFile& page, std::string_view page_title);
// The outer frame's table; with ListLayout also the band around the header row.
void WritePageFrameOpen(PageFile& page, LayoutKind layout);
// The header row: the three hint texts (the first follows the hint cell's
// font tag; the third ends with "</font></td>"), the middle cell's text and
// the print link.
void WritePrintLinkRow(PageFile& page, const std::array<std::string, 3>& hint_lines,
                       std::string_view middle_cell_text, LayoutKind layout);
// ListLayout: closes the band and opens the item table.
void WriteItemTableOpen(PageFile& page);
// ListLayout: one item's two rows; `detail_insert` lines come before the
// item's text, and the body goes through LinkFirstUrl.
void WriteItemBlock(PageFile& page, std::string_view title, std::string_view submitted_by,
                    std::string_view date_text, std::string_view body,
                    const std::vector<std::string>& detail_insert = {});
// ListLayout: closes the item table and writes the editor's note, whose text
// ends with "</p>".
void WriteItemTableClose(PageFile& page, std::string_view editor_note);
// Closes the frame and the page; the calendar's trailing note, when given,
// comes after the frame.
void WritePageClose(PageFile& page, std::string_view trailing_note = {});

// The first "http://" address of the text (else the first "file://"), up
// to the next blank, made a link that opens a new window. A quote inside
// the address is written as "%22" in the href, so it cannot end the attribute.
std::string LinkFirstUrl(std::string_view text);

// The error rule of a list page run: a file error passes the failed step
// over (Step returns false) and the run goes on; any other error shows
// "Error Code: n detected during refresh." and ends the program.
class PageRunErrorRule {
 public:
  bool Step(const std::function<void()>& step);
  // Shows the rule's message for `number` and ends the program.
  [[noreturn]] static void Stop(int number);
};

}  // namespace common
