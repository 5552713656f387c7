#include "ClockCorrection.h"

namespace platform {

ClockCorrection& clockCorrection() {
    static ClockCorrection correction;
    return correction;
}

}  // namespace platform
