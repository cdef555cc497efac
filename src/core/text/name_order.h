#pragma once

#include <string_view>

namespace bm::text {

// The order in which the game's home platform lists file and folder names:
// letter case is ignored ("alpha.fed" before "Zeta.fed"), as its file system
// does it (upper-casing, so "_" comes after the letters); names that differ
// only in case keep byte order. Names are Windows-1252 text.
bool namesInOrder(std::string_view a, std::string_view b);

} // namespace bm::text
