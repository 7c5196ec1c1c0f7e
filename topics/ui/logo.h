// The topics window's logo picture, drawn rather than shipped.
#pragma once

#include <QPixmap>

namespace topics {

QPixmap TopicsLogo();

}  // namespace topics
