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

// The exact descendant window, opened from the File menu of both main windows.
inline constexpr char MenuExactDescendant[] = "Find My Exact Descendant From Birth &Place...";
inline constexpr char ExactIntro[] =
    "Your descendant worked out from the sky at the minute and the place of your birth.";
inline constexpr char ExactDetailsFrame[] = "Enter Your Birth Details";
inline constexpr char ExactDateCaption[] = "Date Of &Birth:-";
inline constexpr char ExactTimeCaption[] = "T&ime Of Birth:-";
inline constexpr char HourHeading[] = "Hour";
inline constexpr char MinuteHeading[] = "Minute";
inline constexpr char TownCaption[] = "&Town:-";
inline constexpr char TownHint[] = "Type its first letters, then choose it in the list.";
inline constexpr char LatitudeCaption[] = "L&atitude:-";
inline constexpr char LongitudeCaption[] = "Lo&ngitude:-";
inline constexpr char ZoneCaption[] = "Time &Zone:-";
inline constexpr char PlaceHint[] =
    "Filled in by the town chosen. For a place not listed: degrees, north and east positive.";
inline constexpr char ButtonFindExact[] = "&Find My Exact Descendant";
inline constexpr char ButtonCloseExact[] = "&Close";
inline constexpr char ExactResultFrame[] = "Your Exact Descendant";
inline constexpr char AscendantHeading[] = "Your Ascendant";
inline constexpr char PlaceHeading[] = "Place Of Birth";
inline constexpr char ClockHeading[] = "Clock Used";
// A hand-given place: latitude and longitude with their hemispheres.
inline constexpr char PlaceByHand[] = "%1, %2 (given by hand)";
// The clock as it was read: time, date, zone, abbreviation, offset, then the UT time and date.
inline constexpr char ClockStandard[] = "%1 on %2, standard time of %3 (%4UT%5): %6 UT on %7.";
inline constexpr char ClockSummer[] = "%1 on %2, summer time of %3 (%4UT%5): %6 UT on %7.";
inline constexpr char ClockLocalMean[] = "%1 on %2, local mean time of %3 (UT%4), as the zone "
                                         "kept no standard time yet: %5 UT on %6.";
// A time the clocks skipped or showed twice: time, date, zone, the offsets before and after
// the change, then the UT time each gives.
inline constexpr char GapQuestion[] =
    "%1 on %2 never showed on the clocks of %3: they were put forward then, from UT%4 to "
    "UT%5.\rWas the time read on a clock not yet put forward (UT%4, %6 UT)? Choose No for a "
    "clock already put forward (UT%5, %7 UT).";
inline constexpr char RepeatQuestion[] =
    "%1 on %2 showed twice on the clocks of %3: they were put back then, from UT%4 to "
    "UT%5.\rWas the birth the first time (UT%4, %6 UT)? Choose No for the second time (UT%5, "
    "%7 UT).";
// What a screen reader says for "Gemini 14°22′".
inline constexpr char PointSpoken[] = "%1 %2 degrees %3 minutes";
inline constexpr char HourListName[] = "Hour of birth";
inline constexpr char MinuteListName[] = "Minute of birth";
inline constexpr char TownBoxName[] = "Town of birth";
inline constexpr char TownListName[] = "Matching towns";
inline constexpr char LatitudeBoxName[] = "Latitude";
inline constexpr char LongitudeBoxName[] = "Longitude";
inline constexpr char ZoneListName[] = "Time zone";
inline constexpr char NoPlaceChosen[] = "Please choose your town of birth in the list, or give "
                                        "the latitude and longitude of the place.";
inline constexpr char BadLatitude[] =
    "Please enter the latitude in degrees, from -90 (south) to 90 (north).";
inline constexpr char BadLongitude[] =
    "Please enter the longitude in degrees, from -180 (west) to 180 (east).";

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
