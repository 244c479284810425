#pragma once
// The day chart in words: the hover text of a point of the curve, the
// keyboard's cursor along the curve, and the summary a screen reader
// speaks for the whole chart.
#include <cstddef>
#include <string>

#include "almanacwindow/DayCurve.h"
#include "window/Captions.h"

namespace tessaly {

// "21:30, altitude 35.2°": the time and the altitude Calculate shows.
std::string sampleText(const DaySample& sample, Language language);

// The sample nearest a local time; the day must have samples.
std::size_t nearestSample(const DayCurve& day, double hours);

// The date, each event of the day with its time and azimuth or altitude,
// and where the marker stands.
std::string dayDescription(const DayCurve& day, const DayMoment& moment, Language language);

// The keyboard's place on the curve: one sample, moved a sample or an hour
// at a time, or to either end of the day.
class DayCursor {
 public:
  enum class Step { Back, Forward, HourBack, HourForward, First, Last };

  // A new day puts the cursor at the moment shown; within the same day it
  // stays where the keys left it.
  void follow(const DayCurve& day, const DayMoment& moment);
  void move(Step step, const DayCurve& day);
  std::size_t index() const { return index_; }

 private:
  std::string dateText_;
  std::size_t index_ = 0;
};

}  // namespace tessaly
