#include "builder/ui/form1.h"

namespace builder {

// Install: builds the site.
void Form1::Command1_Click() {}

}  // namespace builder
