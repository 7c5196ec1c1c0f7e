// Content that the teacher's news page and the topic pages of both layouts
// share: the hint on editing the page, and the evaluation table.
#pragma once

#include "site/page_frame.h"

namespace site {

// Seven lines; the paragraph is left open for the next one to close.
void EditHintParagraph(PageFrameWriter& frame);

// `count` empty centred paragraphs, left open like the hint.
void EmptyParagraphs(PageFrameWriter& frame, int count);

// Two rows for the student's and the teacher's evaluation, in fixed colours.
void EvaluationTable(PageFrameWriter& frame);

}  // namespace site
