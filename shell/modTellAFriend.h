#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace kelt {

namespace Placeholder {
inline constexpr char Name[] = "Your Name";
inline constexpr char Email[] = "Your Email Address";
inline constexpr char Message[] = "Your Message";
inline constexpr char FriendName[] = "Friend's Name";
inline constexpr char FriendEmail[] = "Friend's Email Address";
} // namespace Placeholder

// Leading and trailing spaces only; tabs and line breaks stay.
QString TrimSpaces(const QString &text);

// The refer-a-friend values, kept for the life of the program and overwritten at every
// press of the refer button.
class modTellAFriend
{
public:
    QString ReferrerName;
    QString ReferrerEmail;
    QString ReferralMessage;
    QString FriendName;
    QString FriendEmail;
    QString ReferralAddress;

    // The two addresses must differ and each hold an "@" and a "."; the message otherwise.
    static std::optional<QString> CheckEmailAddresses(const QString &email,
                                                      const QString &friendEmail);
    // The first value still empty or at its placeholder gives its message.
    std::optional<QString> MissingValueMessage() const;
    // Every value percent-encoded, so that none can break or add to the query.
    QString BuildReferralAddress() const;

    // Checks the values, then builds the address, keeps it and opens it.
    void SubmitReferral(QWidget *parent);
};

} // namespace kelt
