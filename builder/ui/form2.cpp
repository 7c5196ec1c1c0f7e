#include "builder/ui/form2.h"

#include <QLabel>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "platform/qt/widgets.h"

namespace builder {

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
  vb::FitTextHeights(this);
}

void Form2::Show() {
  show();
  raise();
  vb::RepaintNow(this);
}

void Form2::Hide() { hide(); }

void Form2::SetLabel1(const std::string& text) { Label1->setText(vb::ToQt(text)); }

void Form2::SetLabel3(const std::string& text) { Label3->setText(vb::ToQt(text)); }

void Form2::Repaint() { vb::RepaintNow(this); }

}  // namespace builder
