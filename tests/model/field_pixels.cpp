// The flow field picture drawn on the desktop's raster at any size and pen, as raw R, G, B, A
// bytes on standard output: the browser edition's panel at a device pixel ratio is compared with
// it.
//   field_pixels WIDTH HEIGHT PEN STAGE CP VIEW DELTA GAMA ALFA KUTTA SCALE DPSI NSL DR
// CP is 0 or 1, VIEW main or tunnel. Status 2, with the reason on standard error, when the texts
// are rejected or there is no picture; 1 for bad arguments.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/FieldPicture.hpp"
#include "model/FlowPicture.hpp"
#include "model/Parameters.hpp"
#include "model/Recompute.hpp"

int main(int argc, char** argv) {
  using namespace jouk;
  if (argc != 7 + static_cast<int>(kParameterCount)) {
    std::fputs("usage: field_pixels WIDTH HEIGHT PEN STAGE CP VIEW and the eight texts\n", stderr);
    return 1;
  }
  const int width = std::atoi(argv[1]), height = std::atoi(argv[2]), pen = std::atoi(argv[3]);
  const FieldPictureSetup setup{
      .t = std::atof(argv[4]),
      .cp = std::string(argv[5]) == "1",
      .view = std::string(argv[6]) == "tunnel" ? FlowView::kTunnel : FlowView::kMain};
  if (width < 1 || height < 1 || width > 8000 || height > 8000 || pen < 1) return 1;
  ParameterTexts texts;
  for (std::size_t k = 0; k < kParameterCount; ++k) texts.*kParameters[k].text = argv[7 + k];
  FlowState st;
  LoadInitialisation(st);
  const RecomputeStatus status = Recompute(st, texts);
  RasterImage picture(width, height, kPlotBackground);
  MessageId reason{};
  if (!status.ok || picture.empty() ||
      !DrawFieldPicture(picture.raster(), st, setup, pen, reason)) {
    std::fprintf(stderr, "%s\n", status.ok ? EnglishText(reason).c_str() : status.message.c_str());
    return 2;
  }
  std::string bytes;
  for (const Rgb p : picture.pixels()) {
    bytes += {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p),
              static_cast<char>(0xff)};
  }
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() ? 0 : 1;
}
