#include "fhir/Identity.h"

#include <atomic>
#include <cstdint>
#include <ctime>
#include <mutex>
#include <random>
#include <stdexcept>

#include "boundary/clock.h"
#include "boundary/quillkit.h"

namespace fhir {
namespace {

// One random device and distribution for the process. Exports may be called
// from several threads at once, so drawing is guarded by a mutex; the guard
// costs far less than the device read itself.
struct RandomSource {
    std::mutex guard;
    std::random_device device;
    std::uniform_int_distribution<std::uint64_t> distribution;

    void draw(std::uint64_t& first, std::uint64_t& second) {
        const std::lock_guard<std::mutex> lock(guard);
        first = distribution(device);
        second = distribution(device);
    }
};

RandomSource& randomSource() {
    static RandomSource source;
    return source;
}

std::atomic<UuidSource> installedUuidSource{nullptr};

std::string randomUuid() {
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    randomSource().draw(first, second);
    // Version 4 in bits 15-12 of the low half of the first number.
    first = (first & ~std::uint64_t{0xB000}) | std::uint64_t{0x4000};
    // Variant 10 in the two top bits of the second number.
    const std::uint64_t high = ((second >> 32) & 0x3FFFFFFFu) | 0x80000000u;
    second = (high << 32) | (second & 0xFFFFFFFFu);

    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "00000000-0000-0000-0000-000000000000";
    std::size_t position = 0;
    auto put = [&](std::uint64_t number) {
        for (int shift = 60; shift >= 0; shift -= 4) {
            if (text[position] == '-') {
                ++position;
            }
            text[position++] = kDigits[(number >> shift) & 0xFu];
        }
    };
    put(first);
    put(second);
    return text;
}

std::string formatLocal(std::int64_t seconds, const char* format) {
    std::tm local{};
    if (!tevo::toLocalTime(seconds, local)) {
        throw std::invalid_argument("E_INVALIDARG");
    }
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, length);
}

}  // namespace

std::string newUuid() {
    const UuidSource source = installedUuidSource.load();
    return source ? source() : randomUuid();
}

void setUuidSource(UuidSource source) {
    installedUuidSource.store(source);
}

std::string currentTimestamp() {
    std::int64_t now = 0;
    return formatLocal(*GetQKTime(&now), "%Y-%m-%dT%H:%M:%SZ");
}

std::string currentRuntimeTimestamp() {
    return formatLocal(tevo::currentTime(), "%Y-%m-%dT%H:%M:%SZ");
}

std::string currentRuntimeDate() {
    return formatLocal(tevo::currentTime(), "%Y-%m-%d");
}

}  // namespace fhir
