#include "TownList.h"

namespace kelt {

TownList TownList::Parse(std::string_view)
{
    return {};
}

Town TownList::At(std::size_t index) const
{
    const Entry &e = towns_.at(index);
    return {e.name,
            regions_[e.region],
            countries_[e.country].name,
            countries_[e.country].code,
            e.detail,
            zones_[e.zone],
            e.latitudeDeg,
            e.longitudeDeg,
            e.population};
}

std::string TownList::Label(std::size_t index) const
{
    return std::string(At(index).name);
}

std::vector<std::size_t> TownList::Search(std::string_view, std::size_t) const
{
    return {};
}

PlaceMatch TownList::Find(std::string_view) const
{
    return {};
}

std::string FoldedForSearch(std::string_view text)
{
    return std::string(text);
}

} // namespace kelt
