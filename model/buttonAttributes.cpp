#include "model/buttonAttributes.h"

// Out of line so that the label and node list are released in one place.
buttonAttributes::~buttonAttributes() = default;
