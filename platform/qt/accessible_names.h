// Names the controls that take input for assistive tools such as screen
// readers, by the caption that labels them on screen.
#pragma once

class QString;
class QWidget;

namespace vb {

// Gives `control` the name a screen reader speaks for it. A combo box is then
// spoken by that name, not by the text it shows.
void NameForScreenReaders(QWidget* control, const QString& name);

}  // namespace vb
