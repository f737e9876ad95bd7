#pragma once

#include "Texts.h"

#include <QString>

#include <optional>

namespace kelt {

// Leading and trailing spaces only; tabs and line breaks stay.
QString TrimSpaces(const QString &text);

// The five values of the refer-a-friend form, as typed or as kept.
struct ReferralValues
{
    QString ReferrerName;
    QString ReferrerEmail;
    QString ReferralMessage;
    QString FriendName;
    QString FriendEmail;
};

// A value of the form, with the placeholder its box starts at and the message that asks for
// it while it is empty or still at the placeholder.
struct ReferralField
{
    QString ReferralValues::*value;
    const char *placeholder;
    const char *missing;
};

// In the order they are checked.
inline constexpr ReferralField ReferralFields[] = {
    {&ReferralValues::ReferrerName, text::PlaceholderName, text::MissingName},
    {&ReferralValues::ReferrerEmail, text::PlaceholderEmail, text::MissingEmail},
    {&ReferralValues::ReferralMessage, text::PlaceholderMessage, text::MissingMessage},
    {&ReferralValues::FriendName, text::PlaceholderFriendName, text::MissingFriendName},
    {&ReferralValues::FriendEmail, text::PlaceholderFriendEmail, text::MissingFriendEmail},
};

// The refer-a-friend values, kept for the life of the program and overwritten at every
// press of the refer button, and the last address built from them.
class modTellAFriend : public ReferralValues
{
public:
    QString ReferralAddress;

    // The two addresses must differ and each hold an "@" and a "."; the message otherwise.
    static std::optional<QString> CheckEmailAddresses(const QString &email,
                                                      const QString &friendEmail);
    // The first value still empty or at its placeholder gives its message.
    std::optional<QString> MissingValueMessage() const;
    // Every value percent-encoded, so that none can break or add to the query.
    QString BuildReferralAddress() const;

    // The refer button: keeps the trimmed values, checks the two addresses as typed and
    // submits. Returns the message to show when a check fails.
    std::optional<QString> Refer(const ReferralValues &typed);
    // Checks the kept values, then builds the address, keeps it and opens it; the message
    // to show when a value is missing or the address too long for the desktop.
    std::optional<QString> SubmitReferral();

private:
    void keep(const ReferralValues &typed);
};

} // namespace kelt
