#pragma once
// What every fuzz target insists on after driving the window: no value field
// shows a not-a-number or an infinity.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "window/WindowModel.h"

namespace tessaly::fuzz {

inline void requireFiniteValueFields(const WindowModel& model) {
  for (std::size_t i = 0; i < ElementName::kCount; ++i) {
    const ElementName name = ElementName::at(i);
    if (name.row().kind != ElementKind::Value) continue;
    const std::string& text = model.text(name);
    for (std::string_view bad : {"nan", "inf", "NAN", "INF"}) {
      if (text.find(bad) != std::string::npos) {
        std::fprintf(stderr, "%.*s shows \"%s\"\n", int(name.text().size()), name.text().data(), text.c_str());
        std::abort();
      }
    }
  }
}

}  // namespace tessaly::fuzz
