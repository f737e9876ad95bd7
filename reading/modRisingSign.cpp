#include "modRisingSign.h"

#include "ZodiacSign.h"

namespace kelt::modRisingSign {

namespace {

using Row = std::array<std::string_view, 12>;

// One row per slot in table order; columns are the Sun signs Aries to Pisces.
constexpr std::array<Row, 12> Grid = {{
    {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius",
     "Capricorn", "Aquarius", "Pisces"},
    {"Pisces", "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
     "Sagittarius", "Capricorn", "Aquarius"},
    {"Aquarius", "Pisces", "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
     "Scorpio", "Sagittarius", "Capricorn"},
    {"Capricorn", "Aquarius", "Pisces", "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
     "Libra", "Scorpio", "Sagittarius"},
    {"Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries", "Taurus", "Gemini", "Cancer", "Leo",
     "Virgo", "Libra", "Scorpio"},
    {"Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries", "Taurus", "Gemini",
     "Cancer", "Leo", "Virgo", "Libra"},
    {"Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries", "Taurus",
     "Gemini", "Cancer", "Leo", "Virgo"},
    {"Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries",
     "Taurus", "Gemini", "Cancer", "Leo"},
    {"Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries",
     "Taurus", "Gemini", "Cancer"},
    {"Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
     "Aries", "Taurus", "Gemini"},
    {"Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius",
     "Pisces", "Aries", "Taurus"},
    {"Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn",
     "Aquarius", "Pisces", "Aries"},
}};

} // namespace

const std::array<std::string, EntryCount> &RisingSignKeys()
{
    static const std::array<std::string, EntryCount> keys = [] {
        std::array<std::string, EntryCount> k;
        for (std::size_t slot = 0; slot < TimeSlots.size(); ++slot)
            for (std::size_t sign = 0; sign < ZodiacSigns.size(); ++sign)
                k[12 * slot + sign] =
                    std::string(ZodiacSigns[sign]) + "-" + std::string(TimeSlots[slot]);
        return k;
    }();
    return keys;
}

const std::array<std::string_view, EntryCount> &RisingSignResults()
{
    static const std::array<std::string_view, EntryCount> results = [] {
        std::array<std::string_view, EntryCount> r;
        for (std::size_t slot = 0; slot < Grid.size(); ++slot)
            for (std::size_t sign = 0; sign < 12; ++sign)
                r[12 * slot + sign] = Grid[slot][sign];
        return r;
    }();
    return results;
}

void FindRisingSign(ReadingState &state)
{
    const auto &keys = RisingSignKeys();
    const auto &results = RisingSignResults();
    // Keys are unique, so a plain scan finds at most one entry.
    for (std::size_t i = 0; i < EntryCount; ++i) {
        if (keys[i] == state.RisingSignKey) {
            state.RisingSign = std::string(results[i]);
            return;
        }
    }
}

} // namespace kelt::modRisingSign
