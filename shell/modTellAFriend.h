#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace kelt {

// The longest refer-a-friend address the program hands to the desktop. Linux passes it to
// the browser as one argument, which takes at most 131,071 bytes; room is left for the
// launchers in between. Windows passes a command line of at most 32,767 characters.
#ifdef Q_OS_WIN
inline constexpr qsizetype MaxAddressLength = 30000;
#else
inline constexpr qsizetype MaxAddressLength = 100000;
#endif

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

    // The length of the address for these values as typed.
    static qsizetype AddressLength(const ReferralValues &typed);
    // What a box keeps of an edit from before to after: all of it when addressWith(after)
    // stays within MaxAddressLength, else the edit's inserted text cut where it would not.
    static QString FitEdit(const QString &before, const QString &after,
                           const std::function<qsizetype(const QString &)> &addressWith);

    // The refer button: keeps the trimmed values, checks the two addresses as typed and
    // submits. Returns the message to show when a check fails.
    std::optional<QString> Refer(const ReferralValues &typed);
    // Checks the kept values, then builds the address, keeps it and opens it; the message
    // to show when a value is missing.
    std::optional<QString> SubmitReferral();

private:
    void keep(const ReferralValues &typed);
};

} // namespace kelt
