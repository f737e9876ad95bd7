#include "CoBrand.h"

#include "frmMain.h"

#include <cmath>

namespace kelt {

namespace {
short intCoBrandRandomNumber = 0;
}

int CoBrandNumber(double r)
{
    // nearbyint rounds to even on halves in the default rounding mode.
    return static_cast<int>(std::nearbyint(r * 6 + 1));
}

int CoBrand_Randomize(frmMain &window, double r)
{
    intCoBrandRandomNumber = static_cast<short>(CoBrandNumber(r));
    switch (intCoBrandRandomNumber) {
    case 1:
    case 3:
    case 5:
        window.bringCobrandToFront();
        break;
    case 2:
    case 4:
    case 6:
        window.bringFullBrandToFront();
        break;
    default:
        break;
    }
    return intCoBrandRandomNumber;
}

} // namespace kelt
