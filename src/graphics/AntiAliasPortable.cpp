#include "graphics/AntiAlias.h"

const TacAntiAliasPainter& AntiAliasPainter() { return PortableAntiAliasPainter(); }
