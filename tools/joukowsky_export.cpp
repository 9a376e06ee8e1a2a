// joukowsky-export: runs the recompute pipeline without a window and prints the result.
#include <cstdio>
#include <string>
#include <vector>

#include "ExportOptions.hpp"
#include "Mdl_Common.hpp"
#include "NumberText.hpp"
#include "Recompute.hpp"

namespace {

void PrintTable(const jouk::FlowState& st) {
  std::printf("row,delta,gamma,eps,mu\n");
  for (int k = 1; k <= st.nTable; ++k) {
    const auto r = static_cast<std::size_t>(k);
    std::printf("%d,%s,%s,%s,%s\n", k, jouk::NumberToText(st.TabDelta[r]).c_str(),
                jouk::NumberToText(st.TabGama[r]).c_str(), jouk::NumberToText(st.TabEps[r]).c_str(),
                jouk::NumberToText(st.TabMu[r]).c_str());
  }
}

void PrintStreamlines(const jouk::FlowState& st) {
  std::printf("streamline,point,x,y\n");
  const int kLast = jouk::LastStreamline(st, st.kMax);
  for (int k = 0; k <= kLast; ++k) {
    for (int i = 1; i <= st.nPts[static_cast<std::size_t>(k)]; ++i) {
      std::printf("%d,%d,%.17g,%.17g\n", k, i, st.XS(k, i), st.YS(k, i));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  jouk::ExportOptions opts;
  std::string error;
  if (!jouk::ParseExportOptions(args, opts, error)) {
    std::fprintf(stderr, "joukowsky-export: %s\n", error.c_str());
    return 2;
  }
  if (opts.help) {
    std::fputs(jouk::ExportUsage().c_str(), stdout);
    return 0;
  }
  jouk::FlowState st;
  jouk::LoadInitialisation(st);
  if (opts.table) {
    PrintTable(st);
    return 0;
  }
  const jouk::RecomputeStatus status = jouk::Recompute(st, opts.texts);
  if (!status.ok) {
    std::fprintf(stderr, "joukowsky-export: %s\n", status.message.c_str());
    return 2;
  }
  PrintStreamlines(st);
  return 0;
}
