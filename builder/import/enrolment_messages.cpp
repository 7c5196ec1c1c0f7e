#include "builder/import/enrolment_messages.h"

#include "platform/text.h"

namespace builder {

namespace {

// The line break of the school format's long message: LF, then CR.
constexpr std::string_view kBreak = "\n\r";

}  // namespace

std::string NoPreferredNameLine(EnrolmentFormat format, const std::string& surname) {
  const std::string source = format == EnrolmentFormat::School ? "In your school.csv file, "
                                                               : "In your school admin system, ";
  return source + surname + " does not have a preferred name entered.";
}

std::string ShortExportMessage(EnrolmentFormat format) {
  if (format == EnrolmentFormat::School) {
    return "It appears that school.csv file has not been exported from your school admin system "
           "correctly.  Orvane will now close.";
  }
  return "It appears that StudentsRecord.csv file has not been exported from Vantel Console "
         "correctly.  Orvane will now close.";
}

std::string MissingExportMessage(EnrolmentFormat format) {
  if (format == EnrolmentFormat::School) {
    std::string text =
        "It appears that you have not exported student details from your school admin system and "
        "placed the school.csv file in the OrvaneSetup folder.  Please do that first.  "
        "The school.csv file should be a plain text file consisting of your students' details in "
        "alphabetical order.  The required fields are Surname, Given Name, Grade, Class - eg.";
    text += kBreak;
    text += kBreak;
    for (const char* example :
         {"Smith, Jane, 6, 6WAY", "Brown, Tom, 4, 4GER", "Nguyen, Linh, 3, 3TIN - and so on"}) {
      text += example;
      text += kBreak;
    }
    text += kBreak;
    text += "Orvane will now close.";
    return text;
  }
  return "It appears that you have not exported student details from Vantel Console and placed "
         "the StudentsRecord.csv file in the OrvaneSetup folder.  Please do that first.  Orvane "
         "will now close.";
}

std::string FloppyMessage(EnrolmentFormat format) {
  const std::string name = format == EnrolmentFormat::School ? "school.csv" : "StudentsRecord.csv";
  return "The Orvane floppy disk with your exported " + name +
         " file is not in the floppy drive.  Please insert it then click OK.";
}

std::string BadSectorsMessage() {
  return "It appears that the floppy disk has developed some bad sectors or the drive needs "
         "cleaning.  Orvane will now close.";
}

std::string UnexpectedErrorMessage(int number) {
  return "An Error Code " + vb::Str(number) + " has occurred.  Please contact Ondrel Venth at " +
         std::string(kSupportAddress) +
         " reporting the problem and what you were trying to do.  Orvane will now close.";
}

}  // namespace builder
