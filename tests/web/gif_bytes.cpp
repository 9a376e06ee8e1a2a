// Writes, as hexadecimal text, the looping GIF of the start texts' animation that the exporter
// writes (joukowsky-export --format gif): frames firstTick, firstTick + 1, … of the window's
// picture, encoded by the same GifWriter, here through giflib built for wasm. A stand-in for the
// page's "Save animation" until the export layer's GIF function builds without Qt.
// Usage: gif_bytes firstTick frames delayCs
#include <cstdio>
#include <cstdlib>
#include <string>

#include "export/GifEncoder.hpp"
#include "model/FlowPicture.hpp"
#include "model/Mdl_Common.hpp"
#include "model/Raster.hpp"
#include "model/Recompute.hpp"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const int firstTick = std::atoi(argv[1]);
  const int frames = std::atoi(argv[2]);
  jouk::FlowState st;
  jouk::LoadInitialisation(st);
  if (!jouk::Recompute(st, jouk::ParameterTexts{}).ok) return 2;
  jouk::RasterImage picture(600, 400, jouk::kPlotBackground);
  jouk::GifWriter gif(600, 400,
                      {jouk::kPlotBackground, jouk::kContourColor, jouk::kStreamlineColor},
                      std::atoi(argv[3]));
  jouk::Raster& raster = picture.raster();
  jouk::ReplayWindowPicture(raster, st, firstTick);
  for (int frame = 0; frame < frames; ++frame) {
    if (frame > 0) jouk::DrawAnimationTick(raster, st);
    if (!gif.AddFrame(raster.pixels(), raster.pitch())) break;
  }
  std::string bytes, error;
  if (!gif.Finish(bytes, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  for (const char c : bytes) std::printf("%02x", static_cast<unsigned char>(c));
  std::printf("\n");
  return 0;
}
