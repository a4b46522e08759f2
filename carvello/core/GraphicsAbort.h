#pragma once

namespace carvello {

// Thrown by a coder when its progress function asks it to stop.
class GraphicsAbort {};

}  // namespace carvello
