#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tools/ExportOptions.hpp"

namespace jouk {
namespace {

TEST(ExportOptions, DefaultsAreTheStartUpTexts) {
  ExportOptions opts;
  std::string error;
  ASSERT_TRUE(ParseExportOptions({}, opts, error));
  EXPECT_EQ(opts.texts.Delta, "0.12");
  EXPECT_EQ(opts.texts.Gama, "0.02");
  EXPECT_EQ(opts.texts.Alfa, "5");
  EXPECT_EQ(opts.texts.iKutta, "1");
  EXPECT_EQ(opts.texts.Olcek, "1");
  EXPECT_EQ(opts.texts.dPsi, "0.07");
  EXPECT_EQ(opts.texts.kMax, "10");
  EXPECT_EQ(opts.texts.dR, "0.01");
  EXPECT_FALSE(opts.table);
  EXPECT_EQ(opts.format, ExportFormat::kCsv);
  EXPECT_EQ(opts.width, 600);
  EXPECT_EQ(opts.height, 400);
  EXPECT_EQ(opts.ticks, 1);  // time 0.1, the first frame
  EXPECT_EQ(opts.output, "");
}

TEST(ExportOptions, TextsAreTakenVerbatimInBothForms) {
  ExportOptions opts;
  std::string error;
  ASSERT_TRUE(
      ParseExportOptions({"--delta", "0,12", "--gamma=0.1", "--alpha", "-10", "--kutta=", "--scale",
                          "2.5", "--dpsi=12abc", "--nsl", "20.4", "--dr", " .5", "--table"},
                         opts, error))
      << error;
  EXPECT_EQ(opts.texts.Delta, "0,12");
  EXPECT_EQ(opts.texts.Gama, "0.1");
  EXPECT_EQ(opts.texts.Alfa, "-10");
  EXPECT_EQ(opts.texts.iKutta, "");
  EXPECT_EQ(opts.texts.Olcek, "2.5");
  EXPECT_EQ(opts.texts.dPsi, "12abc");
  EXPECT_EQ(opts.texts.kMax, "20.4");
  EXPECT_EQ(opts.texts.dR, " .5");
  EXPECT_TRUE(opts.table);
}

TEST(ExportOptions, PictureOptions) {
  ExportOptions opts;
  std::string error;
  ASSERT_TRUE(ParseExportOptions(
      {"--format", "png", "--size", "900x600", "--time=1.3", "--output", "flow.png"}, opts, error))
      << error;
  EXPECT_EQ(opts.format, ExportFormat::kPng);
  EXPECT_EQ(opts.width, 900);
  EXPECT_EQ(opts.height, 600);
  EXPECT_EQ(opts.ticks, 13);
  EXPECT_EQ(opts.output, "flow.png");

  // The time counts ticks of 0.1 whatever the decimal rounding of its text; "-" is stdout.
  for (const auto& [time, ticks] :
       std::vector<std::pair<std::string, int>>{{"0", 0},
                                                {"0.3", 3},
                                                {"0.7", 7},
                                                {"1e-1", 1},
                                                {"2.9999999999", 30},
                                                {"1000", 10000},
                                                {"1000000", 10000000},
                                                {"999999.9", 9999999}}) {
    ExportOptions t;
    ASSERT_TRUE(
        ParseExportOptions({"--format=svg", "--time", time, "--output=-", "--size=3X2"}, t, error))
        << time << ": " << error;
    EXPECT_EQ(t.ticks, ticks) << time;
    EXPECT_EQ(t.output, "");
    EXPECT_EQ(t.width, 3);
    EXPECT_EQ(t.height, 2);
  }
  ExportOptions largest;
  EXPECT_TRUE(ParseExportOptions({"--format", "png", "--size", "6000x4000"}, largest, error));
  ExportOptions info;
  ASSERT_TRUE(ParseExportOptions({"--version", "--help", "--format", "csv"}, info, error));
  EXPECT_TRUE(info.version);
  EXPECT_TRUE(info.help);
}

// Every rejection is one line naming the option, and echoes user text without line breaks.
TEST(ExportOptions, RejectsBadOptionsAndValuesOnOneLine) {
  const std::vector<std::vector<std::string>> cases = {
      {"--bogus"},
      {"--dr"},
      {"--deltax=1"},
      {"0.12"},
      {"--table=yes"},
      {"--format", "jpeg"},
      {"--format", "SVG"},
      {"--format"},
      {"--format=png", "--size", "800x800"},
      {"--format=png", "--size", "601x400"},
      {"--format=png", "--size", "9000x6000"},
      {"--format=png", "--size", "0x0"},
      {"--format=png", "--size", "0600x400"},
      {"--format=png", "--size", "600x400x"},
      {"--format=png", "--size", "-600x-400"},
      {"--format=png", "--size", "600 x 400"},
      {"--format=png", "--size", "600x"},
      {"--format=png", "--size", "999999x666666"},
      {"--format=svg", "--time", "0.15"},
      {"--format=svg", "--time", "-0.1"},
      {"--format=svg", "--time", "1000000.1"},
      {"--format=png", "--pen", "0"},
      {"--format=png", "--pen", "17"},
      {"--format=gif", "--pen", "2.5"},
      {"--format=svg", "--pen", "2"},
      {"--format=csv", "--pen", "2"},
      {"--format=svg", "--time", "1e300"},
      {"--format=svg", "--time", "nan"},
      {"--format=svg", "--time", "inf"},
      {"--format=svg", "--time", "0.1s"},
      {"--format=svg", "--time", " 0.1"},
      {"--format=svg", "--time", ""},
      {"--format=svg", "--output="},
      {"--table", "--format", "svg"},
      {"--time", "0.2"},
      {"--size", "900x600"},
      {"--format=png", "--size", "line\nbreak"},
      {"--no\nsuch\roption"},
  };
  for (const std::vector<std::string>& args : cases) {
    ExportOptions opts;
    std::string error;
    EXPECT_FALSE(ParseExportOptions(args, opts, error)) << args.back();
    EXPECT_FALSE(error.empty()) << args.back();
    EXPECT_EQ(error.find_first_of("\n\r"), std::string::npos) << error;
  }
}

// The pen of the raster pictures: 1 by default, any whole width from 1 to 16 for PNG and GIF.
TEST(ExportOptions, PenOfTheRasterPictures) {
  EXPECT_EQ(ExportOptions().pen, 1);
  for (const auto& [format, pen] :
       std::vector<std::pair<std::string, int>>{{"png", 1}, {"png", 3}, {"gif", 8}, {"gif", 16}}) {
    ExportOptions opts;
    std::string error;
    EXPECT_TRUE(ParseExportOptions({"--format", format, "--pen", std::to_string(pen)}, opts, error))
        << error;
    EXPECT_EQ(opts.pen, pen);
  }
  ExportOptions opts;
  std::string error;
  EXPECT_FALSE(ParseExportOptions({"--format", "svg", "--pen", "2"}, opts, error));
  EXPECT_EQ(error, "--pen applies to the raster pictures only (--format png or gif).");
}

}  // namespace
}  // namespace jouk

