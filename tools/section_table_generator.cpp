// section_table_generator: computes the section table and writes the data file that
// Mdl_ZorapData compiles in (model/SectionTableData.inc). Run by hand after a change to the
// section geometry; a test runs it again and compares its output with the committed file.
//
//   section_table_generator [--report] [OUTPUT]     writes to OUTPUT, or to stdout
//
// Each row of the grid (model/SectionGrid.hpp: thickness step d, camber step m, row
// SectionRow(d, m)) holds the circle offsets (Eps, Mu) whose section has exactly that maximum
// thickness and maximum camber. The prescribed rows are
// written as they are: camber 0 (Mu = 0 and the symmetric offsets below), thickness 0 (the
// circular arcs, Eps = 0 and Mu = 2·camber) and the reference rows below. Every other row is
// solved for by Newton's method on (Eps, Mu) with a finite-difference Jacobian and a halving
// line search, starting from the row of the next lower camber, and printed with five decimals.
//
// The measure (SectionGeometry): upper and lower surface points are paired by polar angle about
// the centre of the map: the circle points on the rays at +ω and −ω. Thickness is the largest
// distance between the images of a pair, camber the greatest height of their midpoint above the
// chord line, the x-axis from the trailing edge to the nose point, and both are divided by that
// chord (1 for every row). For a symmetric section the pairs lie straight above each other, so
// this is the usual vertical thickness over the x-extent.
//
// Candidates tried, with the largest |measured − key| over the 17 reference rows, as fractions
// of the chord (thickness; camber):
//   polar pairs, as above (chosen)                                      6.8e-6;  6.4e-6
//   polar pairs, vertical distance instead of full distance             3.2e-3;  6.4e-6
//   vertical thickness at equal x, highest mean-line point above the
//     x-axis, chord = x-extent                                          8.1e-3;  7.2e-4
//   the same with chord = trailing edge to nose point                  9.4e-3;  9.5e-5
//   thickness normal to the mean line (largest inscribed circle),
//     camber as above, chord = x-extent                                 4.2e-3;  7.2e-4
//   vertical thickness, camber above the line from the trailing edge
//     to the foremost point                                             8.1e-3;  1.4e-2
//   thickness and camber normal to that line, chord = its length       1.05e-2; 1.5e-2
// Only the chosen measure also keeps the relations the table is known for (Eps at camber 0.15
// 3.2 % to 4.3 % below its camber-0 value; Mu = 2·camber·(1 + Eps) within 0.11 %). The
// camber-0 rows agree with it to 1.3e-5 in thickness, the reference rows to 6.8e-6; re-solved,
// the reference rows would move by at most 8.6e-6 in Eps and 1.6e-5 in Mu.
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/SectionGeometry.hpp"
#include "model/SectionGrid.hpp"

