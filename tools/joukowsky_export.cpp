// joukowsky-export: runs the recompute pipeline without a window and prints the result, or
// draws the window's picture of it. It starts no QApplication and needs no display.
#include <QByteArray>
#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

#include "Aerodynamics.hpp"
#include "ExportOptions.hpp"
#include "ExportPictures.hpp"
#include "FlowPicture.hpp"
#include "JoukVersion.hpp"
#include "LiftCsv.hpp"
#include "Mdl_Common.hpp"
#include "NumberText.hpp"
#include "OutputFile.hpp"
#include "Recompute.hpp"

namespace {

constexpr int kRejected = 2;
constexpr int kNotWritten = 1;

std::string TableCsv(const jouk::FlowState& st) {
  std::string out = "row,delta,gamma,eps,mu\n";
  for (int k = 1; k <= st.nTable; ++k) {
    const auto r = static_cast<std::size_t>(k);
    out += std::to_string(k) + ',' + jouk::NumberToText(st.TabDelta[r]) + ',' +
           jouk::NumberToText(st.TabGama[r]) + ',' + jouk::NumberToText(st.TabEps[r]) + ',' +
           jouk::NumberToText(st.TabMu[r]) + '\n';
  }
  return out;
}

std::string StreamlinesCsv(const jouk::FlowState& st) {
  std::string out = "streamline,point,x,y\n";
  const int kLast = jouk::LastStreamline(st, st.kMax);
  char line[96];
  for (int k = 0; k <= kLast; ++k) {
    const int last = std::min(st.nPts[static_cast<std::size_t>(k)], jouk::kLastPoint);
    for (int i = 1; i <= last; ++i) {
      std::snprintf(line, sizeof line, "%d,%d,%.17g,%.17g\n", k, i, st.XS(k, i), st.YS(k, i));
      out += line;
    }
  }
  return out;
}

// What the picture shows, for its <desc>: the eight texts and the time.
std::string Description(const jouk::ExportOptions& opts) {
  std::string text = "Joukowsky Streamlines " + std::string(jouk::kVersion) + ":";
  for (const jouk::ParameterSpec& p : jouk::kParameters) {
    text += ' ' + std::string(p.option + 2) + ' ' + opts.texts.*p.text + ',';
  }
  return text + " time " +
         jouk::NumberToText(opts.ticks / static_cast<double>(jouk::kTicksPerTimeUnit));
}

}  // namespace

int main(int argc, char** argv) {
  jouk::IgnoreFileSizeSignal();
  const std::vector<std::string> args(argv + 1, argv + argc);
  jouk::ExportOptions opts;
  std::string error;
  if (!jouk::ParseExportOptions(args, opts, error)) {
    std::fprintf(stderr, "joukowsky-export: %s\n", error.c_str());
    return kRejected;
  }
  if (opts.help) {
    std::fputs(jouk::ExportUsage().c_str(), stdout);
    return 0;
  }
  if (opts.version) {
    std::printf("joukowsky-export %s\n", jouk::kVersion);
    return 0;
  }
  if (opts.format == jouk::ExportFormat::kPng && opts.output.empty() && isatty(STDOUT_FILENO)) {
    std::fprintf(stderr,
                 "joukowsky-export: PNG is not written to a terminal; give --output FILE or "
                 "redirect standard output.\n");
    return kRejected;
  }

  jouk::FlowState st;
  jouk::LoadInitialisation(st);
  std::string text;
  QByteArray png;
  if (opts.table) {
    text = TableCsv(st);
  } else {
    const jouk::RecomputeStatus status = jouk::Recompute(st, opts.texts);
    if (!status.ok) {
      std::fprintf(stderr, "joukowsky-export: %s\n", status.message.c_str());
      return kRejected;
    }
    switch (opts.format) {
      case jouk::ExportFormat::kCsv:
        text = StreamlinesCsv(st);
        break;
      case jouk::ExportFormat::kSvg:
        jouk::AdvanceToFrame(st, opts.ticks);
        text = jouk::PictureSvg(st, opts.width, opts.height, opts.ticks > 0, Description(opts));
        break;
      case jouk::ExportFormat::kSummary:
      case jouk::ExportFormat::kSurface: {
        const jouk::LiftAndPressure lift = jouk::ComputeLiftAndPressure(st, opts.points);
        if (!lift.ok) {
          std::fprintf(stderr, "joukowsky-export: %s\n", lift.error.c_str());
          return kRejected;
        }
        const bool summary = opts.format == jouk::ExportFormat::kSummary;
        text = summary ? jouk::SummaryCsv(lift) : jouk::SurfaceCsv(lift);
        const std::string note = summary ? std::string() : jouk::SurfaceNote(lift);
        if (!note.empty()) std::fprintf(stderr, "joukowsky-export: %s\n", note.c_str());
        break;
      }
      case jouk::ExportFormat::kPng:
        png = jouk::WindowPng(st, opts.ticks, opts.width, opts.height);
        if (png.isEmpty()) {
          std::fprintf(stderr, "joukowsky-export: the %dx%d picture could not be made.\n",
                       opts.width, opts.height);
          return kNotWritten;
        }
        break;
    }
  }
  const std::string_view data =
      png.isEmpty() ? std::string_view(text)
                    : std::string_view(png.constData(), static_cast<std::size_t>(png.size()));
  if (!jouk::WriteOutput(opts.output, data, error)) {
    std::fprintf(stderr, "joukowsky-export: %s\n", error.c_str());
    return kNotWritten;
  }
  return 0;
}
