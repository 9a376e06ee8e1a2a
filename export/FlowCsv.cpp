#include "export/FlowCsv.hpp"

#include <algorithm>
#include <cstdio>

#include "model/NumberText.hpp"

namespace jouk {

std::string StreamlinesCsv(const FlowState& st) {
  std::string out = "streamline,point,x,y\n";
  const int kLast = LastStreamline(st, st.kMax);
  char line[96];
  for (int k = 0; k <= kLast; ++k) {
    const int last = std::min(st.nPts[static_cast<std::size_t>(k)], kLastPoint);
    for (int i = 1; i <= last; ++i) {
      std::snprintf(line, sizeof line, "%d,%d,%.*g,%.*g\n", k, i, kCsvDigits, st.XS(k, i),
                    kCsvDigits, st.YS(k, i));
      out += line;
    }
  }
  return out;
}

std::string TableCsv(const FlowState& st) {
  std::string out = "row,delta,gamma,eps,mu\n";
  for (int k = 1; k <= st.nTable; ++k) {
    const auto r = static_cast<std::size_t>(k);
    out += std::to_string(k) + ',' + NumberToText(st.TabDelta[r]) + ',' +
           NumberToText(st.TabGama[r]) + ',' + NumberToText(st.TabEps[r]) + ',' +
           NumberToText(st.TabMu[r]) + '\n';
  }
  return out;
}

std::string ProbeCsv(const FieldFlow& flow, FlowView view, const std::vector<Complex>& points) {
  std::string csv = "x,y,inside,speed,cp,psi\n";
  char line[160];
  for (const Complex Q : points) {
    const Complex P = FromView(view, Q, flow.surface.cosAlfa, flow.surface.sinAlfa);
    const FieldValue v = EvaluateField(flow, P);
    if (v.inside) {
      std::snprintf(line, sizeof line, "%.*g,%.*g,1,,,\n", kCsvDigits, Q.real(), kCsvDigits,
                    Q.imag());
    } else {
      std::snprintf(line, sizeof line, "%.*g,%.*g,0,%.*g,%.*g,%.*g\n", kCsvDigits, Q.real(),
                    kCsvDigits, Q.imag(), kCsvDigits, v.speed, kCsvDigits, v.cp, kCsvDigits, v.psi);
    }
    csv += line;
  }
  return csv;
}

}  // namespace jouk
