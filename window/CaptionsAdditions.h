#pragma once
// Captions of what the program adds to the main window: the Almanac menu
// and window, the day chart, the picture of the lit Moon, the Place menu
// and its dialog. They switch language with the window's own captions.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "window/Captions.h"
#include "window/WindowModel.h"

namespace tessaly {

std::span<const CaptionRow> additionCaptions();

// The caption of one control.
std::string_view additionCaption(std::string_view control, Language language);

// A caption with its %1, %2 ... replaced by the values in order.
std::string filledCaption(std::string_view pattern, std::initializer_list<std::string_view> values);

// The language in force, read off the window's captions the way the About
// item reads it.
Language languageInForce(const WindowModel& window);

}  // namespace tessaly
