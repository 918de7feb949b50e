// The decimal kind of the placement class: a signed fixed-point number of
// 7 digits, 4 of them after the point, held as an integer count of
// ten-thousandths so that sums come out exact.
#pragma once

#include <cstdint>

namespace tolvane {

class Decimal {
  public:
    constexpr Decimal() = default;
    static constexpr Decimal FromScaled(std::int64_t tenThousandths) {
        return Decimal(tenThousandths);
    }
    static constexpr Decimal FromInt(std::int64_t n) { return Decimal(n * 10000); }
    constexpr std::int64_t Scaled() const { return scaled_; }

    friend constexpr bool operator==(Decimal a, Decimal b) { return a.scaled_ == b.scaled_; }
    friend constexpr bool operator!=(Decimal a, Decimal b) { return a.scaled_ != b.scaled_; }
    friend constexpr bool operator<(Decimal a, Decimal b) { return a.scaled_ < b.scaled_; }
    friend constexpr bool operator>(Decimal a, Decimal b) { return a.scaled_ > b.scaled_; }
    friend constexpr Decimal operator+(Decimal a, Decimal b) {
        return Decimal(a.scaled_ + b.scaled_);
    }
    friend constexpr Decimal operator-(Decimal a, Decimal b) {
        return Decimal(a.scaled_ - b.scaled_);
    }

  private:
    constexpr explicit Decimal(std::int64_t scaled) : scaled_(scaled) {}
    std::int64_t scaled_ = 0;
};

}  // namespace tolvane
