#include "ZodiacSign.h"

#include "ReadingTexts.h"

#include <algorithm>
#include <cctype>

namespace kelt {

int SignPosition(std::string_view text)
{
    const auto it = std::find(ZodiacSigns.begin(), ZodiacSigns.end(), text);
    return it == ZodiacSigns.end() ? 0 : static_cast<int>(it - ZodiacSigns.begin()) + 1;
}

bool IsSign(std::string_view text)
{
    return SignPosition(text) != 0;
}

std::optional<std::string_view> OppositeSign(std::string_view sign)
{
    const int p = SignPosition(sign);
    if (p == 0)
        return std::nullopt;
    return ZodiacSigns[static_cast<std::size_t>((p + 5) % 12)];
}

std::optional<std::string_view> DescendantReading(std::string_view sign)
{
    const int p = SignPosition(sign);
    if (p == 0)
        return std::nullopt;
    return ReadingTexts()[static_cast<std::size_t>(p - 1)];
}

std::optional<int> SignPictureItem(std::string_view sign)
{
    const int p = SignPosition(sign);
    if (p == 0)
        return std::nullopt;
    return p;
}

std::optional<std::string> SignPictureKey(std::string_view sign)
{
    if (!IsSign(sign))
        return std::nullopt;
    std::string key(sign);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key + ".jpg";
}

} // namespace kelt
