#pragma once
// How assistive tools see the window's one-row lists and value labels.

namespace tessaly::qtview {

// Qt names a drop-down list after its current entry and a label after its
// text. Once this is installed, a list or label given an accessible name
// speaks that name, and its entry or text becomes its value.
void installAccessibleFields();

}  // namespace tessaly::qtview
