#pragma once
// Captions of what the program adds to the main window: the Almanac menu
// and window, the day chart, the picture of the lit Moon, the Place menu
// and its dialog. They switch language with the window's own captions.
#include <span>
#include <string_view>

#include "window/Captions.h"
#include "window/WindowModel.h"

namespace tessaly {

std::span<const CaptionRow> additionCaptions();

// The caption of one control.
std::string_view additionCaption(std::string_view control, Language language);

// The language in force, read off the window's captions the way the About
// item reads it.
Language languageInForce(const WindowModel& window);

}  // namespace tessaly
