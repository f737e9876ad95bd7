// The sky's formulas for tests/sky_reference.py: one birth per line in, "unix-seconds
// latitude longitude", and the quantities that the references give, one line out each.
#include "Sky.h"

#include <cstdio>

int main()
{
    using namespace kelt::sky;
    long long t = 0;
    double latitude = 0, longitude = 0;
    while (std::scanf("%lld %lf %lf", &t, &latitude, &longitude) == 3) {
        const double jd = JulianDayUt(t);
        const double c = CenturiesSinceJ2000(jd);
        const NutationDeg nutation = NutationShortSeriesDeg(c);
        const double mean = GreenwichMeanSiderealDeg(jd);
        const double obliquity = MeanObliquityDeg(c);
        const double apparent =
            ApparentSiderealDeg(mean, nutation.longitude, obliquity + nutation.obliquity);
        // The plain formula too, to count the births the midheaven check turns round.
        const double plain = AscendantDeg(LocalSiderealDeg(apparent, longitude),
                                          obliquity + nutation.obliquity, latitude);
        std::printf("%.12f %.12f %.12f %.12f %.12f %.12f %.12f\n", mean, obliquity,
                    nutation.longitude, nutation.obliquity, apparent,
                    AscendantAtDeg(t, latitude, longitude), plain);
    }
}
