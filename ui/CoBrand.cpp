#include "ui/CoBrand.h"

#include "shell/ProgramRandom.h"
#include "ui/frmMain.h"

#include <cfenv>
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

void CoBrand_Randomize(frmMain &window)
{
    intCoBrandRandomNumber = static_cast<short>(CoBrandNumber(ProgramRandom::next()));
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
}

int LastCoBrandNumber()
{
    return intCoBrandRandomNumber;
}

} // namespace kelt
