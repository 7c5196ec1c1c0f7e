#include "site/edit_hint.h"

#include <string>

namespace site {

void EditHintParagraph(PageFrameWriter& frame) {
  frame.Line(16, "<p align=\"center\"><font face=\"" + frame.look().font_face +
                     "\">Create your web page in");
  frame.Line(16, "this cell containing pictures, links to other sites and");
  frame.Line(16, "information you type in or gather from other sources.&nbsp; You");
  frame.Line(16, "can change fonts, the background or whatever you like to make");
  frame.Line(16, "the page the way you'd like it to look.&nbsp; Just keep the top");
  frame.Line(16, "and bottom cells - the ones with the links back to the rest of");
  frame.Line(16, "the school's intranet.</font>");
}

void EmptyParagraphs(PageFrameWriter& frame, int count) {
  for (int i = 0; i < count; ++i) frame.Line(16, "<p align=\"center\">&nbsp;");
}

static void EvaluationRow(PageFrameWriter& frame, const char* label_colour, const char* label,
                          const char* value_colour) {
  frame.Line(20, "<tr>");
  frame.Line(22, std::string("<td width=\"29%\" bgcolor=\"") + label_colour + "\"><font face=\"" +
                     frame.look().font_face + "\" size=\"2\"><b>" + label + "</b></font></td>");
  frame.Line(22, std::string("<td width=\"71%\" bgcolor=\"") + value_colour + "\">&nbsp;</td>");
  frame.Line(20, "</tr>");
}

void EvaluationTable(PageFrameWriter& frame) {
  frame.Line(16, "<div align=\"center\">");
  frame.Line(18, "<table border=\"0\" cellpadding=\"5\" cellspacing=\"5\" width=\"98%\">");
  EvaluationRow(frame, "#6699FF", "Learning Process &amp; Self Evaluation:", "#99CCFF");
  EvaluationRow(frame, "#CC99FF", "Teacher Evaluation:", "#CCCCFF");
  frame.Line(18, "</table>");
  frame.Line(16, "</div>");
}

}  // namespace site
