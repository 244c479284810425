#pragma once
// A page of the almanac as a one-page PDF, drawn with cairo so that the
// command line needs no window toolkit.
#include <string>

#include "almanac/PrintPage.h"

namespace tessaly::cli {

enum class Paper { A4, Letter };

// Landscape, the table's text as large as the paper allows. Returns the
// reason the file could not be written, or an empty text.
std::string writePagePdf(const std::string& path, const almanac::PrintPage& page, Paper paper);

}  // namespace tessaly::cli
