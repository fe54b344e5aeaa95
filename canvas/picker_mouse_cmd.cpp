#include "canvas/picker_mouse_cmd.h"

picker_mouse_cmd::~picker_mouse_cmd() = default;
