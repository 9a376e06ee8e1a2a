#include "model/NumberText.hpp"

#include <algorithm>
#include <cmath>

#include "model/DecimalText.hpp"

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
  const double value = ReadDecimal(form);
  return n.negative ? -value : value;
}

std::size_t NumberEnd(std::string_view text) {
  return Scan(text).end;
}

std::string NumberToText(double v) {
  if (std::isnan(v)) return "nan";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  return ShortestFixed(v);
}

}  // namespace jouk
