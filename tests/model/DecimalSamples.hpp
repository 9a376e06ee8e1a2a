// Deterministic doubles and decimal texts for the tests of the text conversions: the same
// sequence on every machine (integer arithmetic and IEEE operations only, and at most one draw
// in any expression, whose operands compilers evaluate in different orders), so that the desktop's
// and the browser's builds can be compared by a hash of what they make of it.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace jouk::testing {

// splitmix64: a small generator whose sequence depends on nothing but the seed.
class SampleRandom {
 public:
  explicit SampleRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
  }
  // A whole number from 0 to n − 1 (n ≥ 1).
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t state_;
};

inline double FromBits(std::uint64_t bits) {
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

inline std::uint64_t BitsOf(double v) {
  std::uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

// The kinds of doubles drawn, in turn.
enum class SampleKind {
  kAnyBits,       // any finite bit pattern
  kTiny,          // subnormal and the smallest normal numbers
  kHuge,          // the largest exponents
  kWhole,         // whole numbers up to 2^64
  kHundredths,    // k/100, k/1000 … as the scroll bars and typed texts give them
  kModerate,      // magnitudes 1e-9 to 1e9, the parameters' range
  kPowerOfTwo,    // 2^e and its neighbours, where the gaps below and above differ
  kShortDecimal,  // the double nearest to a decimal of one to six digits
  kCount
};

// A finite double of the given kind, either sign.
inline double SampleOf(SampleKind kind, SampleRandom& r) {
  const std::uint64_t sign = (r.Next() & 1) << 63;
  const std::uint64_t mantissa = r.Next() & 0xfffffffffffffull;
  double v = 0;
  switch (kind) {
    case SampleKind::kAnyBits:
      v = FromBits(mantissa | (static_cast<std::uint64_t>(r.Below(2047)) << 52));
      break;
    case SampleKind::kTiny:
      v = FromBits(mantissa | (static_cast<std::uint64_t>(r.Below(60)) << 52));
      break;
    case SampleKind::kHuge:
      v = FromBits(mantissa | (static_cast<std::uint64_t>(1990 + r.Below(57)) << 52));
      break;
    case SampleKind::kWhole: {
      const std::uint64_t bits = r.Next();  // one draw per statement: the same order everywhere
      v = static_cast<double>(bits >> r.Below(64));
      break;
    }
    case SampleKind::kHundredths: {
      double scale = 1;
      for (int d = 1 + r.Below(8); d > 0; --d) scale *= 10;
      v = static_cast<double>(r.Below(2000000000)) / scale;
      break;
    }
    case SampleKind::kModerate:
      v = FromBits(mantissa | (static_cast<std::uint64_t>(1023 - 30 + r.Below(61)) << 52));
      break;
    case SampleKind::kPowerOfTwo: {
      const double p = std::ldexp(1.0, r.Below(2098) - 1074);
      const int step = r.Below(3) - 1;
      v = step == 0 ? p : std::nextafter(p, step * HUGE_VAL);
      break;
    }
    case SampleKind::kShortDecimal:
    case SampleKind::kCount: {
      int digits = 1;
      for (int d = r.Below(6); d > 0; --d) digits *= 10;
      const int k = 1 + r.Below(digits * 9);
      // Multiplied or divided by 10 step by step: IEEE operations only, the same bits on every
      // machine (a library's pow may differ by an ulp); near the decimal, not always nearest.
      const int e = r.Below(61) - 30;
      v = k;
      for (int n = 0; n < e; ++n) v *= 10;
      for (int n = 0; n > e; --n) v /= 10;
      break;
    }
  }
  return sign ? -v : v;
}

// The i-th double of the sequence: the kinds in turn.
inline double Sample(SampleRandom& r, std::uint64_t i) {
  return SampleOf(static_cast<SampleKind>(i % static_cast<std::uint64_t>(SampleKind::kCount)), r);
}

// A plain decimal as the number reader passes it on: "int[.frac][e±exp]", each part up to 24
// digits, the exponent up to ±400 (beyond either end of the doubles' range).
inline std::string DecimalForm(SampleRandom& r) {
  std::string form;
  for (int n = 1 + r.Below(24); n > 0; --n) form += static_cast<char>('0' + r.Below(10));
  if (r.Below(2) != 0) {
    form += '.';
    for (int n = r.Below(25); n > 0; --n) form += static_cast<char>('0' + r.Below(10));
  }
  if (r.Below(2) != 0) {
    const int e = r.Below(801) - 400;
    form += 'e' + std::string(e < 0 ? "-" : (r.Below(2) != 0 ? "+" : "")) +
            std::to_string(e < 0 ? -e : e);
  }
  return form;
}

// FNV-1a over bytes, to sum up a long run of texts and doubles in one number.
class Fnv1a {
 public:
  void Add(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t k = 0; k < size; ++k) hash_ = (hash_ ^ bytes[k]) * 0x100000001b3ull;
  }
  void Add(const std::string& text) { Add(text.data(), text.size() + 1); }
  void Add(double v) {
    const std::uint64_t bits = BitsOf(v);
    Add(&bits, sizeof bits);
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xcbf29ce484222325ull;
};

}  // namespace jouk::testing
