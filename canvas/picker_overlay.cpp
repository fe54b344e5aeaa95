#include "canvas/picker_overlay.h"

picker_overlay::~picker_overlay() = default;
