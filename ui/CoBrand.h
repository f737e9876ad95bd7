#pragma once

namespace kelt {

class frmMain;

// r * 6 + 1 rounded half to even: 1 to 7.
int CoBrandNumber(double r);

// Once per start, with r drawn from the program's generator: which bottom-banner label of
// the birth-details window lies in front. Returns the number drawn.
int CoBrand_Randomize(frmMain &window, double r);

} // namespace kelt
