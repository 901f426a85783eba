#include "panelhost/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace panelhost {
namespace {

struct SignedText {
  bool negative = false;
  std::string_view digits;
};

SignedText splitSign(std::string_view text) {
  SignedText out{false, text};
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    out.negative = text.front() == '-';
    out.digits = text.substr(1);
  }
  return out;
}

bool isHex(std::string_view digits) {
  return digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
}

std::optional<std::uint64_t> parseHexDigits(std::string_view digits) {
  std::uint64_t value = 0;
  const char* end = digits.data() + digits.size();
  auto [ptr, ec] = std::from_chars(digits.data() + 2, end, value, 16);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
  const SignedText parts = splitSign(text);
  // from_chars reads a minus of its own, which would make "--5" five and "+-5" minus five.
  if (parts.digits.empty() || parts.digits.front() == '-') return std::nullopt;
  if (isHex(parts.digits)) {
    auto value = parseHexDigits(parts.digits);
    if (!value) return std::nullopt;
    const double magnitude = static_cast<double>(*value);
    return parts.negative ? -magnitude : magnitude;
  }
  double value = 0;
  const char* end = parts.digits.data() + parts.digits.size();
  auto [ptr, ec] = std::from_chars(parts.digits.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return parts.negative ? -value : value;
}

std::optional<std::int64_t> parseInteger(std::string_view text) {
  const SignedText parts = splitSign(text);
  if (parts.digits.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  if (isHex(parts.digits)) {
    auto value = parseHexDigits(parts.digits);
    if (!value) return std::nullopt;
    magnitude = *value;
  } else {
    const char* end = parts.digits.data() + parts.digits.size();
    auto [ptr, ec] = std::from_chars(parts.digits.data(), end, magnitude, 10);
    if (ec != std::errc() || ptr != end) return std::nullopt;
  }
  if (magnitude > static_cast<std::uint64_t>(INT64_MAX)) return std::nullopt;
  const auto value = static_cast<std::int64_t>(magnitude);
  return parts.negative ? -value : value;
}

std::string formatNumber(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) return "0";  // no "-0"
  char buffer[64];
  auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, ec == std::errc() ? ptr : buffer);
}

std::string formatHex(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(value));
  return buffer;
}

}  // namespace panelhost
