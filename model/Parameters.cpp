#include "model/Parameters.hpp"

namespace jouk {

const ParameterSpec* ParameterByOption(std::string_view option) {
  for (const ParameterSpec& p : kParameters) {
    if (option == p.option) return &p;
  }
  return nullptr;
}

}  // namespace jouk
