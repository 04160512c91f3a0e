// A window may include anything.
#pragma once
#include "scan/walk.h"
