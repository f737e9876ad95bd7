#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelt {

// An instant: seconds since 1970-01-01 00:00 UT, leap seconds not counted.
using UtSeconds = std::int64_t;
// A wall-clock reading counted the same way from the clock's own 1970-01-01 00:00.
using LocalSeconds = std::int64_t;

// What a zone's clocks showed against UT at one instant.
struct ZoneOffset
{
    int utcOffsetSeconds = 0; // positive east of Greenwich
    bool daylight = false;
    // The zone's "LMT" entry: the mean time of its main town, before it kept standard time.
    bool localMeanTime = false;
    std::string abbreviation;
};

// One way of reading a wall clock: the instant it stands for and the offset taken.
struct ClockReading
{
    UtSeconds ut = 0;
    ZoneOffset offset;
};

// A wall-clock reading resolved to UT. Unique: `earlier` is the one answer, `later` the
// same. Gap (the clocks jumped over it) and Repeated (the clocks went back and showed it
// twice): `earlier` takes the offset in force before the change (in a repeated hour, the
// first time the clock showed it), `later` the offset after it.
struct LocalTimeResolution
{
    enum class Kind
    {
        Unique,
        Gap,
        Repeated,
    };
    Kind kind = Kind::Unique;
    ClockReading earlier;
    ClockReading later;
};

// The rules of one zone, from a compiled IANA zone file (TZif version 2 or later: the 64-bit
// data, and the POSIX TZ rule of its footer for instants after the last transition).
class ZoneRules
{
public:
    // Nothing when the bytes are not such a file.
    static std::optional<ZoneRules> FromTzif(std::string_view bytes);

    ZoneOffset OffsetAt(UtSeconds ut) const;
    LocalTimeResolution Resolve(LocalSeconds local) const;

private:
    // A kind of local time the zone keeps, and the period [start, end) it held.
    struct LocalType
    {
        int utcOffsetSeconds = 0;
        bool daylight = false;
        std::string abbreviation;
    };
    struct Rule; // the footer's POSIX TZ rule
    struct Period
    {
        UtSeconds start;
        UtSeconds end;
        LocalType type;
    };
    Period PeriodAt(UtSeconds ut) const;
    Period FooterPeriodAt(UtSeconds ut) const;

    std::vector<UtSeconds> transitions_;
    std::vector<std::uint8_t> transitionTypes_;
    std::vector<LocalType> types_;
    std::shared_ptr<const Rule> footer_;
};

// Zones by IANA name, each parsed on first use from the bytes its reader gives.
class ZoneLibrary
{
public:
    using Reader = std::function<std::optional<std::string>(std::string_view name)>;
    explicit ZoneLibrary(Reader reader);

    // Nothing for a name the reader does not know or whose bytes do not parse.
    const ZoneRules *Find(std::string_view name);

private:
    Reader reader_;
    std::map<std::string, std::optional<ZoneRules>, std::less<>> zones_;
};

} // namespace kelt
