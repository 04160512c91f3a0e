// An engine header that reaches up into a window: the layer check must name it.
#pragma once
#include "ui/main_window.h"
