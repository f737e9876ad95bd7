#pragma once

#include <QString>
#include <QStringList>

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

    // The length of the address for these values, given as typed in the order name,
    // e-mail, message, friend's name, friend's e-mail.
    static qsizetype AddressLength(const QStringList &typed);
    // What a box keeps of an edit from before to after: all of it when addressWith(after)
    // stays within MaxAddressLength, else the edit's inserted text cut where it would not.
    static QString FitEdit(const QString &before, const QString &after,
                           const std::function<qsizetype(const QString &)> &addressWith);

    // The refer button: keeps the trimmed values (as typed, in the order above), checks
    // the two addresses and submits. Returns the message to show when a check fails.
    std::optional<QString> Refer(const QStringList &typed);
    // Checks the kept values, then builds the address, keeps it and opens it; the message
    // to show when a value is missing.
    std::optional<QString> SubmitReferral();

private:
    void keep(const QStringList &typed);
};

} // namespace kelt
