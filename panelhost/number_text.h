#pragma once
// Numbers as scripts and panel configurations write them: decimal (sign, fraction, exponent) or
// 0x-hex, and the shortest text that reads back to the same double.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace panelhost {

std::optional<double> parseNumber(std::string_view text);
std::optional<std::int64_t> parseInteger(std::string_view text);
std::string formatNumber(double value);
std::string formatHex(std::uint32_t value);

}  // namespace panelhost