namespace jouk {
namespace {

TEST(ExportOptions, ProbeFieldAndViewOptions) {
  ExportOptions opts;
  std::string error;
  ASSERT_TRUE(ParseExportOptions(
      {"--format", "probe", "--at", "0.5,-0.25", "--at=-1e-3,2", "--view", "tunnel"}, opts, error))
      << error;
  EXPECT_EQ(opts.format, ExportFormat::kProbe);
  ASSERT_EQ(opts.at.size(), 2u);
  EXPECT_EQ(opts.at[0], Complex(0.5, -0.25));
  EXPECT_EQ(opts.at[1], Complex(-1e-3, 2));
  EXPECT_EQ(opts.view, FlowView::kTunnel);

  ExportOptions field;
  ASSERT_TRUE(ParseExportOptions(
      {"--format", "field", "--map", "0", "--cp", "--size", "900x600", "--output", "F.SVG"}, field,
      error))
      << error;
  EXPECT_EQ(field.map, 0);
  EXPECT_TRUE(field.cp);
  EXPECT_EQ(field.width, 900);
  EXPECT_TRUE(IsSvgName(field.output));
  EXPECT_EQ(ExportOptions().map, 1);
  EXPECT_EQ(ExportOptions().view, FlowView::kMain);
}

TEST(ExportOptions, RejectsBadProbeFieldAndViewOptions) {
  struct Row {
    const char* name;
    std::vector<std::string> args;
    const char* error;
  };
  const Row rows[] = {
      {"at_one_number", {"--format", "probe", "--at", "1"}, "--at takes X,Y"},
      {"at_word", {"--format", "probe", "--at", "1,x"}, "not '1,x'"},
      {"at_three", {"--format", "probe", "--at", "1,2,3"}, "--at takes X,Y"},
      {"at_empty_y", {"--format", "probe", "--at", "1,"}, "--at takes X,Y"},
      {"at_infinite", {"--format", "probe", "--at", "inf,0"}, "--at takes X,Y"},
      {"probe_without_at", {"--format", "probe"}, "needs at least one --at"},
      {"at_without_probe", {"--at", "0,0"}, "--at applies to the probe only"},
      {"map_below", {"--format", "field", "--map", "-0.01", "--output", "f.png"}, "--map takes"},
      {"map_above", {"--format", "field", "--map", "1.5", "--output", "f.png"}, "--map takes"},
      {"map_nan", {"--format", "field", "--map", "nan", "--output", "f.png"}, "--map takes"},
      {"map_without_field", {"--map", "0.5"}, "--map applies to the field picture only"},
      {"cp_without_field", {"--format", "png", "--cp"}, "--cp applies to the field picture"},
      {"cp_with_value", {"--format", "field", "--cp=1", "--output", "f.png"}, "takes no value"},
      {"field_without_output", {"--format", "field"}, "give --output"},
      {"field_to_gif", {"--format", "field", "--output", "f.gif"}, "give --output"},
      {"field_to_bare_ending", {"--format", "field", "--output", ".png"}, "give --output"},
      {"field_time", {"--format", "field", "--time", "1", "--output", "f.png"}, "--time applies"},
      {"view_word", {"--view", "side"}, "--view takes main or tunnel, not 'side'."},
      {"view_summary", {"--format", "summary", "--view", "tunnel"}, "--view applies to"},
      {"view_surface", {"--format", "surface", "--view", "main"}, "--view applies to"},
  };
  for (const Row& row : rows) {
    ExportOptions opts;
    std::string error;
    EXPECT_FALSE(ParseExportOptions(row.args, opts, error)) << row.name;
    EXPECT_NE(error.find(row.error), std::string::npos) << row.name << ": " << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << row.name;
  }
}

TEST(ExportOptions, HelpTellsTheNewFormats) {
  const std::string help = ExportUsage();
  for (const char* word : {"--format probe", "--format field", "--at X,Y", "--map T", "--cp",
                           "--view V", "tunnel", "x,y,inside,speed,cp,psi"}) {
    EXPECT_NE(help.find(word), std::string::npos) << word;
  }
  std::size_t start = 0;
  for (std::size_t end = help.find('\n'); end != std::string::npos;
       start = end + 1, end = help.find('\n', start)) {
    EXPECT_LE(end - start, 90u) << help.substr(start, end - start);
  }
}

}  // namespace
}  // namespace jouk
