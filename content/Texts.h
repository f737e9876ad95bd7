#pragma once

// Every short fixed text the program shows: captions, menu items, labels, buttons and
// messages. The long ones are files in content/text. Plain C++, so that every part of the
// program, the astrology included, takes its texts from here.

namespace kelt::text {

inline constexpr char ApplicationTitle[] = "Kelt Descendant Astrology";
inline constexpr char WindowCaption[] = "Kelt Descendant Astrology v1.15";

// The birth-details window.
inline constexpr char MenuFile[] = "&File";
inline constexpr char FindSign[] = "Find My &Descendant Astrology Sign";
inline constexpr char MenuExit[] = "E&xit";
inline constexpr char ButtonExit[] = "&Exit";
inline constexpr char Hint[] = "Enter the Correct Details and Know More.";
inline constexpr char DetailsFrame[] = "Enter Your Details";
inline constexpr char NameCaption[] = "Name:-";
inline constexpr char TimeCaption[] = "Time Of Birth:-";
inline constexpr char DateHeading[] = "Date";
inline constexpr char MonthHeading[] = "Month";
inline constexpr char YearHeading[] = "Year";
inline constexpr char BirthDateCaption[] = "Date Of Birth:-";
inline constexpr const char *MonthNames[] = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
// What Windows screen readers call the boxes, whose captions are separate labels.
inline constexpr char NameBoxName[] = "Name";
inline constexpr char DayListName[] = "Day of birth";
inline constexpr char MonthListName[] = "Month of birth";
inline constexpr char YearListName[] = "Year of birth";
inline constexpr char TimeListName[] = "Time of birth";
inline constexpr char OnlyAlphabet[] = "Please Enter Only Alphabet !";

// The reading's refusals; the two date messages differ in one space.
inline constexpr char EnterName[] = "Please Enter Your Name !";
inline constexpr char FebruaryDate[] = "Please Enter Correct Date Or Month!";
inline constexpr char ThirtyDayDate[] = "Please Enter Correct Date Or Month !";

// The result window.
inline constexpr char MenuBack[] = "&Back";
inline constexpr char ButtonBack[] = "&Back";
inline constexpr char ResultFrame[] = "Kelt Descendant Astrology Result";
inline constexpr char SignHeading[] = "Your Descendant Sign";
inline constexpr char ReadingHeading[] = "More About Your Sign";
inline constexpr char PictureDescription[] =
    "The figure of %1 in a round gold-rimmed medallion on a dark red ground";

// The menus both main windows share; the update item's access key differs between them.
inline constexpr char MenuHelp[] = "&Help";
inline constexpr char MenuOnlineHelp[] = "&Online Help";
inline constexpr char MenuVisit[] = "&Visit Us Online";
inline constexpr char MenuUpdateOnMain[] = "Check for Software &Update";
inline constexpr char MenuUpdateOnResult[] = "&Check for Software Update";
inline constexpr char MenuAbout[] = "&About Software";
inline constexpr char MenuDonate[] = "&Donate";
inline constexpr char MenuMakeMoney[] = "Make Money &Online";

// The about window.
inline constexpr char VisitSite[] = "Click here to visit ";
inline constexpr char MoreDetails[] = "Click here for more details";
inline constexpr char ButtonOK[] = "&OK";
inline constexpr char IconName[] = "Program icon";

// The exit window.
inline constexpr char ButtonClose[] = "E&xit";
inline constexpr char ReferFrame[] = "Refer A Friend";
inline constexpr char ButtonRefer[] = "Refer A Friend &Now";
inline constexpr char DownloadFrame[] = "Download Sarvel Softwares";
inline constexpr char VisitSarvel[] = "Click Here To Visit Sarvel Softwares";
inline constexpr char PlaceholderName[] = "Your Name";
inline constexpr char PlaceholderEmail[] = "Your Email Address";
inline constexpr char PlaceholderMessage[] = "Your Message";
inline constexpr char PlaceholderFriendName[] = "Friend's Name";
inline constexpr char PlaceholderFriendEmail[] = "Friend's Email Address";
// The placeholders vanish while typing, so the boxes carry their meaning as names too.
inline constexpr char ReferrerNameBox[] = "Your name";
inline constexpr char ReferrerEmailBox[] = "Your e-mail address";
inline constexpr char ReferralMessageBox[] = "Your message";
inline constexpr char FriendNameBox[] = "Friend's name";
inline constexpr char FriendEmailBox[] = "Friend's e-mail address";
inline constexpr char NoSpaceInEmail[] = "Email Address Cannot Contain Space";
inline constexpr char DistinctEmails[] = "Please Enter Distinct Email Addresses";
inline constexpr char ProperEmail[] = "Please Enter Proper Email Address";
inline constexpr char MissingName[] = "Please Enter Your Name";
inline constexpr char MissingEmail[] = "Please Enter Your Email";
inline constexpr char MissingMessage[] = "Please Enter Your Message";
inline constexpr char MissingFriendName[] = "Please Enter Your Friend's Name";
inline constexpr char MissingFriendEmail[] = "Please Enter Your Friend's Email";
// Not of the Windows original, whose address had no bound.
inline constexpr char ReferralTooLong[] =
    "The Referral Is Too Long To Send. Please Shorten What You Typed.";

// Start-up.
inline constexpr char AlreadyRunning[] = "Application is already running";
// A lone carriage return between the two lines, as the program has always had it.
inline constexpr char UpdateQuestion[] =
    "There maybe an update to this software available\rDo you want to check for an update?";

} // namespace kelt::text