namespace {

using jouk::GridKey;
using jouk::kCamberSteps;
using jouk::kTableRows;
using jouk::kThicknessSteps;

struct Offsets {
  double eps;
  double mu;
};

// Eps of the symmetric sections, thickness 0, 0.01, ..., 0.30 (Mu = 0).
constexpr std::array<double, kThicknessSteps> kSymmetricEps = {
    0,       0.00776, 0.01564, 0.02364, 0.03178, 0.04005, 0.04846, 0.05701,
    0.0657,  0.07454, 0.08354, 0.0927,  0.10201, 0.11151, 0.12119, 0.13104,
    0.14108, 0.15132, 0.16176, 0.17241, 0.18327, 0.19436, 0.20569, 0.21725,
    0.22906, 0.24113, 0.25347, 0.26609, 0.279,   0.29221, 0.30574};

struct ReferenceRow {
  int d;  // thickness in hundredths
  int m;  // camber in hundredths
  Offsets value;
};

// Reference rows of the cambered sections, kept as they are.
// clang-format off
constexpr std::array<ReferenceRow, 17> kReferenceRows = {{
    {1, 1, {0.00776, 0.02016}}, {12, 1, {0.102, 0.02203}}, {30, 1, {0.30567, 0.02609}},
    {1, 2, {0.00775, 0.04031}}, {12, 2, {0.10195, 0.04407}}, {30, 2, {0.30548, 0.05217}},
    {6, 5, {0.04826, 0.10483}}, {12, 5, {0.1016, 0.11017}}, {30, 5, {0.30417, 0.1303}},
    {6, 10, {0.04771, 0.20954}}, {12, 10, {0.10036, 0.22006}}, {30, 10, {0.29963, 0.25974}},
    {1, 15, {0.00751, 0.30226}}, {12, 15, {0.09843, 0.32951}}, {18, 15, {0.15571, 0.3467}},
    {29, 15, {0.27975, 0.38371}}, {30, 15, {0.29252, 0.38751}}
}};
// clang-format on

// The prescribed value of row (d, m), if it has one.
bool Prescribed(int d, int m, Offsets& out) {
  if (m == 0) {
    out = {kSymmetricEps[static_cast<std::size_t>(d)], 0.0};
    return true;
  }
  if (d == 0) {
    out = {0.0, 2 * GridKey(m)};  // circular arc: rise over chord Mu/2
    return true;
  }
  for (const ReferenceRow& r : kReferenceRows) {
    if (r.d == d && r.m == m) {
      out = r.value;
      return true;
    }
  }
  return false;
}

// Measured minus wanted thickness and camber.
struct Residual {
  double t;
  double c;
  double Norm() const { return std::fmax(std::fabs(t), std::fabs(c)); }
};

Residual ResidualOf(const Offsets& x, double delta, double gama) {
  // Far outside the table (Eps ≤ −1 has no circle): never an improvement.
  if (!(x.eps > -0.5) || !std::isfinite(x.mu)) return {HUGE_VAL, HUGE_VAL};
  const jouk::SectionMeasure s = jouk::MeasureSection(x.eps, x.mu);
  return {s.thickness - delta, s.camber - gama};
}

// Solves thickness(Eps, Mu) = delta and camber(Eps, Mu) = gama from x by Newton's method:
// J·Δ = −F with J by forward differences, step halved until |F| decreases.
bool SolveOffsets(double delta, double gama, Offsets& x) {
  constexpr double kTolerance = 1e-13;  // on the measured fractions of the chord
  constexpr double kStep = 1e-7;        // finite-difference step in Eps and Mu
  Residual f = ResidualOf(x, delta, gama);
  for (int iteration = 0; iteration < 50; ++iteration) {
    if (f.Norm() <= kTolerance) return true;
    const Residual fe = ResidualOf({x.eps + kStep, x.mu}, delta, gama);
    const Residual fm = ResidualOf({x.eps, x.mu + kStep}, delta, gama);
    const double j11 = (fe.t - f.t) / kStep;
    const double j12 = (fm.t - f.t) / kStep;
    const double j21 = (fe.c - f.c) / kStep;
    const double j22 = (fm.c - f.c) / kStep;
    const double det = j11 * j22 - j12 * j21;
    if (!std::isfinite(det) || det == 0) return false;
    const double dEps = -(j22 * f.t - j12 * f.c) / det;
    const double dMu = -(j11 * f.c - j21 * f.t) / det;
    bool improved = false;
    for (double lambda = 1; lambda > 1e-6; lambda /= 2) {
      const Offsets trial{x.eps + lambda * dEps, x.mu + lambda * dMu};
      const Residual ft = ResidualOf(trial, delta, gama);
      if (ft.Norm() < f.Norm()) {
        x = trial;
        f = ft;
        improved = true;
        break;
      }
    }
    // No further decrease: the measure's own rounding has been reached.
    if (!improved) return f.Norm() <= 100 * kTolerance;
  }
  return f.Norm() <= kTolerance;
}

// The 0-based index of the row of thickness step d and camber step m.
std::size_t RowIndex(int d, int m) {
  return static_cast<std::size_t>(jouk::SectionRow(d, m) - 1);
}

// Fills all rows; `solved` receives the solution of every row with thickness and camber, the
// reference rows included. Returns false, naming the row, if one cannot be solved.
bool BuildTable(std::vector<Offsets>& table, std::vector<bool>& prescribed,
                std::vector<Offsets>& solved) {
  table.assign(kTableRows, {0, 0});
  prescribed.assign(kTableRows, false);
  solved.assign(kTableRows, {0, 0});
  for (int d = 0; d < kThicknessSteps; ++d) {
    Offsets start{kSymmetricEps[static_cast<std::size_t>(d)], 0.0};
    for (int m = 0; m < kCamberSteps; ++m) {
      const std::size_t k = RowIndex(d, m);
      Offsets given{};
      prescribed[k] = Prescribed(d, m, given);
      if (prescribed[k]) {
        table[k] = given;
        if (d == 0 || m == 0) continue;
      }
      // Start from the next lower camber; failing that, from the symmetric section of the same
      // thickness. Mu = 2·camber·(1 + Eps) in both.
      const double symmetric = kSymmetricEps[static_cast<std::size_t>(d)];
      Offsets x{};
      bool found = false;
      for (const double eps : {start.eps, symmetric}) {
        x = {eps, 2 * GridKey(m) * (1 + eps)};
        if ((found = SolveOffsets(GridKey(d), GridKey(m), x))) break;
      }
      if (!found) {
        std::fprintf(stderr, "section_table_generator: no solution for row %zu\n", k + 1);
        return false;
      }
      solved[k] = x;
      if (!prescribed[k]) table[k] = x;
      start = x;
    }
  }
  return true;
}

// The value as the data file holds it: five decimals, read back.
double Written(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.5f", v);
  return std::strtod(text, nullptr);
}

void WriteTable(std::FILE* out, const std::vector<Offsets>& table) {
  std::fprintf(out, "// Section table values {Eps, Mu} for rows 1..%d (row = %d*m + d + 1).\n",
               kTableRows, kThicknessSteps);
  std::fprintf(out, "// Written by tools/section_table_generator; do not edit by hand.\n");
  for (const Offsets& r : table) std::fprintf(out, "{%.5f, %.5f},\n", r.eps, r.mu);
}

// Prints the largest |measured − key| of the written rows (solved, camber 0, reference rows) and
// how far the reference rows lie from their own solutions.
void Report(const std::vector<Offsets>& table, const std::vector<bool>& prescribed,
            const std::vector<Offsets>& solved, double seconds) {
  enum { kSolved, kSymmetric, kReference };
  double worst[3][2] = {};
  double shift[2] = {};
  for (int m = 0; m < kCamberSteps; ++m) {
    for (int d = 1; d < kThicknessSteps; ++d) {
      const std::size_t k = RowIndex(d, m);
      const Residual r =
          ResidualOf({Written(table[k].eps), Written(table[k].mu)}, GridKey(d), GridKey(m));
      const int g = !prescribed[k] ? kSolved : m == 0 ? kSymmetric : kReference;
      worst[g][0] = std::fmax(worst[g][0], std::fabs(r.t));
      worst[g][1] = std::fmax(worst[g][1], std::fabs(r.c));
      if (g == kReference) {
        shift[0] = std::fmax(shift[0], std::fabs(table[k].eps - solved[k].eps));
        shift[1] = std::fmax(shift[1], std::fabs(table[k].mu - solved[k].mu));
      }
    }
  }
  std::fprintf(stderr, "largest |measured - key| (thickness, camber), as written:\n");
  std::fprintf(stderr, "  solved rows     %.1e  %.1e\n", worst[kSolved][0], worst[kSolved][1]);
  std::fprintf(stderr, "  camber 0        %.1e  %.1e\n", worst[kSymmetric][0],
               worst[kSymmetric][1]);
  std::fprintf(stderr, "  reference rows  %.1e  %.1e\n", worst[kReference][0],
               worst[kReference][1]);
  std::fprintf(stderr, "reference rows off their own solutions by at most %.1e (Eps), %.1e (Mu)\n",
               shift[0], shift[1]);
  std::fprintf(stderr, "solved in %.2f s\n", seconds);
}

}  // namespace

int main(int argc, char** argv) {
  bool report = false;
  const char* path = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--report") == 0) {
      report = true;
    } else if (argv[i][0] == '-' || path != nullptr) {
      std::fprintf(stderr, "usage: section_table_generator [--report] [OUTPUT]\n");
      return 2;
    } else {
      path = argv[i];
    }
  }
  const auto begin = std::chrono::steady_clock::now();
  std::vector<Offsets> table;
  std::vector<bool> prescribed;
  std::vector<Offsets> solved;
  if (!BuildTable(table, prescribed, solved)) return 1;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();

  std::FILE* out = path != nullptr ? std::fopen(path, "w") : stdout;
  if (out == nullptr) {
    std::fprintf(stderr, "section_table_generator: cannot write %s\n", path);
    return 1;
  }
  WriteTable(out, table);
  if (path != nullptr && std::fclose(out) != 0) return 1;
  if (report) Report(table, prescribed, solved, seconds);
  return 0;
}
