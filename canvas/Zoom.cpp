#include "canvas/Zoom.h"

namespace mimora {

long long ZoomedSide(int side, double factor)
{
    // Truncation, not rounding: 218 * 1.1 = 239.8 gives 239.
    return static_cast<long long>(static_cast<double>(side) * factor);
}

} // namespace mimora
