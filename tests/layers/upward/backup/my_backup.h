// An engine that uses a lower engine and the ground: allowed.
#pragma once
#include "base/file_ops.h"
