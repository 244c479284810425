#pragma once
// How assistive tools see the window's date boxes, one-row lists and value
// labels, and the picture, chart and window the program adds.

namespace tessaly::qtview {

// Qt names a drop-down list after its current entry and a label after its
// text. Once this is installed, a box, list or label given an accessible
// name speaks that name, and its text or entry becomes its value.
void installAccessibleFields();

}  // namespace tessaly::qtview
