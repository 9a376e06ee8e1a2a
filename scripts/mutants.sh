#!/usr/bin/env bash
# Plants one-line faults in model/, one at a time, and checks that the model tests catch each.
#
# The sources are copied to a scratch folder (the working tree is never touched); for every
# fault in the list below the copy gets that one change, model_tests is rebuilt there and run,
# and the fault counts as caught when a test fails (or the run crashes or hangs). Faults no test
# caught are printed, and the last line reads "N of M caught". Exit status 0 when all are caught.
# Run it after ./test.sh, which installs what the build needs; it takes some minutes.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Each fault: file, the text it replaces (exactly once in the file), the faulty text, and what the
# slip is. Fields are separated by " | ". Slips that cannot change any result are left out: the
# map's angle shifted by half a turn on the other side of the circle (its exponent 2 cancels the
# shift), or the angular step turned the other way (only sin θ enters the radius, and the
# abscissa is the non-negative root), or the carry of the next decimal up in the text fallback
# (it is taken only next to a power of two, and no power of two of the doubles needs the carry:
# the model tests try every one).
faults=$(cat <<'EOF'
model/Mdl_ZORAP.hpp | kRadiusPassLimit = 50; | kRadiusPassLimit = 49; | one update fewer allowed
model/Mdl_ZORAP.cpp | if (n == kRadiusPassLimit) { | if (n == kRadiusPassLimit + 1) { | one update more allowed
model/Mdl_ZORAP.hpp | kRadiusTolerance = 1e-7; | kRadiusTolerance = 1e-6; | a looser tolerance
model/Mdl_ZORAP.cpp | (std::fabs(x2 - x1) > kRadiusTolerance) | (std::fabs(x2 - x1) >= kRadiusTolerance) | settles when the step equals the tolerance
model/Mdl_ZORAP.cpp |   r = x2;\n  converged = 1; |   r = x1;\n  converged = 1; | returns the estimate instead of its image
model/Mdl_ZORAP.cpp | x1 = (x2 + x1) / 2; | x1 = x2; | no damping
model/Mdl_ZORAP.cpp | if (B < 0) B = 0; | if (B < -1) B = 0; | the guard near the trailing edge dropped
model/Mdl_ZORAP.cpp | if (B == 0) return {-nB, 0.0}; | if (B == 0 && R != 1) return {-nB, 0.0}; | the trailing edge itself left to 0/0
model/Mdl_ZORAP.cpp | lambda = std::atan(2 * s / (R - 1 / R)); | lambda = std::atan(2 * s / (R + 1 / R)); | a swapped sign in the map's angle
model/Mdl_ZORAP.cpp | double lambda = std::numbers::pi / 2; | double lambda = std::numbers::pi; | the angle on the circle R = 1
model/Mdl_ZORAP.hpp | kStepsPerHalfTurn = 180; | kStepsPerHalfTurn = 90; | an angular step of two degrees
model/Mdl_ZORAP.cpp | while (j < kMaxHalfPoints) { | while (j <= kMaxHalfPoints) { | one half point beyond the capacity
model/Mdl_ZORAP.cpp | while (j < kLastPoint) { | while (j <= kLastPoint) { | one point beyond the capacity
model/Mdl_ZORAP.cpp | if (!(x < st.Rmax)) break; | if (!(x <= st.Rmax)) break; | the dividing streamline goes on at x = Rmax
model/Mdl_ZORAP.cpp | if (!(st.XH[j] < st.Rmax)) break; | if (!(st.XH[j] <= st.Rmax)) break; | a further streamline goes on at x = Rmax
model/Mdl_ZORAP.cpp | st.nPts[2] = j; | st.nPts[2] = j - 1; | the front half one point short
model/Mdl_ZORAP.cpp | if (2 * (k / 2) == k) { | if (2 * (k / 2) != k) { | odd and even sides swapped
model/Mdl_ZORAP.cpp | st.YS(k, i) = y * st.CosAlfa + x * st.SinAlfa + yc; | st.YS(k, i) = y * st.CosAlfa - x * st.SinAlfa + yc; | the placement turns the wrong way
model/Mdl_ZORAP.cpp | const double xc = st.Eps * (-f.b); | const double xc = st.Eps * f.b; | the circle centre on the wrong side
model/Mdl_ZORAP.cpp | std::sin(f.alpha + f.beta) * iKutta; | std::sin(f.alpha - f.beta) * iKutta; | the circulation from the wrong angle
model/Mdl_ZORAP.cpp | (1 - std::pow(q, nExp)); | (1 + std::pow(q, nExp)); | the mapping length with a swapped sign
model/Mdl_ZORAP.cpp | return -f.Gamma / (4 * Pi * f.a * f.U); | return f.Gamma / (4 * Pi * f.a * f.U); | the stagnation sine with a swapped sign
model/Mdl_ZORAP.cpp | st.XS(i, j) = X * st.CosAlfa + Y * st.SinAlfa; | st.XS(i, j) = X * st.CosAlfa - Y * st.SinAlfa; | the turn by the angle of attack mixed up
model/Mdl_ZORAP.cpp | const double dTheta0 = 2 * st.Pi / (st.nPts[0] - 1); | const double dTheta0 = 2 * st.Pi / st.nPts[0]; | the contour does not close
model/Mdl_Common.cpp | const double r = std::nearbyint(v); | const double r = std::round(v); | half-even rounding turned into half-away
model/Mdl_Common.cpp | const double whole = std::floor( | const double whole = std::ceil( | a fractional count rounded up
model/SectionLookup.cpp | for (int k = 1; k <= rows; ++k) { | for (int k = 1; k < rows; ++k) { | the last table row never searched
model/SectionLookup.cpp | if (row < 1 || row > UsableRows(st)) return; | if (row < 0 || row > UsableRows(st)) return; | a miss takes the unused row 0
model/Mdl_ZorapData.cpp | TabGama[row] = m / 100.0; | TabGama[row] = m / 10.0; | a camber key off by a factor of ten
model/Recompute.cpp | v[kKMax] <= kLastStreamline | v[kKMax] < kLastStreamline | the largest streamline count refused
model/Recompute.cpp | if (!finite && n == computed) n = j - 1; | if (!finite && n == computed) n = j; | the first undefined point kept
model/Animation.cpp | an.AmpShort2 = 0.003; | an.AmpShort2 = 0.002; | a changed ripple amplitude
model/Animation.cpp | st.anim.dtAnim = intervalMs / 100.0; | st.anim.dtAnim = intervalMs / 1000.0; | the time step from the wrong unit
model/Animation.hpp | return {w + an.AmpShort1 * sinRipple, w + an.AmpShort2 * cosRipple}; | return {w + an.AmpShort1 * sinRipple, w + an.AmpShort2 * sinRipple}; | both lines ripple alike
model/NumberText.cpp | n.negative = p < text.size() && text[p] == '-'; | n.negative = p < text.size() && text[p] == '+'; | the sign read the wrong way
model/NumberText.cpp | if (!n.expPart.empty()) form.append("e").append(n.expPart); | if (!n.expPart.empty()) form.append("e"); | the exponent's digits lost
model/Aerodynamics.cpp | r.liftCoefficient = 2 * flow.Gamma / (flow.U * r.chord); | r.liftCoefficient = flow.Gamma / (flow.U * r.chord); | Kutta–Joukowski without its factor 2
model/Aerodynamics.cpp | const double thetaFront = kPi - thetaRear; | const double thetaFront = kPi + thetaRear; | the front stagnation point mirrored the wrong way
model/Aerodynamics.cpp | const double sin2 = 2 * flow.cosAlfa * flow.sinAlfa; | const double sin2 = flow.cosAlfa * flow.sinAlfa; | the free stream's direction from a half angle formula
model/Aerodynamics.cpp | p.cp = 1 - v.speed * v.speed; | p.cp = 1 - v.speed; | the pressure from the speed, not its square
model/Aerodynamics.cpp | if (!closing && xs[k] <= leadingEdge) ++r.upperCount; | if (!closing && xs[k] < leadingEdge) ++r.upperCount; | the leading edge left out of the upper surface
model/SurfaceFlow.cpp | flow.trailingEdgeRest = 2 * f.U * sinAB * (st.iKutta - 1); | flow.trailingEdgeRest = 2 * f.U * sinAB * (1 - st.iKutta); | the circulation left at the trailing edge with a swapped sign
model/SurfaceFlow.cpp | ratio = 2 * flow.U * std::fabs(c) / flow.a; | ratio = flow.U * std::fabs(c) / flow.a; | the trailing-edge speed limit halved
model/SurfaceFlow.cpp | Turn(flow, -T.real(), T.imag(), v.x, v.y); | Turn(flow, T.real(), T.imag(), v.x, v.y); | the surface without the map's mirror
model/ReadingNotes.cpp | r.whole = r.hasNumber && r.rest.empty(); | r.whole = r.rest.empty(); | an empty box counted as read whole
model/ReadingNotes.cpp | if (FindSectionRow(st, delta, gamma) == 0) { | if (FindSectionRow(st, delta, gamma) != 0) { | table misses and hits swapped
model/NumberText.cpp | n.end = n.expPart.empty() ? p : p + 1 + n.expPart.size(); | n.end = n.expPart.empty() ? p : p + n.expPart.size(); | the number's end one short after an exponent
model/Parameters.hpp | {{"HScroll_Delta", {1440, 360, 1215, 255}, 20}, 1, 30, 12, 1, 1, 100.0}}, | {{"HScroll_Delta", {1440, 360, 1215, 255}, 20}, 1, 30, 12, 1, 1, 10.0}}, | a scroll bar's divisor off by ten
model/ContourCuts.cpp | const double amp = std::fabs(an.AmpLong); | const double amp = 0; | the long wave left out of the reach of the ripples
model/Raster.cpp | return static_cast<int>(std::clamp(p, 0.0, static_cast<double>(n - 1))); | return static_cast<int>(std::clamp(p, 0.0, static_cast<double>(n))); | the far edge one pixel beyond the picture
model/DecimalTextFallback.cpp | if (ValueOf(nearest) == v) return nearest; | if (ValueOf(nearest) != v) return nearest; | printf's rounding taken although it does not read back
model/DecimalTextFallback.cpp | if (std::frexp(v, &e) == 0.5 && std::isnormal(v)) { | if (std::frexp(v, &e) == 0.25 && std::isnormal(v)) { | the narrower gap below a power of two ignored
model/DecimalTextFallback.cpp | out.append(static_cast<std::size_t>(-s.exponent - 1), '0'); | out.append(static_cast<std::size_t>(-s.exponent), '0'); | a fixed text below 1 one zero too long
model/DecimalTextFallback.cpp | if (v == std::trunc(v)) { | if (v == std::trunc(v) && std::fabs(v) < 0x1p53) { | whole numbers from 2^53 up padded with zeros instead of exact
model/DecimalText.cpp | return TooLarge(form) ? std::numeric_limits<double>::infinity() : 0.0; | return TooLarge(form) ? 0.0 : std::numeric_limits<double>::infinity(); | overflow and underflow swapped
EOF
)

source "$root/scripts/setup.sh"
cp -r "$root/CMakeLists.txt" "$root/cmake" "$root/data" "$root/model" "$root/tools" "$root/tests" "$work/"
build="$work/build"
cmake -S "$work" -B "$build" -G Ninja -DJOUK_BUILD_UI=OFF -DJOUK_BUILD_EXPORT=OFF -DJOUK_MAN_PAGES=OFF >/dev/null
cmake --build "$build" --target model_tests >/dev/null
if ! "$build/tests/model/model_tests" --gtest_brief=1 >/dev/null 2>&1; then
  echo "the model tests fail without any planted fault" >&2
  exit 2
fi

total=0
caught=0
while IFS= read -r line; do
  [ -z "$line" ] && continue
  file="${line%% | *}"
  rest="${line#* | }"
  from="${rest%% | *}"
  rest="${rest#* | }"
  to="${rest%% | *}"
  what="${rest#* | }"
  total=$((total + 1))
  cp "$work/$file" "$work/$file.orig"
  # The text is replaced literally ("\n" stands for a line break), and must occur exactly once.
  if ! perl -e '
      my ($path, $from, $to) = @ARGV;
      s/\\n/\n/g for ($from, $to);
      local $/;
      open(my $in, "<", $path) or die; my $text = <$in>; close $in;
      my $count = () = $text =~ /\Q$from\E/g;
      exit 3 unless $count == 1;
      $text =~ s/\Q$from\E/$to/;
      open(my $out, ">", $path) or die; print $out $text; close $out;' "$work/$file" "$from" "$to"
  then
    echo "NOT APPLIED ($file): $what"
    mv "$work/$file.orig" "$work/$file"
    continue
  fi
  if ! cmake --build "$build" --target model_tests >/dev/null 2>&1; then
    result="caught (does not build)"
  # A crash counts as caught; the inner shell keeps its report of the crash off the output.
  elif bash -c 'timeout 300 "$0" --gtest_brief=1 >"$1" 2>&1; exit $?' \
    "$build/tests/model/model_tests" "$work/run.log" 2>/dev/null; then
    result="NOT CAUGHT"
  else
    result="caught"
  fi
  mv "$work/$file.orig" "$work/$file"
  touch "$work/$file"
  if [ "$result" = "NOT CAUGHT" ]; then
    echo "NOT CAUGHT ($file): $what"
  else
    caught=$((caught + 1))
  fi
done <<<"$faults"

echo "$caught of $total caught"
[ "$caught" -eq "$total" ]
