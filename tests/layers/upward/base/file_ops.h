// A ground helper that reaches up into an engine: the layer check must name it.
#pragma once
#include "platform/find.h"
#include "scan/walk.h"
