// The version of trellis these headers belong to. The build reads its version from here.
#pragma once

#define TRELLIS_VERSION_MAJOR 0  // incompatible changes of the interface
#define TRELLIS_VERSION_MINOR 1  // additions that keep the interface compatible
#define TRELLIS_VERSION_PATCH 0  // fixes

// The version as "MAJOR.MINOR.PATCH".
#define TRELLIS_VERSION_STRING "0.1.0"
