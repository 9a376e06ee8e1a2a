// The plot of a fresh window after START and a number of ticks, drawn on the desktop's raster at
// any size and pen, as raw R, G, B, A bytes on standard output: the browser edition's canvas at a
// device pixel ratio is compared with it.
//   replay_pixels WIDTH HEIGHT PEN TICKS DELTA GAMA ALFA KUTTA SCALE DPSI NSL DR
// Status 2, with the reason on standard error, when the texts are rejected; 1 for bad arguments.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/FlowPicture.hpp"
#include "model/Parameters.hpp"
#include "model/Raster.hpp"
#include "model/Recompute.hpp"

int main(int argc, char** argv) {
  using namespace jouk;
  if (argc != 5 + static_cast<int>(kParameterCount)) {
    std::fputs("usage: replay_pixels WIDTH HEIGHT PEN TICKS and the eight texts\n", stderr);
    return 1;
  }
  const int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
  const int pen = std::atoi(argv[3]), ticks = std::atoi(argv[4]);
  if (width < 1 || height < 1 || width > 8000 || height > 8000 || pen < 1 || ticks < 0) return 1;
  ParameterTexts texts;
  for (std::size_t k = 0; k < kParameterCount; ++k) texts.*kParameters[k].text = argv[5 + k];
  FlowState st;
  LoadInitialisation(st);
  const RecomputeStatus status = Recompute(st, texts);
  if (!status.ok) {
    std::fprintf(stderr, "%s\n", status.message.c_str());
    return 2;
  }
  RasterImage picture(width, height, kPlotBackground);
  if (picture.empty()) return 1;
  picture.raster().SetPenWidth(pen);
  ReplayWindowPicture(picture.raster(), st, ticks);
  std::string bytes;
  for (const Rgb p : picture.pixels()) {
    bytes += {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p),
              static_cast<char>(0xff)};
  }
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() ? 0 : 1;
}
