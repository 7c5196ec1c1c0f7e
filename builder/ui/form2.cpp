#include "builder/ui/form2.h"

#include <QLabel>
#include <QVBoxLayout>
#include <string_view>

#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"

namespace builder {

namespace {

// A label shows the first 200 characters of its text at most: laying out a
// text of megabytes (a name of that length in the export) takes seconds and
// gigabytes, and no more would fit in the window.
QString LabelText(const std::string& text) {
  constexpr size_t kShownCharacters = 200;
  return vb::ToQt(std::string_view(text).substr(0, kShownCharacters));
}

}  // namespace

Form2::Form2() {
  setWindowTitle("Please Wait...");
  Label2 = new QLabel("Ond's Orvane is processing:", this);
  QFont bold = Label2->font();
  bold.setBold(true);
  Label2->setFont(bold);
  Label1 = new QLabel(this);
  Label3 = new QLabel(this);
  Label3->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label2);
  layout->addWidget(Label1);
  layout->addWidget(Label3);
  layout->addStretch();
  setMinimumSize(420, 120);
  vb::FitTextSizes(this);
}

void Form2::Show() {
  show();
  raise();
  vb::RepaintNow(this);
}

void Form2::Hide() { hide(); }

void Form2::SetLabel1(const std::string& text) { Label1->setText(LabelText(text)); }

void Form2::SetLabel3(const std::string& text) { Label3->setText(LabelText(text)); }

void Form2::Repaint() { vb::RepaintNow(this); }

}  // namespace builder
