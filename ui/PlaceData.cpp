#include "PlaceData.h"

#include <QFile>

namespace kelt::content {

const TownList &Towns()
{
    static const TownList towns = [] {
        QFile file(QStringLiteral(":/places/towns.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return TownList();
        const QByteArray data = file.readAll();
        return TownList::Parse(std::string_view(data.constData(), std::size_t(data.size())));
    }();
    return towns;
}

ZoneLibrary &Zones()
{
    static ZoneLibrary zones([](std::string_view name) -> std::optional<std::string> {
        QFile file(QStringLiteral(":/places/zones/") +
                   QString::fromUtf8(name.data(), qsizetype(name.size())));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll().toStdString();
    });
    return zones;
}

const std::vector<std::string> &ZoneNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        QFile file(QStringLiteral(":/places/zones.txt"));
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray &line : file.readAll().split('\n'))
                if (!line.isEmpty())
                    list.push_back(line.toStdString());
        return list;
    }();
    return names;
}

ExactAnswer ExactDescendant(const BirthClock &clock, const BirthPlace &place, ClockChoice choice)
{
    return FindExactDescendant(clock, place, Zones(), choice);
}

} // namespace kelt::content
