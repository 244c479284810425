// Prints the accuracy survey as the Markdown table of the README.
#include <iostream>

#include "tools/accuracy/AccuracySurvey.h"

int main() {
  std::cout << tessaly::accuracy::markdownTable(tessaly::accuracy::runSurvey(300));
  return 0;
}
