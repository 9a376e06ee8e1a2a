#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExportOptions.hpp"

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

TEST(ExportOptions, RejectsUnknownOptionsAndMissingValues) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--bogus"}, {"--dr"}, {"--deltax=1"}, {"0.12"}}) {
    ExportOptions opts;
    std::string error;
    EXPECT_FALSE(ParseExportOptions(args, opts, error)) << args.front();
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace jouk
