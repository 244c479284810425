#pragma once
// Places on the command line: --place takes the best match's coordinates
// and named zone, --places lists the matches; without any zone option the
// zone the window was saved linked to is used, as the window would.
#include <ostream>

#include "app/CliOptions.h"

namespace tessaly::cli {

// Fills --lon, --lat and --tz from --place where they are not given, and
// --tz from the saved linked zone where no zone is given at all. Throws
// a usage error naming --place for a place the gazetteer lacks.
void applyPlace(Options& options);

// The towns matching --places, best first, one per line: name, region,
// country, latitude, longitude (as --lat and --lon take them) and zone,
// separated by tabs. Throws a usage error naming --places when none
// matches.
void listPlaces(const Options& options, std::ostream& out);

}  // namespace tessaly::cli
