// The page writers of the subject-based layout: a student's home page, one
// index page per subject group and each group's topic pages.
#pragma once

#include "site/build_run.h"

namespace subjects {

// Writes the subject home page of the student or master in the current folder
// with its subject, work, images and powerpoints folders; in preview mode
// (PreviewMode 1) it writes only the page named by OpenFile.
void WriteStudentHomePage(site::BuildRun& run);

// Writes index.htm in each subject folder of the current student or master.
void WriteSubjectPages(site::BuildRun& run);

// Writes topic1.htm .. topicT.htm in each subject folder.
void WriteTopicPages(site::BuildRun& run);

}  // namespace subjects
