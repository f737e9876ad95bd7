#include "modTellAFriend.h"

#include "SiteAddress.h"
#include "Texts.h"
#include "modHelp.h"

#include <algorithm>

namespace kelt {

QString TrimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

std::optional<QString> modTellAFriend::CheckEmailAddresses(const QString &email,
                                                           const QString &friendEmail)
{
    const QString mine = TrimSpaces(email);
    const QString theirs = TrimSpaces(friendEmail);
    if (mine == theirs)
        return QLatin1String(text::DistinctEmails);
    const QString proper = QLatin1String(text::ProperEmail);
    if (!mine.contains(QLatin1Char('@')) || !theirs.contains(QLatin1Char('@')))
        return proper;
    if (!mine.contains(QLatin1Char('.')) || !theirs.contains(QLatin1Char('.')))
        return proper;
    return std::nullopt;
}

std::optional<QString> modTellAFriend::MissingValueMessage() const
{
    const struct
    {
        const QString &value;
        const char *placeholder;
        const char *message;
    } checks[] = {
        {ReferrerName, text::PlaceholderName, text::MissingName},
        {ReferrerEmail, text::PlaceholderEmail, text::MissingEmail},
        {ReferralMessage, text::PlaceholderMessage, text::MissingMessage},
        {FriendName, text::PlaceholderFriendName, text::MissingFriendName},
        {FriendEmail, text::PlaceholderFriendEmail, text::MissingFriendEmail},
    };
    for (const auto &check : checks) {
        if (check.value.isEmpty() || check.value == QLatin1String(check.placeholder))
            return QLatin1String(check.message);
    }
    return std::nullopt;
}

QString modTellAFriend::BuildReferralAddress() const
{
    using site::EncodeQueryValue;
    return site::PageAddress(QLatin1String(site::PageKey::ReferAFriend)) +
           QStringLiteral("&taf1=") + EncodeQueryValue(ReferrerName) + QStringLiteral("&taf2=") +
           EncodeQueryValue(ReferrerEmail) + QStringLiteral("&taf3=") +
           EncodeQueryValue(ReferralMessage) + QStringLiteral("&taf4=") +
           EncodeQueryValue(FriendName) + QStringLiteral("&taf5=") + EncodeQueryValue(FriendEmail) +
           QStringLiteral("&taf6=") + EncodeQueryValue(site::ProductFolderAddress());
}

qsizetype modTellAFriend::AddressLength(const ReferralValues &typed)
{
    modTellAFriend values;
    values.keep(typed);
    return values.BuildReferralAddress().size();
}

QString modTellAFriend::FitEdit(const QString &before, const QString &after,
                                const std::function<qsizetype(const QString &)> &addressWith)
{
    if (addressWith(after) <= MaxAddressLength)
        return after;
    // The edit replaced before[prefix, before.size() - suffix) by the text in between.
    qsizetype prefix = 0;
    const qsizetype shortest = std::min(before.size(), after.size());
    while (prefix < shortest && before.at(prefix) == after.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shortest - prefix &&
           before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    const QString head = after.left(prefix);
    const QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    const QString tail = after.right(suffix);
    // The longest start of the inserted text that still fits.
    qsizetype fits = 0;
    qsizetype tooMany = inserted.size();
    while (tooMany - fits > 1) {
        const qsizetype middle = (fits + tooMany) / 2;
        if (addressWith(head + inserted.left(middle) + tail) <= MaxAddressLength)
            fits = middle;
        else
            tooMany = middle;
    }
    // Never half a character.
    if (fits > 0 && inserted.at(fits - 1).isHighSurrogate())
        --fits;
    const QString kept = head + inserted.left(fits) + tail;
    // An edit that only removed text may still leave too long an address; keep it then.
    return addressWith(kept) <= MaxAddressLength || inserted.isEmpty() ? kept : before;
}

void modTellAFriend::keep(const ReferralValues &typed)
{
    ReferrerName = TrimSpaces(typed.ReferrerName);
    ReferrerEmail = TrimSpaces(typed.ReferrerEmail);
    ReferralMessage = TrimSpaces(typed.ReferralMessage);
    FriendName = TrimSpaces(typed.FriendName);
    FriendEmail = TrimSpaces(typed.FriendEmail);
}

std::optional<QString> modTellAFriend::Refer(const ReferralValues &typed)
{
    keep(typed);
    if (const auto message = CheckEmailAddresses(typed.ReferrerEmail, typed.FriendEmail))
        return message;
    return SubmitReferral();
}

std::optional<QString> modTellAFriend::SubmitReferral()
{
    if (const auto message = MissingValueMessage())
        return message;
    ReferralAddress = BuildReferralAddress();
    modHelp::OpenInBrowser(ReferralAddress);
    return std::nullopt;
}

} // namespace kelt
