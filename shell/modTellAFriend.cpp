#include "modTellAFriend.h"

#include "SiteAddress.h"
#include "Texts.h"
#include "modHelp.h"

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
    for (const ReferralField &field : ReferralFields) {
        const QString &value = this->*field.value;
        if (value.isEmpty() || value == QLatin1String(field.placeholder))
            return QLatin1String(field.missing);
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
    // Longer, it would reach the site cut short or not at all.
    if (ReferralAddress.size() > modHelp::MaxAddressLength)
        return QLatin1String(text::ReferralTooLong);
    modHelp::OpenInBrowser(ReferralAddress);
    return std::nullopt;
}

} // namespace kelt
