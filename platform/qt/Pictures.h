#pragma once

#include "platform/controls/ImageList.h"

#include <QHash>
#include <QIcon>
#include <QPixmap>

#include <string_view>

namespace veltrano::qt {

// The 16 x 16 pictures of the image lists, drawn at start-up. An unknown key gets a plain frame
// so that a missing picture shows instead of leaving a hole.
QPixmap DrawButtonPicture(std::string_view key);
QPixmap DrawNodePicture(std::string_view key);

// One icon per key of an image list, drawn by `draw`.
QHash<QString, QIcon> IconsFor(const controls::ImageList& list,
                               QPixmap (*draw)(std::string_view key));

} // namespace veltrano::qt
