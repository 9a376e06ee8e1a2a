// The conversions of DecimalText through the C library, for standard libraries without the
// floating std::to_chars and std::from_chars. Written out here because the texts must be exactly
// those of std::to_chars: the window's text boxes and the files show them, and the tests compare
// the two ways bit for bit.
#include <locale.h>
#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "model/DecimalText.hpp"

namespace jouk {

namespace {

// The C locale for strtod_l, made once and never changed: the process's locale may take a comma
// as its decimal separator (the window sets its own).
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c;
}

// A positive decimal d1.d2…dp × 10^exponent.
struct Significand {
  std::string digits;  // d1 … dp, d1 not 0
  int exponent = 0;
};

// v > 0 rounded to p significant digits, to nearest, as "%.*e" writes it. The separator that
// printf takes from the locale is skipped: only the digits and the exponent are read.
Significand Rounded(double v, int p) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*e", p - 1, v);
  Significand s;
  const char* c = text;
  for (; *c != '\0' && *c != 'e'; ++c) {
    if (*c >= '0' && *c <= '9') s.digits += *c;
  }
  if (*c == 'e') s.exponent = std::atoi(c + 1);
  return s;
}

// The next decimal up with as many digits: the last digit plus one, carried (9.99 × 10^e becomes
// 1.00 × 10^(e+1); no power of two of the doubles needs the carry, but the step stays exact).
Significand NextUp(Significand s) {
  std::size_t i = s.digits.size();
  while (i > 0 && s.digits[i - 1] == '9') s.digits[--i] = '0';
  if (i == 0) {
    s.digits.insert(s.digits.begin(), '1');
    s.digits.pop_back();
    ++s.exponent;
  } else {
    ++s.digits[i - 1];
  }
  return s;
}

double ValueOf(const Significand& s) {
  std::string form = s.digits.substr(0, 1);
  if (s.digits.size() > 1) form += '.' + s.digits.substr(1);
  return ReadDecimalByStrtod(form + 'e' + std::to_string(s.exponent));
}

// The p-digit decimal nearest to v > 0 if it reads back as v. Where v is a power of two (a
// normal number of significand 1/2), the gap to the double below is half the gap above, so the
// nearest decimal can lie just below the range that reads back as v while the next one up lies
// inside it: that one is taken then.
std::optional<Significand> ReadsBack(double v, int p) {
  const Significand nearest = Rounded(v, p);
  if (ValueOf(nearest) == v) return nearest;
  int e = 0;
  if (std::frexp(v, &e) == 0.5 && std::isnormal(v)) {
    Significand up = NextUp(nearest);
    if (ValueOf(up) == v) return up;
  }
  return std::nullopt;
}

// The fewest significant digits that read back as v > 0. Whether some p-digit decimal reads back
// only grows with p (the p-digit decimals are among the (p+1)-digit ones), and 17 always do, so
// a bisection over 1..17 finds the fewest.
Significand Shortest(double v) {
  int low = 1, high = 17;
  std::optional<Significand> best = ReadsBack(v, high);
  if (!best) best = Rounded(v, high);  // 17 digits always read back; kept for safety
  while (low < high) {
    const int mid = (low + high) / 2;
    if (std::optional<Significand> s = ReadsBack(v, mid)) {
      best = std::move(s);
      high = mid;
    } else {
      low = mid + 1;
    }
  }
  return *best;
}

// The digits in fixed notation: "0.000ddd" below 1, "dd.ddd" above.
std::string Fixed(const Significand& s, bool negative) {
  std::string digits = s.digits;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = negative ? "-" : "";
  if (s.exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-s.exponent - 1), '0');
    return out + digits;
  }
  const auto whole = static_cast<std::size_t>(s.exponent) + 1;
  if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
  return out + digits.substr(0, whole) + '.' + digits.substr(whole);
}

}  // namespace

std::string ShortestFixedByPrintf(double v) {
  if (v == std::trunc(v)) {
    // A whole number (every double from 2^52 up is one): its exact digits, which are never
    // longer than the shortest digits padded with zeros and are nearer to v.
    char text[400];  // room for any finite double
    std::snprintf(text, sizeof text, "%.0f", v);
    return text;
  }
  return Fixed(Shortest(std::fabs(v)), std::signbit(v));
}

std::string FixedDecimalsByPrintf(double v, int decimals) {
  char text[400];  // room for any finite double with 20 places
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  // Whatever the locale writes between the whole digits and the places is the point.
  std::string out;
  for (const char* c = text; *c != '\0'; ++c) {
    const bool digit = *c >= '0' && *c <= '9';
    if (digit || *c == '-') {
      out += *c;
    } else if (out.find('.') == std::string::npos) {
      out += '.';
    }
  }
  return out;
}

double ReadDecimalByStrtod(std::string_view form) {
  const std::string text(form);  // strtod reads up to a terminating zero
  const locale_t c = CLocale();
  return c != static_cast<locale_t>(0) ? strtod_l(text.c_str(), nullptr, c)
                                       : std::strtod(text.c_str(), nullptr);
}

}  // namespace jouk
