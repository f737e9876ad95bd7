#pragma once

namespace kelt::captions {

inline constexpr char Cobrand[] =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
    "your site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.";
inline constexpr char FullBrand[] =
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.";

} // namespace kelt::captions
