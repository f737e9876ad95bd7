#include "ZoneRules.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <limits>

namespace kelt {

namespace {

constexpr UtSeconds Forever = std::numeric_limits<UtSeconds>::max();
constexpr UtSeconds Always = std::numeric_limits<UtSeconds>::min();
constexpr int SecondsPerHour = 3600;
constexpr int SecondsPerDay = 86400;
// Offsets stay within a day of UT, so one day either side of a wall-clock reading holds every
// instant it can stand for.
constexpr UtSeconds OffsetReach = 26 * SecondsPerHour;

// Big-endian reads over the file's bytes; every read checks that the bytes are there.
class Bytes
{
public:
    explicit Bytes(std::string_view data) : data_(data) {}

    bool has(std::size_t n) const { return data_.size() - pos_ >= n; }
    void skip(std::size_t n) { pos_ += n; }
    std::int64_t integer(int width)
    {
        std::uint64_t v = 0;
        for (int i = 0; i < width; ++i)
            v = v << 8 | static_cast<unsigned char>(data_[pos_++]);
        // Sign-extend from the width read.
        const int shift = 64 - 8 * width;
        return static_cast<std::int64_t>(v << shift) >> shift;
    }
    std::string_view rest() const { return data_.substr(pos_); }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

struct Header
{
    char version = 0;
    std::int64_t isutcnt = 0, isstdcnt = 0, leapcnt = 0, timecnt = 0, typecnt = 0, charcnt = 0;

    // RFC 8536, 3.1: "TZif", the version, 15 bytes unused, six counts.
    static std::optional<Header> Read(Bytes &in)
    {
        if (!in.has(44) || in.rest().substr(0, 4) != "TZif")
            return std::nullopt;
        Header h;
        in.skip(4);
        h.version = static_cast<char>(in.integer(1));
        in.skip(15);
        for (std::int64_t *count :
             {&h.isutcnt, &h.isstdcnt, &h.leapcnt, &h.timecnt, &h.typecnt, &h.charcnt})
            if ((*count = in.integer(4)) < 0)
                return std::nullopt;
        return h;
    }
    std::size_t DataSize(int timeSize) const
    {
        return static_cast<std::size_t>(timecnt * timeSize + timecnt + typecnt * 6 + charcnt +
                                        leapcnt * (timeSize + 4) + isstdcnt + isutcnt);
    }
};

std::int64_t DaysFromCivil(int year, int month, int day)
{
    using namespace std::chrono;
    return sys_days(std::chrono::year(year) / month / day).time_since_epoch().count();
}

int YearOf(UtSeconds t)
{
    using namespace std::chrono;
    const auto days = static_cast<int>((t >= 0 ? t : t - (SecondsPerDay - 1)) / SecondsPerDay);
    return static_cast<int>(year_month_day(sys_days(std::chrono::days(days))).year());
}

bool IsLeap(int year)
{
    return std::chrono::year(year).is_leap();
}

// When a POSIX TZ rule changes the clocks.
struct ChangeDate
{
    char kind = 'M'; // 'J': day 1-365 without 29 February; 'D': day 0-365; 'M': month.week.day
    int day = 0;
    int month = 0;
    int week = 0;
    int seconds = 2 * SecondsPerHour; // local time of day of the change
};

class RuleText
{
public:
    explicit RuleText(std::string_view text) : text_(text) {}

