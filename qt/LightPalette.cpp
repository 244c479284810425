#include "qt/LightPalette.h"

namespace tessaly::qtview {

QPalette lightPalette(const QColor& ground) {
  // The toolkit's own palette of one colour sets the ground, text, boxes
  // and bevels; the roles it leaves to the default palette, which may be a
  // dark theme's, are set here.
  QPalette palette(ground);
  const QColor selection(0x30, 0x74, 0xC6), link(0x0B, 0x50, 0xB0), faint(0x5E, 0x5E, 0x5E);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Highlight, selection);
    palette.setColor(group, QPalette::HighlightedText, Qt::white);
    palette.setColor(group, QPalette::Link, link);
    palette.setColor(group, QPalette::LinkVisited, link.darker(130));
    palette.setColor(group, QPalette::AlternateBase, ground.lighter(110));
    palette.setColor(group, QPalette::PlaceholderText, faint);
    palette.setColor(group, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
    palette.setColor(group, QPalette::ToolTipText, Qt::black);
    palette.setColor(group, QPalette::BrightText, Qt::white);
  }
  // Disabled texts at more than 4.5:1 against the ground: the place is
  // locked in real-time tracking, not hidden.
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
    palette.setColor(QPalette::Disabled, role, faint);
  palette.setColor(QPalette::Disabled, QPalette::Highlight, ground.darker(130));
  palette.setColor(QPalette::Disabled, QPalette::HighlightedText, Qt::black);
  return palette;
}

}  // namespace tessaly::qtview
