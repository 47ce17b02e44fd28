#pragma once

#include "printing/printlayout.h"

#include <ostream>

namespace velmo::printing {

// Failure messages show a rectangle as {x, y, w, h}.
inline void PrintTo(const MmRect &r, std::ostream *out)
{
    *out << "{" << r.x << ", " << r.y << ", " << r.w << ", " << r.h << "}";
}

}  // namespace velmo::printing