    bool done() const { return pos_ == text_.size(); }
    bool take(char c)
    {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool at(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    std::optional<std::string> name()
    {
        const std::size_t from = pos_;
        if (take('<')) {
            const std::size_t close = text_.find('>', pos_);
            if (close == std::string_view::npos)
                return std::nullopt;
            pos_ = close + 1;
            return std::string(text_.substr(from + 1, close - from - 1));
        }
        while (pos_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
        if (pos_ - from < 3)
            return std::nullopt;
        return std::string(text_.substr(from, pos_ - from));
    }
    std::optional<int> number()
    {
        const std::size_t from = pos_;
        int v = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])) &&
               pos_ - from < 4)
            v = v * 10 + (text_[pos_++] - '0');
        if (pos_ == from)
            return std::nullopt;
        return v;
    }
    // [+-]hh[:mm[:ss]], in seconds.
    std::optional<int> time()
    {
        int sign = 1;
        if (take('-'))
            sign = -1;
        else
            take('+');
        const std::optional<int> h = number();
        if (!h || *h > 167)
            return std::nullopt;
        int seconds = *h * SecondsPerHour;
        for (int unit : {60, 1}) {
            if (!take(':'))
                break;
            const std::optional<int> part = number();
            if (!part || *part > 59)
                return std::nullopt;
            seconds += *part * unit;
        }
        return sign * seconds;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<ChangeDate> ParseDate(RuleText &in)
{
    ChangeDate d;
    if (in.take('M')) {
        d.kind = 'M';
        const auto m = in.number();
        const bool dot1 = in.take('.');
        const auto w = in.number();
        const bool dot2 = in.take('.');
        const auto wd = in.number();
        if (!m || !dot1 || !w || !dot2 || !wd || *m < 1 || *m > 12 || *w < 1 || *w > 5 || *wd > 6)
            return std::nullopt;
        d.month = *m;
        d.week = *w;
        d.day = *wd;
    } else {
        d.kind = in.take('J') ? 'J' : 'D';
        const auto n = in.number();
        if (!n || *n > 365 || (d.kind == 'J' && *n < 1))
            return std::nullopt;
        d.day = *n;
    }
    if (in.take('/')) {
        const auto t = in.time();
        if (!t)
            return std::nullopt;
        d.seconds = *t;
    }
    return d;
}

} // namespace

// The footer's POSIX TZ rule (POSIX.1-2017, 8.3, with RFC 8536's extensions: hours from
// -167 to 167 in the change times).
struct ZoneRules::Rule
{
    LocalType standard;
    std::optional<LocalType> daylight;
    ChangeDate start; // into daylight time, read on standard time
    ChangeDate end;   // back to standard time, read on daylight time

