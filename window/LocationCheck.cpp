#include "window/LocationCheck.h"

#include <limits>
#include <string_view>

#include "engine/NumberReading.h"
#include "engine/NumberText.h"
#include "engine/WholeNumber.h"
#include "window/ElementName.h"
#include "window/Messages.h"

namespace tessaly {
namespace {

// A field's number, or an overflow that its check will reject in its turn.
struct FieldValue {
  double value;
  bool fits;
};

FieldValue readDouble(FieldStore& w, ElementName field) {
  const NumberReading r = readNumber(w.text(field.text()));
  if (r.overflow) return {0, false};
  w.setText(field.text(), numberText(r.value));
  return {r.value, true};
}

FieldValue readSingle(FieldStore& w, ElementName field, float& target) {
  const NumberReading r = readNumber(w.text(field.text()));
  if (r.overflow || std::fabs(r.value) > std::numeric_limits<float>::max()) return {0, false};
  target = single(r.value);
  w.setText(field.text(), numberText(target));
  return {target, true};
}

bool within(const FieldValue& v, double low, double high) {
  return v.fits && v.value >= low && v.value <= high;
}

}  // namespace

bool checkLocation(Engine& engine, MessageSink& messages, double latitudeBound, double zoneHigh) {
  ObservationState& s = engine.state();
  FieldStore& w = engine.fields();
  const FieldValue longDeg = readDouble(w, "LongGrad");
  s.ObsLong = longDeg.value;
  const FieldValue longMin = readSingle(w, "LongMin", s.ObsLongMin);
  const FieldValue latDeg = readDouble(w, "LatGrad");
  s.ObsLat = latDeg.value;
  const FieldValue latMin = readSingle(w, "LatMin", s.ObsLatMin);
  const FieldValue zone = readSingle(w, "Timezon", s.TZone);

  auto fail = [&](const char* text) {
    messages.showMessage(text);
    return false;
  };
  if (!within(zone, -12, zoneHigh)) return fail(messages::kTimezone);
  if (!within(longMin, 0, 59.99f)) return fail(messages::kLongitude);
  if (!within(latMin, 0, 59.99f)) return fail(messages::kLatitude);
  engine.convertObserver();
  if (!longDeg.fits || !within({s.ObsLong, true}, -12, 12)) return fail(messages::kLongitude);
  if (!latDeg.fits || !within({s.ObsLat, true}, -latitudeBound, latitudeBound))
    return fail(messages::kLatitude);
  s.MidFrac = 0.5 - s.TZone / 24.0;
  return true;
}

}  // namespace tessaly
