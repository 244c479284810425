#pragma once
// The model holds UTF-8 texts; Qt holds QStrings.
#include <QString>
#include <string>
#include <string_view>

namespace tessaly::qtview {

inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) { return text.toStdString(); }

}  // namespace tessaly::qtview
