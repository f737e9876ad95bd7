#include "TownList.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <map>
#include <string>

namespace kelt {

namespace {

struct Fold
{
    char32_t code;
    std::string_view text;
};

// Latin, Greek and Cyrillic letters with their folded spelling, and the marks dropped.
constexpr Fold FoldTable[] = {
#include "SearchFold.inc"
};

// The table's ASCII part as a lookup; each of its entries folds to one character.
constexpr std::array<char, 128> AsciiFold = [] {
    std::array<char, 128> fold{};
    for (std::size_t c = 0; c < fold.size(); ++c)
        fold[c] = static_cast<char>(c);
    for (const Fold &f : FoldTable)
        if (f.code < fold.size())
            // A longer one stops the build: the lookup holds one character each.
            fold[f.code] = f.text.size() == 1 ? f.text[0] : throw "ASCII folds to one character";
    return fold;
}();

// One code point of UTF-8 from the front of the text; a byte that starts none stands for
// itself.
char32_t TakeCodePoint(std::string_view &text, std::string_view &bytes)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80         ? 1
                               : lead >> 5 == 0x6  ? 2
                               : lead >> 4 == 0xE  ? 3
                               : lead >> 3 == 0x1E ? 4
                                                   : 0;
    bool valid = length != 0 && length <= text.size();
    char32_t code = length == 1   ? lead
                    : length == 2 ? lead & 0x1F
                    : length == 3 ? lead & 0x0F
                                  : lead & 0x07;
    for (std::size_t i = 1; valid && i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        valid = next >> 6 == 0x2;
        code = code << 6 | (next & 0x3F);
    }
    const std::size_t used = valid ? length : 1;
    bytes = text.substr(0, used);
    text.remove_prefix(used);
    return valid ? code : std::numeric_limits<char32_t>::max();
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> Fields(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t end = line.find(separator);
        fields.push_back(line.substr(0, end));
        if (end == std::string_view::npos)
            return fields;
        line.remove_prefix(end + 1);
    }
}

template <typename Number> bool Read(std::string_view text, Number &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::string FoldedForSearch(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    while (!text.empty()) {
        // Most names are plain ASCII, folded by a lookup made from the table.
        const auto c = static_cast<unsigned char>(text.front());
        if (c < 0x80) {
            folded += AsciiFold[c];
            text.remove_prefix(1);
            continue;
        }
        std::string_view bytes;
        const char32_t code = TakeCodePoint(text, bytes);
        const auto it = std::lower_bound(std::begin(FoldTable), std::end(FoldTable), code,
                                         [](const Fold &f, char32_t c) { return f.code < c; });
        if (it != std::end(FoldTable) && it->code == code)
            folded += it->text;
        else
            folded += bytes;
    }
    return folded;
}

TownList::Span TownList::Keep(std::string_view text)
{
    const Span span{static_cast<std::uint32_t>(text_.size()),
                    static_cast<std::uint32_t>(text.size())};
    text_ += text;
    return span;
}

TownList TownList::Parse(std::string_view data)
{
    TownList list;
    list.text_.reserve(data.size() * 2);
    list.regions_.push_back({});
    std::map<std::string, std::uint16_t, std::less<>> countryIndex;
    std::map<std::string, std::uint16_t, std::less<>> regionIndex;
    const auto named = [&list](std::string_view name, std::string_view code) {
        const Span n = list.Keep(name);
        const Span f = list.Keep(FoldedForSearch(name));
        const Span c = list.Keep(code);
        return Named{n, f, c, list.Keep(FoldedForSearch(code))};
    };
    constexpr std::size_t Most = std::numeric_limits<std::uint16_t>::max();

    for (std::string_view line : Fields(data, '\n')) {
        const std::vector<std::string_view> f = Fields(line, '\t');
        if (f[0] == "C" && f.size() == 3 && list.countries_.size() < Most) {
            countryIndex.emplace(f[1], static_cast<std::uint16_t>(list.countries_.size()));
            list.countries_.push_back(named(f[2], f[1]));
        } else if (f[0] == "R" && f.size() == 3 && list.regions_.size() < Most) {
            regionIndex.emplace(f[1], static_cast<std::uint16_t>(list.regions_.size()));
            list.regions_.push_back(named(f[2], {}));
        } else if (f[0] == "Z" && f.size() == 2 && list.zones_.size() < Most) {
            list.zones_.push_back(list.Keep(f[1]));
        } else if (f[0] == "T" && f.size() >= 8) {
            Entry e;
            std::size_t zone = 0;
            const auto country = countryIndex.find(f[2]);
            if (country == countryIndex.end() || !Read(f[4], e.latitudeDeg) ||
                !Read(f[5], e.longitudeDeg) || !Read(f[6], e.population) || !Read(f[7], zone) ||
                zone >= list.zones_.size())
                continue;
            e.country = country->second;
            const auto region = regionIndex.find(std::string(f[2]) + '.' + std::string(f[3]));
            e.region = region == regionIndex.end() ? 0 : region->second;
            e.zone = static_cast<std::uint16_t>(zone);
            e.name = list.Keep(f[1]);
            e.folded = list.Keep(FoldedForSearch(f[1]));
            e.detail = list.Keep(f.size() > 8 ? f[8] : std::string_view());
            e.asciiFolded = list.Keep(f.size() > 9 ? FoldedForSearch(f[9]) : std::string());
            list.towns_.push_back(e);
        }
    }
    list.text_.shrink_to_fit();
    return list;
}

Town TownList::At(std::size_t index) const
{
    const Entry &e = towns_.at(index);
    const Named &country = countries_[e.country];
    return {View(e.name),   View(regions_[e.region].name), View(country.name), View(country.code),
            View(e.detail), View(zones_[e.zone]),          e.latitudeDeg,      e.longitudeDeg,
            e.population};
}

std::string TownList::Label(std::size_t index) const
{
    const Town town = At(index);
    std::string label(town.name);
    if (!town.region.empty())
        (label += ", ") += town.region;
    (label += ", ") += town.country;
    if (!town.detail.empty())
        ((label += " (") += town.detail) += ')';
    return label;
}

bool TownList::PartNames(const Entry &town, std::string_view part, bool prefix) const
{
    const auto names = [part, prefix](std::string_view folded) {
        return prefix ? folded.starts_with(part) : folded == part;
    };
    const Named &country = countries_[town.country];
    return (town.region != 0 && names(View(regions_[town.region].folded))) ||
           names(View(country.folded)) || names(View(country.foldedCode)) ||
           (town.detail.size != 0 && names(FoldedForSearch(View(town.detail))));
}

std::vector<std::size_t> TownList::Search(std::string_view typed, std::size_t limit) const
{
    // "Paris, tex" narrows the towns named Paris to those whose region or country begins so.
    std::vector<std::string> parts;
    for (std::string_view part : Fields(typed, ','))
        parts.push_back(FoldedForSearch(Trimmed(part)));
    std::vector<std::size_t> found;
    if (parts.front().empty())
        return found;
    for (std::size_t i = 0; i < towns_.size() && found.size() < limit; ++i) {
        const Entry &town = towns_[i];
        if (!View(town.folded).starts_with(parts.front()) &&
            (town.asciiFolded.size == 0 || !View(town.asciiFolded).starts_with(parts.front())))
            continue;
        if (std::all_of(parts.begin() + 1, parts.end(), [&](const std::string &part) {
                return part.empty() || PartNames(town, part, true);
            }))
            found.push_back(i);
    }
    return found;
}

PlaceMatch TownList::Match(const std::vector<std::string> &parts, std::string_view detail) const
{
    PlaceMatch match;
    for (std::size_t i = 0; i < towns_.size(); ++i) {
        const Entry &town = towns_[i];
        if (View(town.folded) != parts.front() && View(town.asciiFolded) != parts.front())
            continue;
        if (!detail.empty() && FoldedForSearch(View(town.detail)) != detail)
            continue;
        if (std::all_of(parts.begin() + 1, parts.end(),
                        [&](const std::string &part) { return PartNames(town, part, false); }))
            match.towns.push_back(i);
    }
    match.kind = match.towns.empty()       ? PlaceMatch::Kind::Unknown
                 : match.towns.size() == 1 ? PlaceMatch::Kind::Found
                                           : PlaceMatch::Kind::Ambiguous;
    return match;
}

PlaceMatch TownList::Find(std::string_view place) const
{
    std::vector<std::string> parts;
    for (std::string_view part : Fields(place, ','))
        parts.push_back(FoldedForSearch(Trimmed(part)));
    if (parts.front().empty())
        return {};
    PlaceMatch match = Match(parts, {});
    // A label's district in brackets at its end: "Mülheim, ..., Germany (Regierungsbezirk Köln)".
    std::string &last = parts.back();
    const std::size_t open = last.rfind(" (");
    if (match.kind == PlaceMatch::Kind::Unknown && last.ends_with(')') &&
        open != std::string::npos) {
        const std::string detail = last.substr(open + 2, last.size() - open - 3);
        last.erase(open);
        match = Match(parts, detail);
    }
    return match;
}

} // namespace kelt
