// Doubles as decimal text and back, in the C locale whatever the process's locale: the shortest
// fixed notation of a double and the double nearest to a plain decimal. Where the standard
// library has the floating std::to_chars and std::from_chars, they do the work; where it lacks
// them (the browser's libc++), the C library's printf and strtod give the same texts and the same
// doubles. Both ways are compiled where both exist, so that the tests compare them.
#pragma once

#include <charconv>  // defines __cpp_lib_to_chars where the floating conversions exist
#include <string>
#include <string_view>

// 1 where the standard library has the floating std::to_chars and std::from_chars.
#if defined(__cpp_lib_to_chars)
#define JOUK_LIBRARY_FLOAT_CHARCONV 1
#else
#define JOUK_LIBRARY_FLOAT_CHARCONV 0
#endif

// 1 where ShortestFixed and ReadDecimal go through printf and strtod: without the library's
// floating conversions, or when the build asks for them (JOUK_CHARCONV_FALLBACK).
#if !JOUK_LIBRARY_FLOAT_CHARCONV || defined(JOUK_CHARCONV_FALLBACK)
#define JOUK_USES_CHARCONV_FALLBACK 1
#else
#define JOUK_USES_CHARCONV_FALLBACK 0
#endif

namespace jouk {

// The text std::to_chars(first, last, v, std::chars_format::fixed) writes for a finite v: of the
// fixed-notation texts that read back as exactly v, one with the fewest characters, and of those
// the nearest to v ("0.12", "-0", "2.5", 1e23 as "99999999999999991611392").
std::string ShortestFixed(double v);

// The text std::to_chars(first, last, v, std::chars_format::fixed, decimals) writes for a finite
// v: v rounded to `decimals` (0 to 20) places after the point, as printf's "%.*f" writes it in the
// C locale ("2.5000", "-0.0000").
std::string FixedDecimals(double v, int decimals);

// The double nearest to the non-negative plain decimal form "digits[.digits][e[±]digits]" (at
// least one digit before the point), ties to even; +infinity when it is too large for a double
// and 0 when it is too small.
double ReadDecimal(std::string_view form);

// ShortestFixed through snprintf: the fewest significant digits "%.*e" gives that read back as v
// (the nearest such decimal, or the next one up where the gap below v is the smaller), laid out
// in fixed notation; a whole number exactly as "%.0f" writes it.
std::string ShortestFixedByPrintf(double v);

// FixedDecimals through snprintf, the point put in for the locale's separator.
std::string FixedDecimalsByPrintf(double v, int decimals);

// ReadDecimal through strtod in the C locale.
double ReadDecimalByStrtod(std::string_view form);

#if JOUK_LIBRARY_FLOAT_CHARCONV
// ShortestFixed through std::to_chars.
std::string ShortestFixedByCharconv(double v);

// FixedDecimals through std::to_chars.
std::string FixedDecimalsByCharconv(double v, int decimals);

// ReadDecimal through std::from_chars.
double ReadDecimalByCharconv(std::string_view form);
#endif

}  // namespace jouk
