#include "boundary/clock.h"

#include <atomic>
#include <ctime>

namespace tevo {
namespace {

std::int64_t systemTime() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::atomic<ClockSource> installedSource{&systemTime};

}  // namespace

std::int64_t currentTime() {
    return installedSource.load()();
}

void setClockSource(ClockSource source) {
    installedSource.store(source ? source : &systemTime);
}

bool toLocalTime(std::int64_t seconds, std::tm& out) {
    const std::time_t value = static_cast<std::time_t>(seconds);
#if defined(_WIN32)
    return localtime_s(&out, &value) == 0;
#else
    return localtime_r(&value, &out) != nullptr;
#endif
}

}  // namespace tevo
