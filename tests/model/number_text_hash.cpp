// Prints a hash of what NumberToText and TextToNumber make of a long deterministic run of
// doubles and texts, and how many of the texts failed to read back exactly. The desktop's build
// and the browser's build (which converts through printf and strtod) must print the same line.
// Usage: number_text_hash [count]   (default 100000)
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/NumberText.hpp"
#include "tests/model/DecimalSamples.hpp"

int main(int argc, char** argv) {
  const std::uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;
  jouk::testing::SampleRandom r(0xdec1a1u);
  jouk::testing::Fnv1a hash;
  std::uint64_t notReadBack = 0;
  for (std::uint64_t i = 0; i < count; ++i) {
    const double v = jouk::testing::Sample(r, i);
    const std::string text = jouk::NumberToText(v);
    hash.Add(text);
    const double back = jouk::TextToNumber(text);
    if (jouk::testing::BitsOf(back) != jouk::testing::BitsOf(v)) ++notReadBack;
    // A random plain decimal with a sign and trailing text, as a text box may hold it.
    // (Drawn in two statements: the order in which an expression's operands are evaluated
    // differs between compilers.)
    const bool negative = r.Below(2) != 0;
    const std::string typed = (negative ? "-" : " ") + jouk::testing::DecimalForm(r) + "x";
    hash.Add(jouk::TextToNumber(typed));
  }
  std::printf("%llu values, %llu not read back, hash %016llx\n",
              static_cast<unsigned long long>(count), static_cast<unsigned long long>(notReadBack),
              static_cast<unsigned long long>(hash.value()));
  return notReadBack == 0 ? 0 : 1;
}
