// The decimal kind of the placement class: a signed fixed-point number of
// 7 digits, 4 of them after the point, held as an integer count of
// ten-thousandths so that sums come out exact. A value is rounded to four
// places, halves away from zero, when it is stored; one beyond 7 digits is
// held at the largest value of its sign, so that a sum over many monitors
// stays above 100 instead of wrapping.
#pragma once

#include <cstdint>
#include <string>

namespace tolvane {

class Decimal {
  public:
    static constexpr std::int64_t kMaxScaled = 9999999;  // 999.9999

    constexpr Decimal() = default;
    static constexpr Decimal FromScaled(std::int64_t tenThousandths) {
        return Decimal(Clamp(tenThousandths));
    }
    static constexpr Decimal FromInt(std::int64_t n) {
        return FromScaled(n > kMaxScaled ? kMaxScaled : n < -kMaxScaled ? -kMaxScaled : n * 10000);
    }
    // times × numerator ÷ denominator, rounded to four places, halves away
    // from zero; exact for every 64-bit numerator and denominator.
    static constexpr Decimal FromRatio(std::uint64_t numerator, std::uint64_t denominator,
                                       std::uint32_t times) {
        if (denominator == 0) return Decimal();
        // The product numerator × times × 10000 in 128 bits (hi, lo).
        const std::uint64_t factor = std::uint64_t{times} * 10000u;
        std::uint64_t hi = 0;
        std::uint64_t lo = 0;
        MulWide(numerator, factor, hi, lo);
        // Bit-by-bit long division; the remainder never reaches 2 × denominator.
        std::uint64_t quotient = 0;
        std::uint64_t remainder = 0;
        bool overflow = false;
        for (int bit = 127; bit >= 0; --bit) {
            const std::uint64_t next = bit >= 64 ? (hi >> (bit - 64)) & 1u : (lo >> bit) & 1u;
            const bool carry = (remainder >> 63) != 0;
            remainder = (remainder << 1) | next;
            if ((quotient >> 63) != 0) overflow = true;
            quotient <<= 1;
            if (carry || remainder >= denominator) {
                remainder -= denominator;
                quotient |= 1u;
            }
        }
        if (overflow) return Decimal(kMaxScaled);
        // Half away from zero: round up when the remainder is at least half.
        if (remainder >= denominator - remainder) ++quotient;
        return Decimal(quotient > static_cast<std::uint64_t>(kMaxScaled)
                           ? kMaxScaled
                           : static_cast<std::int64_t>(quotient));
    }

    constexpr std::int64_t Scaled() const { return scaled_; }

    // "100.0001", "-0.5", "99"
    std::string Text() const {
        const std::int64_t magnitude = scaled_ < 0 ? -scaled_ : scaled_;
        std::string out = (scaled_ < 0 ? "-" : "") + std::to_string(magnitude / 10000);
        std::int64_t fraction = magnitude % 10000;
        if (fraction != 0) {
            std::string digits = std::to_string(fraction + 10000).substr(1);
            digits.erase(digits.find_last_not_of('0') + 1);
            out += "." + digits;
        }
        return out;
    }

    friend constexpr bool operator==(Decimal a, Decimal b) { return a.scaled_ == b.scaled_; }
    friend constexpr bool operator!=(Decimal a, Decimal b) { return a.scaled_ != b.scaled_; }
    friend constexpr bool operator<(Decimal a, Decimal b) { return a.scaled_ < b.scaled_; }
    friend constexpr bool operator>(Decimal a, Decimal b) { return a.scaled_ > b.scaled_; }
    friend constexpr Decimal operator+(Decimal a, Decimal b) {
        return Decimal(Clamp(a.scaled_ + b.scaled_));
    }
    friend constexpr Decimal operator-(Decimal a, Decimal b) {
        return Decimal(Clamp(a.scaled_ - b.scaled_));
    }

  private:
    constexpr explicit Decimal(std::int64_t scaled) : scaled_(scaled) {}
    static constexpr std::int64_t Clamp(std::int64_t v) {
        return v > kMaxScaled ? kMaxScaled : v < -kMaxScaled ? -kMaxScaled : v;
    }
    static constexpr void MulWide(std::uint64_t a, std::uint64_t b, std::uint64_t& hi,
                                  std::uint64_t& lo) {
        const std::uint64_t mask = 0xFFFFFFFFu;
        const std::uint64_t a0 = a & mask, a1 = a >> 32, b0 = b & mask, b1 = b >> 32;
        const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
        const std::uint64_t middle = (p00 >> 32) + (p01 & mask) + (p10 & mask);
        lo = (middle << 32) | (p00 & mask);
        hi = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
    }
    std::int64_t scaled_ = 0;
};

}  // namespace tolvane
