#include "common/printable_page.h"

#include "common/bulletin_startup.h"
#include "platform/msgbox.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace common {

namespace {

// The fixed lines of the page, leading blanks included.
constexpr const char* kHeadTop[] = {
    "<html>",
    "",
    "<head>",
    "<meta http-equiv=\"Content-Language\" content=\"en-us\">",
    "<meta name=\"GENERATOR\" content=\"Microsoft FrontPage 5.0\">",
    "<meta name=\"ProgId\" content=\"FrontPage.Editor.Document\">",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
};
constexpr const char* kHeadScripts[] = {
    "<base target=\"bottom\">",
    "",
    "<SCRIPT LANGUAGE=\"JavaScript\" TYPE=\"text/javascript\">",
    "<!--",
    "var VBS = false;",
    "// -->",
    "</SCRIPT>",
    "",
    "<script language=\"VBScript\">",
    "sub window_onunload",
    "        on error resume next",
    "        set WB = nothing",
    "end sub",
    "",
    "function printIt",
    "' on error resume next",
    "",
    "  call WB.ExecWB(6,1)",
    "'6,2 gives no alert",
    "",
    "    if err.number <> 0 then",
    "         if DA then ' Internet Explorer 4 they probably cancelled",
    "                     alert \"Nothing Printed :\" & err.number & \" : \" & err.description",
    "         else",
    "             handle_error '  ie3x give alternate instructions",
    "         end if",
    "    end if",
    "end function",
    "",
    "document.write  \"<OBJECT ID=\"\"WB\"\" WIDTH=0 HEIGHT=0 CLASSID=\"\"CLSID:8856F961-340A-11D0-A96B-00C04FD705A2\"\"> </OBJECT>\"",
    "",
    "VBS = true",
    "",
    "</script>",
    "",
    "<SCRIPT LANGUAGE=\"JavaScript\" TYPE=\"text/javascript\">",
    "<!--",
    "",
    "/* The actual print function */",
    "",
    "function prePrint()",
    "{",
    "  if (window.print) window.print();",
    "  else if (VBS) printIt();",
    "  else alert('This script does not work in your browser');",
    "}",
    "",
    "// -->",
    "</SCRIPT>",
    "",
    "",
    "",
    "</head>",
    "",
    "<body topmargin=\"4\" leftmargin=\"0\">",
    "",
};
constexpr const char* kFrameOpen[] = {
    "<div align=\"center\">",
    "  <center>",
    "  <table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" style=\"border-collapse: collapse\" bordercolor=\"#111111\" width=\"99%\" id=\"AutoNumber1\">",
    "    <tr>",
    "      <td width=\"100%\">",
};
constexpr const char* kBandOpen[] = {
    "",
    "<div align=\"center\">",
    "  <center>",
    "  <table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" style=\"border-collapse: collapse\" bordercolor=\"#111111\" width=\"99%\" id=\"AutoNumber5\">",
    "    <tr>",
    "      <td width=\"100%\">",
};
constexpr const char* kPrintRowOpen[] = {
    "      <div align=\"center\">",
    "        <center>",
    "        <table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" style=\"border-collapse: collapse\" bordercolor=\"#111111\" width=\"100%\" id=\"AutoNumber3\" height=\"39\">",
    "          <tr>",
};
constexpr const char* kPrintLink[] = {
    "            <td width=\"34%\" height=\"39\">",
    "            <p align=\"right\"><font face=\"Arial\" size=\"1\">If you absolutely must ",
    "            have a <br>",
    "            printed copy, click <a href=\"#\" onClick=\"prePrint()\">HERE</a></font></td>",
    "          </tr>",
};
constexpr const char* kPrintRowClose[] = {
    "        </center>",
    "      </div>",
};
constexpr const char* kItemTableOpen[] = {
    "      </td>",
    "    </tr>",
    "  </table>",
    "  </center>",
    "</div>",
    "<div align=\"center\">",
    "  <center>",
    "  <table border=\"1\" cellspacing=\"3\" style=\"border-collapse: collapse\" bordercolor=\"#111111\" width=\"100%\" id=\"AutoNumber4\">",
};
constexpr const char* kItemRow2[] = {
    "    </tr>",
    "    <tr>",
    "      <td width=\"100%\" colspan=\"2\">",
};
constexpr const char* kItemEnd[] = {
    "        </p>",
    "      </blockquote>",
    "      </td>",
    "    </tr>",
};
constexpr const char* kItemTableClose[] = {
    "  </table>",
    "  </center>",
    "</div>",
    "<p>",
    "<font face=\"Arial\" size=\"1\"> NOTE: Do NOT edit this webpage using an editor.&nbsp; ",
};
constexpr const char* kPageClose1[] = {
    "      </td>",
    "    </tr>",
    "  </table>",
    "  </center>",
    "</div>",
};
constexpr const char* kPageClose2[] = {
    "",
    "</body>",
    "</html>",
};

template <size_t N>
void PrintLines(PageFile& page, const char* const (&lines)[N]) {
  for (const char* line : lines) page.Print(line);
}

}  // namespace

