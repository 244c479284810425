// Compiled by the suite twice: as it stands, and with a misspelt element
// name, which must not compile.
#include "window/ElementName.h"

#ifdef TESSALY_MISSPELT
constexpr tessaly::ElementName kName = "DateDya";
#else
constexpr tessaly::ElementName kName = "DateDay";
#endif

int main() { return static_cast<int>(kName.index()); }
