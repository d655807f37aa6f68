// The recording interface through which elements describe their drawing.
#include "trellis/gui/DrawRecorder.h"

namespace trellis {

DrawRecorder::~DrawRecorder() = default;

}  // namespace trellis
