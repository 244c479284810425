#pragma once
// A page of the almanac on paper: the title, the line naming the place and
// zone, then the table's lines in a fixed font as large as the room allows,
// or a widget's picture scaled into the room.
#include <QPagedPaintDevice>
#include <QWidget>

#include "almanac/PrintPage.h"

namespace tessaly::qtview {

// `picture` may be null; it is drawn when the page has no lines. False when
// the device could not be painted on (a file that cannot be written).
bool paintPage(QPagedPaintDevice& device, const almanac::PrintPage& page, QWidget* picture);

}  // namespace tessaly::qtview
