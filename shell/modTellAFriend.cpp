#include "shell/modTellAFriend.h"

#include "links/SiteAddress.h"
#include "links/modHelp.h"
#include "ui/MessageBox.h"

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
        return QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
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
        {ReferrerName, Placeholder::Name, "Please Enter Your Name"},
        {ReferrerEmail, Placeholder::Email, "Please Enter Your Email"},
        {ReferralMessage, Placeholder::Message, "Please Enter Your Message"},
        {FriendName, Placeholder::FriendName, "Please Enter Your Friend's Name"},
        {FriendEmail, Placeholder::FriendEmail, "Please Enter Your Friend's Email"},
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

void modTellAFriend::SubmitReferral(QWidget *parent)
{
    if (const auto message = MissingValueMessage()) {
        MessageBox::inform(parent, *message, QMessageBox::Critical);
        return;
    }
    ReferralAddress = BuildReferralAddress();
    modHelp::OpenInBrowser(ReferralAddress);
}

} // namespace kelt
