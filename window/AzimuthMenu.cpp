// The azimuth reference: from north 0-360, from south 0-360, from south
// -180..+180. Rise and set azimuths follow at once, the current azimuth at
// the next calculation.
#include "window/MainForm.h"

namespace tessaly {

void MainForm::me1_12_Click() {
  state_.AzimShift = 0;
  checkOnly("me1_12", {"me1_13", "me1_14"});
  engine_.RISESETCULM();
  resultsShown();
}

void MainForm::me1_13_Click() {
  state_.AzimShift = 180;
  checkOnly("me1_13", {"me1_12", "me1_14"});
  engine_.RISESETCULM();
  resultsShown();
}

void MainForm::me1_14_Click() {
  state_.AzimShift = -180;
  checkOnly("me1_14", {"me1_13", "me1_12"});
  engine_.RISESETCULM();
  resultsShown();
}

}  // namespace tessaly
