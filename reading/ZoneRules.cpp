#include "ZoneRules.h"

namespace kelt {

struct ZoneRules::Rule
{
};

std::optional<ZoneRules> ZoneRules::FromTzif(std::string_view)
{
    return std::nullopt;
}

ZoneOffset ZoneRules::OffsetAt(UtSeconds) const
{
    return {};
}

LocalTimeResolution ZoneRules::Resolve(LocalSeconds local) const
{
    LocalTimeResolution r;
    r.earlier.ut = r.later.ut = local;
    return r;
}

ZoneLibrary::ZoneLibrary(Reader reader) : reader_(std::move(reader)) {}

const ZoneRules *ZoneLibrary::Find(std::string_view name)
{
    auto it = zones_.find(name);
    if (it == zones_.end()) {
        const std::optional<std::string> bytes = reader_(name);
        it = zones_.emplace(std::string(name), bytes ? ZoneRules::FromTzif(*bytes) : std::nullopt)
                 .first;
    }
    return it->second ? &*it->second : nullptr;
}

} // namespace kelt
