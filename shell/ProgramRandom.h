#pragma once

#include <QtGlobal>

#include <functional>

namespace kelt {

// The program-wide pseudo-random generator: values in [0, 1), seeded from the clock.
class ProgramRandom
{
public:
    static void seedFromClock();
    static void seed(quint64 seed);
    static double next();

    // Tests replace the clock that seeds the generator, to make draws repeatable.
    static void setClockSeedSource(std::function<quint64()> source);
};

} // namespace kelt
