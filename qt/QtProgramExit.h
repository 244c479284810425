#pragma once
#include "window/ProgramExit.h"

namespace tessaly::qtview {

// Closes every window and leaves the event loop; nothing is saved.
class QtProgramExit : public ProgramExit {
 public:
  void endProgram() override;

 private:
  // Closing the main window itself asks to end the program; that request,
  // arriving while the windows are being closed, must not start over.
  bool ending_ = false;
};

}  // namespace tessaly::qtview
