#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelt {

// A town of the list. The texts point into the list, which must outlive them.
struct Town
{
    std::string_view name;        // "Paris"
    std::string_view region;      // "Île-de-France"; empty where the source names none
    std::string_view country;     // "France"
    std::string_view countryCode; // "FR"
    // Tells apart towns of one name, region and country (their district, or else where
    // they lie); empty for nearly every town.
    std::string_view detail;
    std::string_view zone; // "Europe/Paris"
    double latitudeDeg = 0;
    double longitudeDeg = 0; // positive east of Greenwich
    std::int64_t population = 0;
};

// What a place given as text ("Paris, FR", "Springfield, Illinois, US") names.
struct PlaceMatch
{
    enum class Kind
    {
        Found,     // towns holds the one town
        Unknown,   // no town of that name there
        Ambiguous, // towns holds every candidate, largest first
    };
    Kind kind = Kind::Unknown;
    std::vector<std::size_t> towns;
};

// The towns carried with the program, largest first.
class TownList
{
public:
    static constexpr std::size_t DefaultSearchLimit = 12;

    // From the compact data of content/places (lines that do not parse are left out).
    static TownList Parse(std::string_view data);

    std::size_t size() const { return towns_.size(); }
    Town At(std::size_t index) const;
    // "Paris, Île-de-France, France"; with the detail in brackets at the end where it is
    // needed: "Mülheim, North Rhine-Westphalia, Germany (Regierungsbezirk Köln)".
    std::string Label(std::size_t index) const;

    // The towns whose name begins with the typed letters, case and accents aside, largest
    // first, at most `limit` of them. Nothing for blank text.
    std::vector<std::size_t> Search(std::string_view typed,
                                    std::size_t limit = DefaultSearchLimit) const;

    // The town a text names: its name, then any of its district, region and country (by
    // name or two-letter code), separated by commas; a label of Label() names its own town.
    PlaceMatch Find(std::string_view place) const;

private:
    // A stretch of text_.
    struct Span
    {
        std::uint32_t at = 0;
        std::uint32_t size = 0;
    };
    struct Entry
    {
        Span name;
        Span folded;      // the name as Search compares it
        Span asciiFolded; // GeoNames' ASCII name where it is spelled otherwise ("Zuerich")
        Span detail;
        std::uint16_t region = 0; // 0: none
        std::uint16_t country = 0;
        std::uint16_t zone = 0;
        double latitudeDeg = 0;
        double longitudeDeg = 0;
        std::int64_t population = 0;
    };
    struct Named
    {
        Span name;
        Span folded;
        Span code;       // countries only: "FR"
        Span foldedCode; // "fr"
    };

    std::string_view View(Span span) const { return {text_.data() + span.at, span.size}; }
    Span Keep(std::string_view text);
    bool PartNames(const Entry &town, std::string_view foldedPart, bool prefix) const;
    PlaceMatch Match(const std::vector<std::string> &parts, std::string_view detail) const;

    std::string text_; // every name, once; the spans point into it
    std::vector<Entry> towns_;
    std::vector<Named> regions_; // index 0: none
    std::vector<Named> countries_;
    std::vector<Span> zones_;
};

// Text folded for comparison: lower case, accents and marks dropped, letters such as "ß",
// "æ" and "ł" spelled as "ss", "ae" and "l". UTF-8 in and out.
std::string FoldedForSearch(std::string_view text);

} // namespace kelt
