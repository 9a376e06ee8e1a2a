#include "NumberText.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace jouk {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Decimal exponent of the first significant digit of the mantissa digits "int.frac" (0 for
// "1.5", 2 for "123", −3 for "0.001"); used to tell overflow from underflow.
long long LeadingExponent(std::string_view intPart, std::string_view fracPart) {
  for (std::size_t i = 0; i < intPart.size(); ++i) {
    if (intPart[i] != '0') return static_cast<long long>(intPart.size() - i) - 1;
  }
  for (std::size_t i = 0; i < fracPart.size(); ++i) {
    if (fracPart[i] != '0') return -static_cast<long long>(i) - 1;
  }
  return 0;
}

}  // namespace

double TextToNumber(std::string_view text) {
  std::size_t p = 0;
  while (p < text.size() && IsBlank(text[p])) ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
    negative = text[p] == '-';
    ++p;
  }
  const std::size_t intBegin = p;
  while (p < text.size() && IsDigit(text[p])) ++p;
  const std::string_view intPart = text.substr(intBegin, p - intBegin);
  std::string_view fracPart;
  if (p < text.size() && text[p] == '.') {
    const std::size_t fracBegin = ++p;
    while (p < text.size() && IsDigit(text[p])) ++p;
    fracPart = text.substr(fracBegin, p - fracBegin);
  }
  if (intPart.empty() && fracPart.empty()) return 0.0;  // no leading number

  // The exponent counts only when at least one digit follows the letter (and its sign).
  std::string_view expPart;
  if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
    std::size_t q = p + 1;
    if (q < text.size() && (text[q] == '+' || text[q] == '-')) ++q;
    const std::size_t digits = q;
    while (q < text.size() && IsDigit(text[q])) ++q;
    if (q > digits) expPart = text.substr(p + 1, q - p - 1);
  }

  // Normalised form "int.frac[e±exp]" for the locale-independent parser.
  std::string form(intPart.empty() ? "0" : intPart);
  if (!fracPart.empty()) {
    form += '.';
    form += fracPart;
  }
  if (!expPart.empty()) {
    form += 'e';
    form += expPart;
  }
  double value = 0.0;
  const auto [end, ec] = std::from_chars(form.data(), form.data() + form.size(), value);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: decide by the order of magnitude.
    long long exponent = 0;
    if (!expPart.empty()) {
      const std::string_view digitsOnly =
          (expPart.front() == '+' || expPart.front() == '-') ? expPart.substr(1) : expPart;
      long long e = 0;
      for (const char c : digitsOnly) e = std::min<long long>(e * 10 + (c - '0'), 1'000'000'000);
      exponent = expPart.front() == '-' ? -e : e;
    }
    const bool overflow = LeadingExponent(intPart, fracPart) + exponent > 0;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

std::string NumberToText(double v) {
  if (std::isnan(v)) return "nan";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  // Fixed notation without precision gives the shortest text that reads back as v.
  std::array<char, 400> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed);
  return std::string(buf.data(), res.ptr);
}

}  // namespace jouk
