#include "gfx/draw_path.h"

DrawPath drawPath = DrawPath::Batched;
