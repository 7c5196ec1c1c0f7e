// Where a copy goes in a student's folder: the destination paths of the
// file and folder copies, built below the site root.
#pragma once

#include <string>
#include <vector>

#include "topics/copy_form.h"
#include "topics/site.h"
#include "topics/variant.h"

namespace topics {

// The destination folder as the confirmation shows it: the primary tool's
// CopySubfolder ("" or "work\" ...) or the high-school tool's
// SubjectFolderPart ("<folder>\").
std::string DestinationPart(Variant variant, const std::vector<std::string>& subject_folders,
                            const CopyForm& form);

// <site root><year>\<level>\<class>\<student>\ with the site's separator.
std::string StudentFolderPath(const TopicsSite& site, const StudentRecord& r);

// The file copy's destination: the student folder, the sub-folder (primary
// tool, plain copy only) or the subject folder, then "<topic>.htm" or the
// file's own name.
std::string FileDestination(Variant variant, const TopicsSite& site, const CopyForm& form,
                            const StudentRecord& r);

// The opened folder's last name with a separator before it, cut to 50
// characters and trailing blanks removed ("\maths"; a drive root gives "\").
std::string CopiedFolderName(const std::string& opened_folder, char separator);

// The folder copy's destination folder (no separator at the end).
std::string FolderDestination(Variant variant, const TopicsSite& site, const CopyForm& form,
                              const StudentRecord& r);

}  // namespace topics
