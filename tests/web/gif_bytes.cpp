// Writes, as hexadecimal text, the looping GIF of the start texts' animation that the exporter
// writes (joukowsky-export --format gif): frames firstTick, firstTick + 1, … of the window's
// picture, through the same WindowGif, here with giflib built for wasm.
// Usage: gif_bytes firstTick frames delayCs
#include <cstdio>
#include <cstdlib>
#include <string>

#include "export/PictureFiles.hpp"
#include "model/Mdl_Common.hpp"
#include "model/Recompute.hpp"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const int firstTick = std::atoi(argv[1]);
  const int frames = std::atoi(argv[2]);
  jouk::FlowState st;
  jouk::LoadInitialisation(st);
  if (!jouk::Recompute(st, jouk::ParameterTexts{}).ok) return 2;
  std::string bytes, error;
  if (!jouk::WindowGif(st, firstTick, frames, 600, 400, std::atoi(argv[3]), bytes, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  for (const char c : bytes) std::printf("%02x", static_cast<unsigned char>(c));
  std::printf("\n");
  return 0;
}
