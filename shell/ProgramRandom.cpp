#include "ProgramRandom.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <chrono>

namespace kelt {

namespace {

QRandomGenerator &Generator()
{
    static QRandomGenerator generator(1u);
    return generator;
}

std::function<quint64()> &ClockSource()
{
    static std::function<quint64()> source;
    return source;
}

quint64 ClockSeed()
{
    if (ClockSource())
        return ClockSource()();
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    return static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()) ^
           static_cast<quint64>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace

void ProgramRandom::seedFromClock()
{
    seed(ClockSeed());
}

void ProgramRandom::seed(quint64 value)
{
    const quint32 parts[2] = {static_cast<quint32>(value), static_cast<quint32>(value >> 32)};
    Generator() = QRandomGenerator(parts, parts + 2);
}

double ProgramRandom::next()
{
    return Generator().generateDouble();
}

void ProgramRandom::setClockSeedSource(std::function<quint64()> source)
{
    ClockSource() = std::move(source);
}

} // namespace kelt
