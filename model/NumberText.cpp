#include "model/NumberText.hpp"

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

// The run of digits at text[p], moving p past it.
std::string_view Digits(std::string_view text, std::size_t& p) {
  const std::size_t begin = p;
  while (p < text.size() && IsDigit(text[p])) ++p;
  return text.substr(begin, p - begin);
}

// The exponent at text[p] without its letter: an optional sign and at least one digit ("-12"),
// or nothing when the letter is not followed by one.
std::string_view ExponentAt(std::string_view text, std::size_t p) {
  if (p >= text.size() || (text[p] != 'e' && text[p] != 'E')) return {};
  std::size_t q = p + 1;
  if (q < text.size() && (text[q] == '+' || text[q] == '-')) ++q;
  return Digits(text, q).empty() ? std::string_view{} : text.substr(p + 1, q - p - 1);
}

// Decimal exponent of the first significant digit of the mantissa digits "int.frac" (0 for
// "1.5", 2 for "123", −3 for "0.001").
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
    if (IsDigit(c)) e = std::min<long long>(e * 10 + (c - '0'), 1'000'000'000);
  }
  return negative ? -e : e;
}

// The parts of the number at the start of text, after its blanks.
struct Parts {
  bool negative = false;
  std::string_view intPart, fracPart, expPart;  // digits; the exponent with its sign
  std::size_t end = 0;                          // just past the number; 0 when there is none
};

Parts Scan(std::string_view text) {
  Parts n;
  std::size_t p = std::min(text.find_first_not_of(" \t\n\r\v\f"), text.size());
  n.negative = p < text.size() && text[p] == '-';
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
  n.intPart = Digits(text, p);
  if (p < text.size() && text[p] == '.') n.fracPart = Digits(text, ++p);
  if (n.intPart.empty() && n.fracPart.empty()) return Parts{};  // no leading number
  n.expPart = ExponentAt(text, p);
  n.end = n.expPart.empty() ? p : p + 1 + n.expPart.size();
  return n;
}

}  // namespace

double TextToNumber(std::string_view text) {
  const Parts n = Scan(text);
  if (n.end == 0) return 0.0;  // no leading number
  // Normalised form "int.frac[e±exp]" for the locale-independent parser.
  std::string form(n.intPart.empty() ? "0" : n.intPart);
  if (!n.fracPart.empty()) form.append(".").append(n.fracPart);
  if (!n.expPart.empty()) form.append("e").append(n.expPart);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(form.data(), form.data() + form.size(), value);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: decide by the order of magnitude.
    const bool overflow = LeadingExponent(n.intPart, n.fracPart) + ExponentValue(n.expPart) > 0;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc()) {
    value = 0.0;
  }
  return n.negative ? -value : value;
}

std::size_t NumberEnd(std::string_view text) {
  return Scan(text).end;
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