void WritePrintablePageHead(PageFile& page, std::string_view page_title) {
  PrintLines(page, kHeadTop);
  page.Print("<title>" + std::string(page_title) + "</title>");
  PrintLines(page, kHeadScripts);
}

void WritePageFrameOpen(PageFile& page, LayoutKind layout) {
  PrintLines(page, kFrameOpen);
  if (layout == LayoutKind::ListLayout) PrintLines(page, kBandOpen);
}

void WritePrintLinkRow(PageFile& page, const std::array<std::string, 3>& hint_lines,
                       std::string_view middle_cell_text, LayoutKind layout) {
  const std::string indent(12, ' ');
  PrintLines(page, kPrintRowOpen);
  page.Print(indent + "<td width=\"33%\" height=\"39\"><font face=\"Arial\" size=\"1\">" + hint_lines[0]);
  page.Print(indent + hint_lines[1]);
  page.Print(indent + hint_lines[2]);
  page.Print(indent + "<td width=\"33%\" height=\"39\">");
  page.Print(indent + "<p align=\"center\">" + std::string(middle_cell_text) + "</td>");
  PrintLines(page, kPrintLink);
  page.Print(std::string(layout == LayoutKind::ListLayout ? 10 : 8, ' ') + "</table>");
  PrintLines(page, kPrintRowClose);
}

void WriteItemTableOpen(PageFile& page) { PrintLines(page, kItemTableOpen); }

void WriteItemBlock(PageFile& page, std::string_view title, std::string_view submitted_by,
                    std::string_view date_text, std::string_view body,
                    const std::vector<std::string>& detail_insert) {
  page.Print("    <tr>");
  page.Print("      <td width=\"50%\" bgcolor=\"#9999FF\"><b><font face=\"Arial\">" + std::string(title) +
             "</font></b></td>");
  page.Print("      <td width=\"50%\" bgcolor=\"#CCCCCC\">");
  page.Print("      <p align=\"right\"><i><font face=\"Arial\" size=\"2\">Submitted by: " +
             std::string(submitted_by) + " on " + std::string(date_text) + "</font></i></td>");
  PrintLines(page, kItemRow2);
  for (const std::string& line : detail_insert) page.Print(line);
  page.Print("      <blockquote>");
  page.Print("        <p><font face=\"Arial\" size=\"2\">" + LinkFirstUrl(body) + "</font>");
  PrintLines(page, kItemEnd);
}

void WriteItemTableClose(PageFile& page, std::string_view editor_note) {
  PrintLines(page, kItemTableClose);
  page.Print(editor_note);
  page.Print("");
}

void WritePageClose(PageFile& page, std::string_view trailing_note) {
  PrintLines(page, kPageClose1);
  if (!trailing_note.empty()) page.Print(trailing_note);
  PrintLines(page, kPageClose2);
}

std::string LinkFirstUrl(std::string_view text) {
  long p = vb::InStr(1, text, "http://");
  if (p == 0) p = vb::InStr(1, text, "file://");
  if (p == 0) return std::string(text);
  const long q = vb::InStr(p, text, " ");
  const std::string before = vb::Left(text, p - 1);
  const std::string url = q == 0 ? vb::Mid(text, p) : vb::Mid(text, p, q - p);
  std::string href;
  for (char c : url) href += c == '"' ? std::string("%22") : std::string(1, c);
  if (q == 0) return before + "<a target=\"_blank\" href=\"" + href + "\">" + url + "</a>";
  return before + "<a target=\"_blank\" href=\"" + href + "\" > " + url + "</a>" +
         vb::RTrim(vb::Mid(text, q));
}

bool PageRunErrorRule::Step(const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const vb::Error& error) {
    if (!IsFileError(error.number())) Stop(error.number());
    return false;
  }
}

void PageRunErrorRule::Stop(int number) {
  vb::MsgBox(ErrorCodeText(number, " detected during refresh."), vb::vbOKOnly);
  vb::End();
}

}  // namespace common
