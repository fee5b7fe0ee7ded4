#include "edit/FieldIdText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace veltrano::edit {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Halves go to the even neighbour, as the conversion to Integer does.
double RoundHalfToEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5) {
        return lower;
    }
    if (fraction > 0.5) {
        return lower + 1;
    }
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1;
}

// Whether a number in digits (as from_chars took it) is below 1 in magnitude, judged by the
// place of its first significant digit: for numbers beyond the range of a double.
bool BelowOne(std::string_view number) {
    const auto exponentAt = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentAt);
    std::int64_t exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        if (!digits.empty() && digits.front() == '+') {
            digits.remove_prefix(1);
        }
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (error == std::errc::result_out_of_range) {
            return digits.front() == '-';
        }
        // Far beyond any text length: the exponent alone decides.
        constexpr std::int64_t kDecisive = 1'000'000'000;
        if (exponent > kDecisive || exponent < -kDecisive) {
            return exponent < 0;
        }
    }
    const auto point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const auto firstWhole = whole.find_first_not_of('0');
    std::int64_t magnitude = 0; // 10^(magnitude-1) <= value < 10^magnitude
    if (firstWhole != std::string_view::npos) {
        magnitude = static_cast<std::int64_t>(whole.size() - firstWhole);
    } else if (point != std::string_view::npos) {
        const std::string_view fraction = mantissa.substr(point + 1);
        const auto firstFraction = fraction.find_first_not_of('0');
        if (firstFraction == std::string_view::npos) {
            return true; // all zeros
        }
        magnitude = -static_cast<std::int64_t>(firstFraction);
    } else {
        return true;
    }
    return magnitude + exponent <= 0;
}

} // namespace

std::optional<std::int16_t> FieldIdFromText(std::string_view text) {
    const auto start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) {
        return std::int16_t{0};
    }
    text.remove_prefix(start);

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only a number in digits counts: from_chars would also take "inf" and "nan".
    const bool startsWithNumber =
        !text.empty() &&
        (IsDigit(text.front()) || (text.front() == '.' && text.size() > 1 && IsDigit(text[1])));
    if (!startsWithNumber) {
        return std::int16_t{0};
    }

    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too small for a double rounds to 0; too large is beyond 16 bits.
        const std::string_view number(text.data(), static_cast<std::size_t>(end - text.data()));
        return BelowOne(number) ? std::optional<std::int16_t>{0} : std::nullopt;
    }
    if (error != std::errc{}) {
        return std::int16_t{0};
    }
    const double rounded = RoundHalfToEven(negative ? -value : value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace veltrano::edit
