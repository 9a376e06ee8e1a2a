#include "model/DecimalText.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <system_error>

namespace jouk {

#if JOUK_LIBRARY_FLOAT_CHARCONV

namespace {

// Decimal exponent of the first significant digit of the mantissa digits "int.frac" (0 for
// "1.5", 2 for "123", −3 for "0.001"; 0 when every digit is 0).
long long LeadingExponent(std::string_view intPart, std::string_view fracPart) {
  const std::size_t i = intPart.find_first_not_of('0');
  if (i != std::string_view::npos) return static_cast<long long>(intPart.size() - i) - 1;
  const std::size_t f = fracPart.find_first_not_of('0');
  return f != std::string_view::npos ? -static_cast<long long>(f) - 1 : 0;
}

// The value of an exponent's text ("-12"), saturated far beyond any double's range.
long long ExponentValue(std::string_view exponent) {
  const bool negative = !exponent.empty() && exponent.front() == '-';
  long long e = 0;
  for (const char c : exponent) {
    if (c >= '0' && c <= '9') e = std::min<long long>(e * 10 + (c - '0'), 1'000'000'000);
  }
  return negative ? -e : e;
}

// Whether the form, which std::from_chars found out of range, is too large for a double rather
// than too small: by the order of magnitude of its first significant digit.
bool TooLarge(std::string_view form) {
  const std::size_t e = std::min(form.find_first_of("eE"), form.size());
  const std::string_view mantissa = form.substr(0, e);
  const std::string_view exponent = e < form.size() ? form.substr(e + 1) : std::string_view{};
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::string_view fraction =
      point < mantissa.size() ? mantissa.substr(point + 1) : std::string_view{};
  return LeadingExponent(mantissa.substr(0, point), fraction) + ExponentValue(exponent) > 0;
}

}  // namespace

std::string ShortestFixedByCharconv(double v) {
  std::array<char, 400> buf{};  // room for any finite double in fixed notation
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed);
  return std::string(buf.data(), res.ptr);
}

std::string FixedDecimalsByCharconv(double v, int decimals) {
  std::array<char, 400> buf{};  // room for any finite double with 20 places
  const auto res =
      std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, decimals);
  return std::string(buf.data(), res.ptr);
}

double ReadDecimalByCharconv(std::string_view form) {
  double value = 0.0;
  const auto [end, ec] = std::from_chars(form.data(), form.data() + form.size(), value);
  (void)end;
  if (ec == std::errc::result_out_of_range)
    return TooLarge(form) ? std::numeric_limits<double>::infinity() : 0.0;
  return ec == std::errc() ? value : 0.0;
}

#endif

std::string ShortestFixed(double v) {
#if JOUK_USES_CHARCONV_FALLBACK
  return ShortestFixedByPrintf(v);
#else
  return ShortestFixedByCharconv(v);
#endif
}

std::string FixedDecimals(double v, int decimals) {
#if JOUK_USES_CHARCONV_FALLBACK
  return FixedDecimalsByPrintf(v, decimals);
#else
  return FixedDecimalsByCharconv(v, decimals);
#endif
}

double ReadDecimal(std::string_view form) {
#if JOUK_USES_CHARCONV_FALLBACK
  return ReadDecimalByStrtod(form);
#else
  return ReadDecimalByCharconv(form);
#endif
}

}  // namespace jouk