    static std::optional<Rule> Parse(std::string_view text);
    // The change's UT instant in a year, from the offset in force before it.
    static UtSeconds Instant(const ChangeDate &date, int year, int offsetBefore);
};

std::optional<ZoneRules::Rule> ZoneRules::Rule::Parse(std::string_view text)
{
    RuleText in(text);
    Rule rule;
    const auto stdName = in.name();
    const auto stdOffset = stdName ? in.time() : std::nullopt;
    if (!stdOffset)
        return std::nullopt;
    // POSIX counts offsets west of Greenwich positive.
    rule.standard = {-*stdOffset, false, *stdName};
    if (in.done())
        return rule;
    const auto dstName = in.name();
    if (!dstName)
        return std::nullopt;
    int dstOffset = -*stdOffset + SecondsPerHour;
    if (!in.done() && !in.at(',')) {
        const auto t = in.time();
        if (!t)
            return std::nullopt;
        dstOffset = -*t;
    }
    rule.daylight = LocalType{dstOffset, true, *dstName};
    if (in.done()) {
        // No dates: the United States' rule, as POSIX systems take it.
        rule.start = {'M', 0, 3, 2, 2 * SecondsPerHour};
        rule.end = {'M', 0, 11, 1, 2 * SecondsPerHour};
        return rule;
    }
    std::optional<ChangeDate> start, end;
    if (!in.take(',') || !(start = ParseDate(in)) || !in.take(',') || !(end = ParseDate(in)) ||
        !in.done())
        return std::nullopt;
    rule.start = *start;
    rule.end = *end;
    return rule;
}

UtSeconds ZoneRules::Rule::Instant(const ChangeDate &date, int year, int offsetBefore)
{
    std::int64_t day = 0; // days since 1970-01-01 of the change's date
    if (date.kind == 'J') {
        // Day 60 is 1 March whether or not the year is a leap year.
        day = DaysFromCivil(year, 1, 1) + date.day - 1 + (IsLeap(year) && date.day >= 60 ? 1 : 0);
    } else if (date.kind == 'D') {
        day = DaysFromCivil(year, 1, 1) + date.day;
    } else {
        const std::int64_t first = DaysFromCivil(year, date.month, 1);
        // 1970-01-01 was a Thursday (weekday 4).
        const int firstWeekday = static_cast<int>(((first + 4) % 7 + 7) % 7);
        day = first + (date.day - firstWeekday + 7) % 7 + 7 * (date.week - 1);
        const std::int64_t next = date.month == 12 ? DaysFromCivil(year + 1, 1, 1)
                                                   : DaysFromCivil(year, date.month + 1, 1);
        while (day >= next)
            day -= 7;
    }
    return day * SecondsPerDay + date.seconds - offsetBefore;
}

std::optional<ZoneRules> ZoneRules::FromTzif(std::string_view data)
{
    Bytes in(data);
    const std::optional<Header> first = Header::Read(in);
    if (!first || first->version < '2')
        return std::nullopt;
    // The 32-bit block comes first and is passed over: the 64-bit one says the same and more.
    const std::size_t v1 = first->DataSize(4);
    if (!in.has(v1))
        return std::nullopt;
    in.skip(v1);
    const std::optional<Header> h = Header::Read(in);
    // Leap seconds would count the instants on TAI's scale; the program carries none.
    if (!h || h->leapcnt != 0 || h->typecnt < 1 || h->typecnt > 256 || h->timecnt < 0 ||
        h->charcnt < 0 || !in.has(h->DataSize(8)))
        return std::nullopt;

    ZoneRules zone;
    const auto count = static_cast<std::size_t>(h->timecnt);
    zone.transitions_.resize(count);
    zone.transitionTypes_.resize(count);
    for (UtSeconds &t : zone.transitions_)
        t = in.integer(8);
    for (std::uint8_t &type : zone.transitionTypes_) {
        type = static_cast<std::uint8_t>(in.integer(1));
        if (type >= h->typecnt)
            return std::nullopt;
    }
    if (!std::is_sorted(zone.transitions_.begin(), zone.transitions_.end()))
        return std::nullopt;
    struct Raw
    {
        int offset;
        bool dst;
        std::size_t name;
    };
    std::vector<Raw> raw;
    for (std::int64_t i = 0; i < h->typecnt; ++i) {
        const int offset = static_cast<int>(in.integer(4));
        const bool dst = in.integer(1) != 0;
        raw.push_back({offset, dst, static_cast<std::size_t>(in.integer(1))});
    }
    const std::string_view names = in.rest().substr(0, static_cast<std::size_t>(h->charcnt));
    for (const Raw &r : raw) {
        if (r.name >= names.size())
            return std::nullopt;
        const std::string_view name = names.substr(r.name);
        zone.types_.push_back({r.offset, r.dst, std::string(name.substr(0, name.find('\0')))});
    }
    in.skip(h->DataSize(8) - count * 9 - raw.size() * 6);

    // The footer: the rule for every instant after the last transition, between newlines.
    const std::string_view footer = in.rest();
    if (footer.size() < 2 || footer[0] != '\n')
        return std::nullopt;
    const std::size_t close = footer.find('\n', 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    if (close > 1) {
        std::optional<Rule> rule = Rule::Parse(footer.substr(1, close - 1));
        if (!rule)
            return std::nullopt;
        zone.footer_ = std::make_shared<const Rule>(std::move(*rule));
    }
    return zone;
}

ZoneRules::Period ZoneRules::FooterPeriodAt(UtSeconds ut) const
{
    const UtSeconds after = transitions_.empty() ? Always : transitions_.back();
    if (!footer_->daylight)
        return {after, Forever, footer_->standard};
    const LocalType &standard = footer_->standard;
    const LocalType &daylight = *footer_->daylight;
    // Every change of the years around the instant, in order; a change that another undoes
    // at the same instant (daylight time all year) leaves no period between them.
    std::vector<std::pair<UtSeconds, bool>> changes; // instant, daylight from then on
    const int year = YearOf(ut);
    for (int y = year - 1; y <= year + 1; ++y) {
        changes.emplace_back(Rule::Instant(footer_->start, y, standard.utcOffsetSeconds), true);
        changes.emplace_back(Rule::Instant(footer_->end, y, daylight.utcOffsetSeconds), false);
    }
    std::stable_sort(changes.begin(), changes.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<std::pair<UtSeconds, bool>> periods;
    for (const auto &change : changes) {
        if (!periods.empty() && periods.back().first == change.first)
            periods.back().second = change.second;
        else
            periods.push_back(change);
        while (periods.size() >= 2 && periods.back().second == periods[periods.size() - 2].second)
            periods.pop_back();
    }
    auto next = std::upper_bound(periods.begin(), periods.end(), ut,
                                 [](UtSeconds t, const auto &p) { return t < p.first; });
    // Before the first change of the window: the state the last one of the year before
    // left, which the window starts with.
    const bool inDaylight =
        next == periods.begin() ? !periods.front().second : std::prev(next)->second;
    const UtSeconds start =
        std::max(after, next == periods.begin() ? Always : std::prev(next)->first);
    const UtSeconds end = next == periods.end() ? Forever : next->first;
    return {start, end, inDaylight ? daylight : standard};
}

ZoneRules::Period ZoneRules::PeriodAt(UtSeconds ut) const
{
    const auto next = std::upper_bound(transitions_.begin(), transitions_.end(), ut);
    if (next == transitions_.end() && footer_)
        return FooterPeriodAt(ut);
    // Before the first transition the first type holds (RFC 8536, 3.2).
    const std::size_t i = static_cast<std::size_t>(next - transitions_.begin());
    const LocalType &type = i == 0 ? types_.front() : types_[transitionTypes_[i - 1]];
    return {i == 0 ? Always : transitions_[i - 1], next == transitions_.end() ? Forever : *next,
            type};
}

namespace {

ZoneOffset OffsetOf(int offset, bool daylight, const std::string &abbreviation)
{
    return {offset, daylight, abbreviation == "LMT", abbreviation};
}

} // namespace

ZoneOffset ZoneRules::OffsetAt(UtSeconds ut) const
{
    const Period p = PeriodAt(ut);
    return OffsetOf(p.type.utcOffsetSeconds, p.type.daylight, p.type.abbreviation);
}

LocalTimeResolution ZoneRules::Resolve(LocalSeconds local) const
{
    // Walk the periods that can hold an instant the reading stands for, and keep each whose
    // offset puts the reading inside it; a gap is where the reading falls between two.
    std::vector<ClockReading> found;
    std::optional<LocalTimeResolution> gap;
    std::optional<Period> before;
    UtSeconds at = local - OffsetReach;
    while (true) {
        const Period p = PeriodAt(at);
        const UtSeconds ut = local - p.type.utcOffsetSeconds;
        const ClockReading reading{
            ut, OffsetOf(p.type.utcOffsetSeconds, p.type.daylight, p.type.abbreviation)};
        if (ut >= p.start && ut < p.end)
            found.push_back(reading);
        if (before && !gap && local >= p.start + before->type.utcOffsetSeconds &&
            local < p.start + p.type.utcOffsetSeconds) {
            LocalTimeResolution r;
            r.kind = LocalTimeResolution::Kind::Gap;
            const int b = before->type.utcOffsetSeconds;
            r.earlier = {local - b, OffsetOf(b, before->type.daylight, before->type.abbreviation)};
            r.later = reading;
            gap = r;
        }
        if (p.end == Forever || p.end > local + OffsetReach)
            break;
        before = p;
        at = p.end;
    }
    if (found.empty() && gap)
        return *gap;
    LocalTimeResolution r;
    if (found.empty()) {
        // Only a file with offsets beyond a day gets here; the period's own offset stands in.
        const Period p = PeriodAt(local);
        r.earlier =
            r.later = {local - p.type.utcOffsetSeconds,
                       OffsetOf(p.type.utcOffsetSeconds, p.type.daylight, p.type.abbreviation)};
        return r;
    }
    r.kind =
        found.size() == 1 ? LocalTimeResolution::Kind::Unique : LocalTimeResolution::Kind::Repeated;
    r.earlier = found.front();
    r.later = found.back();
    return r;
}

ZoneLibrary::ZoneLibrary(Reader reader) : reader_(std::move(reader)) {}

const ZoneRules *ZoneLibrary::Find(std::string_view name)
{
    auto it = zones_.find(name);
    if (it == zones_.end()) {
        const std::optional<std::string> bytes = reader_(name);
        it = zones_.emplace(std::string(name), bytes ? ZoneRules::FromTzif(*bytes) : std::nullopt)
                 .first;
    }
    return it->second ? &*it->second : nullptr;
}

} // namespace kelt
