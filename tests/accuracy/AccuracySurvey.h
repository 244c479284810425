#pragma once
// How far the values Tessaly shows lie from the real Moon: fixed
// pseudo-random moments and places (1900 to 2100, latitudes up to 62
// degrees), each calculated through the window's own Calculate, read back
// from the texts shown, and compared with the full lunar theory.
#include <string>
#include <vector>

namespace tessaly::accuracy {

struct Quantity {
  std::string name;
  std::string unit;          // as shown after the figures, for example "′"
  int decimals;              // of the figures in the table
  std::vector<double> gaps;  // absolute differences, one per comparison
  double median() const;
  double max() const;
};

struct Survey {
  int moments = 0;
  std::vector<Quantity> quantities;
  int lowerCulminationDates = 0;  // dates on which a lower culmination occurs
  int lowerCulminationsFound = 0;  // of those, the dates on which one is shown
  int phasesNotBracketing = 0;     // moments whose two phases are not the previous and the next
  int eventsWithoutCrossing = 0;   // shown events with no real crossing near them
  const Quantity& quantity(const std::string& name) const;
};

Survey runSurvey(int moments);

// The survey as a Markdown table with the counts below it.
std::string markdownTable(const Survey& survey);

}  // namespace tessaly::accuracy
