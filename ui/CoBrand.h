#pragma once

namespace kelt {

class frmMain;

// r * 6 + 1 rounded half to even: 1 to 7.
int CoBrandNumber(double r);

// Once per start: which bottom-banner label of the birth-details window lies in front.
void CoBrand_Randomize(frmMain &window);
int LastCoBrandNumber();

} // namespace kelt
