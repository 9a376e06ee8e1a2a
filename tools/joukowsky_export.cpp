// joukowsky-export: runs the recompute pipeline without a window and prints the result, or
// draws the window's picture of it. It starts no QApplication and needs no display.
#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

#include "JoukVersion.hpp"
#include "export/ExportPictures.hpp"
#include "export/FlowCsv.hpp"
#include "export/OutputFile.hpp"
#include "model/Aerodynamics.hpp"
#include "model/FieldPicture.hpp"
#include "model/FlowField.hpp"
#include "model/FlowViews.hpp"
#include "model/LiftCsv.hpp"
#include "model/Mdl_Common.hpp"
#include "model/ReadingNotes.hpp"
#include "model/Recompute.hpp"
#include "tools/ExportOptions.hpp"

namespace {

void Report(const std::string& message) {
  std::fprintf(stderr, "joukowsky-export: %s\n", message.c_str());
}

// The notes on texts that were not taken as typed and on what the recompute cut, one line each:
// the option and what was used.
// A thickness and camber pair missing from the table is one note for both options.
void ReportNotes(const jouk::FlowState& st, const jouk::ParameterTexts& texts) {
  bool tableMissTold = false;
  for (const jouk::ReadingNote& note : jouk::ReadingNotes(st, texts)) {
    std::string options = jouk::kParameters[note.parameter].option;
    if (note.kind == jouk::ReadingNote::kNotInTable) {
      if (tableMissTold) continue;
      tableMissTold = true;
      options = std::string(jouk::kParameters[jouk::kDelta].option) + ", " +
                jouk::kParameters[jouk::kGama].option;
    }
    Report("note: " + options + ": " + jouk::EnglishNote(note) + ".");
  }
}

// The probe's rows; false (with the status) when the store holds no flow to probe.
bool MakeProbe(const jouk::FlowState& st, const jouk::ExportOptions& opts, std::string& out,
               int& status) {
  jouk::FieldFlow flow;
  jouk::MessageId reason{};
  if (!jouk::MakeFieldFlow(st, flow, reason)) {
    Report(jouk::EnglishText(reason));
    status = jouk::kExitRejected;
    return false;
  }
  out = jouk::ProbeCsv(flow, opts.view, opts.at);
  return true;
}

// The field picture, PNG or SVG after the output's name; false (with the status) when it cannot
// be made.
bool MakeField(const jouk::FlowState& st, const jouk::ExportOptions& opts, std::string& out,
               int& status) {
  const jouk::FieldPictureSetup setup{.t = opts.map, .cp = opts.cp, .view = opts.view};
  jouk::MessageId reason = jouk::MessageId::kNotComputed;
  bool made = false;
  if (jouk::IsSvgName(opts.output)) {
    made = jouk::FieldSvg(st, setup, opts.width, opts.height,
                          jouk::PictureDescription(opts.texts, 0), out, reason);
  } else {
    const QByteArray png = jouk::FieldPng(st, setup, opts.width, opts.height, 1, reason);
    out.assign(png.constData(), static_cast<std::size_t>(png.size()));
    made = !out.empty();
  }
  if (made) return true;
  Report(jouk::EnglishText(reason));
  status = jouk::kExitRejected;
  return false;
}

// The output for the options from a recomputed flow; false (with the status to return) when it
// cannot be made.
bool MakeOutput(jouk::FlowState& st, const jouk::ExportOptions& opts, std::string& out,
                int& status) {
  using jouk::ExportFormat;
  std::string error;
  switch (opts.format) {
    case ExportFormat::kCsv:
      out = jouk::StreamlinesCsv(st);
      return true;
    case ExportFormat::kSvg:
      out = jouk::WindowSvg(
          st, opts.ticks, opts.width, opts.height,
          jouk::WindowSvgDescription(opts.texts, opts.ticks, opts.width, opts.height,
                                     opts.view == jouk::FlowView::kTunnel));
      return true;
    case ExportFormat::kPng: {
      const QByteArray png = jouk::WindowPng(st, opts.ticks, opts.width, opts.height, opts.pen);
      out.assign(png.constData(), static_cast<std::size_t>(png.size()));
      if (!out.empty()) return true;
      error = "the " + std::to_string(opts.width) + "x" + std::to_string(opts.height) +
              " picture could not be made.";
      break;
    }
    case ExportFormat::kGif:
      if (jouk::WindowGif(st, opts.ticks, opts.frames, opts.width, opts.height, jouk::kGifDelayCs,
                          out, error, opts.pen)) {
        return true;
      }
      break;
    case ExportFormat::kProbe:
      return MakeProbe(st, opts, out, status);
    case ExportFormat::kField:
      return MakeField(st, opts, out, status);
    case ExportFormat::kSummary:
    case ExportFormat::kSurface: {
      const jouk::LiftAndPressure lift = jouk::ComputeLiftAndPressure(st, opts.points);
      if (!lift.ok) {
        Report(lift.error);
        status = jouk::kExitRejected;
        return false;
      }
      const bool summary = opts.format == ExportFormat::kSummary;
      out = summary ? jouk::SummaryCsv(lift) : jouk::SurfaceCsv(lift);
      const std::string note = summary ? std::string() : jouk::SurfaceNote(lift);
      if (!note.empty()) Report(note);
      return true;
    }
  }
  Report(error);
  status = jouk::kExitNotWritten;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  jouk::IgnoreFileSizeSignal();
  const std::vector<std::string> args(argv + 1, argv + argc);
  jouk::ExportOptions opts;
  std::string error;
  if (!jouk::ParseExportOptions(args, opts, error)) {
    Report(error);
    return jouk::kExitRejected;
  }
  if (opts.help) {
    std::fputs(jouk::ExportUsage().c_str(), stdout);
    return jouk::kExitWritten;
  }
  if (opts.version) {
    std::printf("joukowsky-export %s\n", jouk::kVersion);
    return jouk::kExitWritten;
  }
  if (jouk::IsBinary(opts.format) && opts.output.empty() && isatty(STDOUT_FILENO)) {
    Report(
        "PNG and GIF are not written to a terminal; give --output FILE or redirect standard "
        "output.");
    return jouk::kExitRejected;
  }

  jouk::FlowState st;
  jouk::LoadInitialisation(st);
  std::string out;
  if (opts.table) {
    out = jouk::TableCsv(st);
  } else {
    const jouk::RecomputeStatus status = jouk::Recompute(st, opts.texts);
    if (!status.ok) {
      Report(status.message);
      return jouk::kExitRejected;
    }
    ReportNotes(st, opts.texts);
    // The probe and the field picture undo the view themselves; the other formats draw the
    // store's points as the view turns them.
    if (opts.format != jouk::ExportFormat::kProbe && opts.format != jouk::ExportFormat::kField) {
      jouk::ApplyView(st, opts.view);
    }
    int failure = 0;
    if (!MakeOutput(st, opts, out, failure)) return failure;
  }
  if (!jouk::WriteOutput(opts.output, out, error)) {
    Report(error);
    return jouk::kExitNotWritten;
  }
  return jouk::kExitWritten;
}
