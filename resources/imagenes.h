// The program's icon and bitmaps, as XPM images.
#pragma once

namespace recursos {

// The XPM lines of icon or bitmap `id`, or null for an id the program does not have.
const char* const* ImagenXpm(int id);

} // namespace recursos
