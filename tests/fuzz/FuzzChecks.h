#pragma once
// What every fuzz target insists on after driving the window: no value field
// shows a not-a-number or an infinity.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "window/WindowFields.h"
#include "window/WindowModel.h"

namespace tessaly::fuzz {

inline void requireFiniteValueFields(const WindowModel& model) {
  for (const ElementSpec& e : windowElements()) {
    if (e.kind != ElementKind::Value) continue;
    const std::string text = model.text(e.name);
    for (std::string_view bad : {"nan", "inf", "NAN", "INF"}) {
      if (text.find(bad) != std::string::npos) {
        std::fprintf(stderr, "%.*s shows \"%s\"\n", int(e.name.size()), e.name.data(), text.c_str());
        std::abort();
      }
    }
  }
}

}  // namespace tessaly::fuzz
