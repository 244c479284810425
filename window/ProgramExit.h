#pragma once

namespace tessaly {

// Ends the program at once, closing every window; nothing is saved.
class ProgramExit {
 public:
  virtual ~ProgramExit() = default;
  virtual void endProgram() = 0;
};

}  // namespace tessaly
