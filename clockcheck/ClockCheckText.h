#pragma once

#include <string>
#include <string_view>

#include "ClockOffset.h"

namespace clockcheck {

// The texts that show a check's outcome, in UTF-8. Offsets appear in seconds rounded to
// hundredths, signed ("+0.00" when they round to nothing).

// "Site clock - PC clock: +2.37 s ± 0.04 s". The uncertainty shown is rounded up so that the
// range shown covers every offset the answers allow, the rounding of the offset included.
std::string offsetLine(const ClockOffset& offset);

// "The site's clock is 2.37 s ahead of this PC's." or "... behind this PC's.", or that both
// clocks show the same time. From a minute on the amount is in days, hours, minutes and seconds
// ("3 days 2 hours 0 minutes 2.37 s"); from an hour on a second sentence says that the PC's
// date, time or time zone is probably set wrong.
std::string offsetSentence(const ClockOffset& offset);

// "Round trip: 84 ms".
std::string roundTripLine(const ClockOffset& offset);

// "Corrected by +2.37 s against www.example.com".
std::string correctionText(const ClockOffset& offset, std::string_view host);

// What limits trust in an offset measured against `host`, in whole sentences (empty when
// nothing does): that the server stopped answering during the check, and, when `plainHttp`, that
// the answers came over plain http, which anyone on the way could change.
std::string offsetCaveats(const ClockOffset& offset, std::string_view host, bool plainHttp);

// Why a check against `host` gave no offset, in words a bidder knows: who failed (the site or
// the proxy), then what to do next, then any details the transport gave.
std::string failureSentence(const CheckFailure& failure, std::string_view host);

}  // namespace clockcheck
