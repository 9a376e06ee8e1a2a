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

# Each fault: the code it replaces, the faulty code, and what the slip is, separated by " | ".
# The code is looked for in every source of model/ and must stand there exactly once; white space
# does not count (a statement broken or indented anew still matches, and the faulty code replaces
# the whole match), so the list survives reformatting and code moving between files. Slips that
# cannot change any result are left out: the map's angle shifted by half a turn on the other side
# of the circle (its exponent 2 cancels the shift), or the angular step turned the other way
# (only sin θ enters the radius, and the abscissa is the non-negative root), or the carry of the
# next decimal up in the text fallback (it is taken only next to a power of two, and no power of
# two of the doubles needs the carry: the model tests try every one).
faults=$(cat <<'EOF'
kRadiusPassLimit = 50; | kRadiusPassLimit = 49; | one update fewer allowed
if (n == kRadiusPassLimit) { | if (n == kRadiusPassLimit + 1) { | one update more allowed
kRadiusTolerance = 1e-7; | kRadiusTolerance = 1e-6; | a looser tolerance
(std::fabs(x2 - x1) > kRadiusTolerance) | (std::fabs(x2 - x1) >= kRadiusTolerance) | settles when the step equals the tolerance
r = x2; converged = 1; | r = x1; converged = 1; | returns the estimate instead of its image
x1 = (x2 + x1) / 2; | x1 = x2; | no damping
if (B < 0) B = 0; | if (B < -1) B = 0; | the guard near the trailing edge dropped
if (B == 0) return {-nB, 0.0}; | if (B == 0 && R != 1) return {-nB, 0.0}; | the trailing edge itself left to 0/0
lambda = std::atan(2 * s / (R - 1 / R)); | lambda = std::atan(2 * s / (R + 1 / R)); | a swapped sign in the map's angle
double lambda = kPi / 2; | double lambda = kPi; | the angle on the circle R = 1
kStepsPerHalfTurn = 180; | kStepsPerHalfTurn = 90; | an angular step of two degrees
while (j < kMaxHalfPoints) { | while (j <= kMaxHalfPoints) { | one half point beyond the capacity
while (j < kLastPoint) { | while (j <= kLastPoint) { | one point beyond the capacity
if (!(x < st.Rmax)) break; | if (!(x <= st.Rmax)) break; | the dividing streamline goes on at x = Rmax
if (!(st.XH[j] < st.Rmax)) break; | if (!(st.XH[j] <= st.Rmax)) break; | a further streamline goes on at x = Rmax
st.nPts[2] = j; | st.nPts[2] = j - 1; | the front half one point short
if (2 * (k / 2) == k) { | if (2 * (k / 2) != k) { | odd and even sides swapped
st.YS(k, i) = y * st.CosAlfa + x * st.SinAlfa + yc; | st.YS(k, i) = y * st.CosAlfa - x * st.SinAlfa + yc; | the placement turns the wrong way
st.Eps * (-f.b) | st.Eps * f.b | the circle centre on the wrong side
std::sin(f.alpha + f.beta) * iKutta; | std::sin(f.alpha - f.beta) * iKutta; | the circulation from the wrong angle
(1 - std::pow(q, nExp)); | (1 + std::pow(q, nExp)); | the mapping length with a swapped sign
return -f.Gamma / (4 * Pi * f.a * f.U); | return f.Gamma / (4 * Pi * f.a * f.U); | the stagnation sine with a swapped sign
st.XS(i, j) = X * st.CosAlfa + Y * st.SinAlfa; | st.XS(i, j) = X * st.CosAlfa - Y * st.SinAlfa; | the turn by the angle of attack mixed up
const double dTheta0 = 2 * st.Pi / (st.nPts[0] - 1); | const double dTheta0 = 2 * st.Pi / st.nPts[0]; | the contour does not close
const double r = std::nearbyint(v); | const double r = std::round(v); | half-even rounding turned into half-away
const double whole = std::floor( | const double whole = std::ceil( | a fractional count rounded up
if (k > UsableRows(st)) return 0; | if (k >= UsableRows(st)) return 0; | the last table row never searched
if (k < 1) return {st.Eps, st.Mu}; | if (k < 0) return {st.Eps, st.Mu}; | a miss takes the unused row 0
TabGama[row] = GridKey(m); | TabGama[row] = GridKey(m) * 10; | a camber key off by a factor of ten
v[kKMax] <= kLastStreamline | v[kKMax] < kLastStreamline | the largest streamline count refused
if (!finite && n == computed) n = j - 1; | if (!finite && n == computed) n = j; | the first undefined point kept
an.AmpShort2 = 0.003; | an.AmpShort2 = 0.002; | a changed ripple amplitude
st.anim.dtAnim = intervalMs / 100.0; | st.anim.dtAnim = intervalMs / 1000.0; | the time step from the wrong unit
return {w + an.AmpShort1 * sinRipple, w + an.AmpShort2 * cosRipple}; | return {w + an.AmpShort1 * sinRipple, w + an.AmpShort2 * sinRipple}; | both lines ripple alike
n.negative = p < text.size() && text[p] == '-'; | n.negative = p < text.size() && text[p] == '+'; | the sign read the wrong way
if (!n.expPart.empty()) form.append("e").append(n.expPart); | if (!n.expPart.empty()) form.append("e"); | the exponent's digits lost
r.liftCoefficient = 2 * flow.Gamma / (flow.U * r.chord); | r.liftCoefficient = flow.Gamma / (flow.U * r.chord); | Kutta–Joukowski without its factor 2
const double thetaFront = kPi - thetaRear; | const double thetaFront = kPi + thetaRear; | the front stagnation point mirrored the wrong way
const double sin2 = 2 * flow.cosAlfa * flow.sinAlfa; | const double sin2 = flow.cosAlfa * flow.sinAlfa; | the free stream's direction from a half angle formula
p.cp = 1 - v.speed * v.speed; | p.cp = 1 - v.speed; | the pressure from the speed, not its square
if (!closing && xs[k] <= at.leadingEdge) ++r.upperCount; | if (!closing && xs[k] < at.leadingEdge) ++r.upperCount; | the leading edge left out of the upper surface
flow.trailingEdgeRest = 2 * f.U * sinAB * (st.iKutta - 1); | flow.trailingEdgeRest = 2 * f.U * sinAB * (1 - st.iKutta); | the circulation left at the trailing edge with a swapped sign
ratio = 2 * flow.U * std::fabs(c) / flow.a; | ratio = flow.U * std::fabs(c) / flow.a; | the trailing-edge speed limit halved
TurnByAngle(Mirror(T), flow.cosAlfa, flow.sinAlfa) | TurnByAngle(T, flow.cosAlfa, flow.sinAlfa) | the surface without the map's mirror
r.whole = r.hasNumber && r.rest.empty(); | r.whole = r.rest.empty(); | an empty box counted as read whole
if (FindSectionRow(st, delta, gamma) == 0) { | if (FindSectionRow(st, delta, gamma) != 0) { | table misses and hits swapped
n.end = n.expPart.empty() ? p : p + 1 + n.expPart.size(); | n.end = n.expPart.empty() ? p : p + n.expPart.size(); | the number's end one short after an exponent
ScrollRange{1, 30, 12, 1, 1, 100.0} | ScrollRange{1, 30, 12, 1, 1, 10.0} | a scroll bar's divisor off by ten
help += ", > 0"; | help += ", >= 0"; | the help allows a zero step
kLastStreamline, 1}; | kLastStreamline - 1, 1}; | the help's last streamline one short
if (ValueOf(nearest) == v) return nearest; | if (ValueOf(nearest) != v) return nearest; | printf's rounding taken although it does not read back
if (std::frexp(v, &e) == 0.5 && std::isnormal(v)) { | if (std::frexp(v, &e) == 0.25 && std::isnormal(v)) { | the narrower gap below a power of two ignored
out.append(static_cast<std::size_t>(-s.exponent - 1), '0'); | out.append(static_cast<std::size_t>(-s.exponent), '0'); | a fixed text below 1 one zero too long
if (v == std::trunc(v)) { | if (v == std::trunc(v) && std::fabs(v) < 0x1p53) { | whole numbers from 2^53 up padded with zeros instead of exact
return TooLarge(form) ? std::numeric_limits<double>::infinity() : 0.0; | return TooLarge(form) ? 0.0 : std::numeric_limits<double>::infinity(); | overflow and underflow swapped
const double amp = std::fabs(an.AmpLong); | const double amp = 0; | the long wave left out of the reach of the ripples
return static_cast<int>(std::clamp(p, 0.0, static_cast<double>(n - 1))); | return static_cast<int>(std::clamp(p, 0.0, static_cast<double>(n))); | the far edge one pixel beyond the picture
return zeta + b * b / zeta; | return zeta - b * b / zeta; | the complex map with a swapped sign
return 2 * b + d * d / zeta; | return b + d * d / zeta; | the map about the trailing edge shifted by b
return minus * plus / (zeta * zeta); | return minus * plus / zeta; | the map's derivative short of a factor 1/ζ
if (w.real() * s.real() + w.imag() * s.imag() < 0) s = -s; | if (w.real() * s.real() < 0) s = -s; | the inverse's root chosen from the real parts alone
return {-t.real(), t.imag()}; | return {t.real(), -t.imag()}; | the picture mirrored across the other axis
P.imag() * cosAlfa + P.real() * sinAlfa | P.imag() * cosAlfa - P.real() * sinAlfa | the turn undone the wrong way
std::norm(inner - zc) > std::norm(outer - zc) | std::norm(inner - zc) < std::norm(outer - zc) | the flow's preimage taken inside the section's circle
if (stretch == 0) return HUGE_VAL; | if (stretch < 0) return HUGE_VAL; | the speed at a singular point left to 0/0
return static_cast<int>(std::nearbyint(scaled)); | return static_cast<int>(scaled); | the grid step truncated instead of rounded
scaled < steps - 0.5 | scaled < steps - 1.5 | the grid index without its last step
const int k = SectionRow(d, m); | const int k = SectionRow(m, d); | the grid index with thickness and camber swapped
return st.TabDelta[row] == Delta && st.TabGama[row] == Gama ? k : 0; | return st.TabDelta[row] == Delta ? k : 0; | the camber key not compared exactly
const double scaled = value * kGridDivisor; | const double scaled = value * kGridDivisor + 0.5; | the grid index half a step off
out += places[place]; ++k; | out += places[place]; | a filled place keeps its digit
text[k + 1] - '1' | text[k + 1] - '0' | the places filled one off
{"Recompute", MessageId::kTooLarge, kRecomputeTexts}, | {"LiftError", MessageId::kTooLarge, kRecomputeTexts}, | the recompute's messages filed under another context
return 1 - sinS * sinS >= 0; | return 1 - sinS * sinS > 0; | a stagnation sine of exactly one refused
if (StagnationPointOnCircle(f, Pi)) return std::nullopt; | if (StagnationPointOnCircle(f, Pi) || true) return std::nullopt; | the stagnation-point limit never refused
if (edges.trailing && edges.leading) | if (edges.trailing || edges.leading) | one omitted edge noted as both
if (!result.ok) return {}; | if (false) return {}; | a failed result's edges noted
if (edges.leading) notes.push_back(MessageId::kLeadingEdgeOffCurves); | if (edges.trailing) notes.push_back(MessageId::kLeadingEdgeOffCurves); | the curves' nose note on the trailing edge's flag
if (n < StreamlineCapacity(i)) continue; | if (n <= StreamlineCapacity(i)) continue; | a full streamline not counted as cut
return i <= 2 ? kLastPoint : 2 * kMaxHalfPoints - 1; | return i <= 2 ? kLastPoint : 2 * kMaxHalfPoints; | a further streamline's capacity one point too large
if (x < st.Olcek && std::fabs(st.YS(i, j)) < (2.0 / 3.0) * st.Olcek) ends.push_back(x); | if (std::fabs(st.YS(i, j)) < (2.0 / 3.0) * st.Olcek) ends.push_back(x); | an end beyond the picture's edge counted as cut short
if (i > 2) addEnd(i, 1); | if (i > 2) addEnd(i, n); | the upstream end of a further streamline left out
for (const int m : {1, 2, 5}) { | for (const int m : {1, 5}) { | the ladder without its twos
constexpr double kHighestShare = 10; | constexpr double kHighestShare = 0.0001; | the ladder ends below any step that fits
note.count = LastStreamline(st, count.value); | note.count = RoundHalfEven(count.value); | the count drawn taken as the rounded count
Number(std::round(note.capacity.reach * 100) / 100) | Number(std::round(note.capacity.reach * 10) / 10) | the reach to one decimal
pending[k] = applied.*kParameters[k].text != shown.*kParameters[k].text; | pending[k] = applied.*kParameters[k].text == shown.*kParameters[k].text; | applied and pending boxes swapped
const double first = std::ceil(low / step - kSlack); | const double first = std::floor(low / step); | the first tick below the range
(m < 1.5 ? 1 : m < 3.5 ? 2 : m < 7.5 ? 5 : 10) | (m < 1.5 ? 1 : m < 3 ? 2 : m < 7.5 ? 5 : 10) | a nice step of two up to 3 only
return 2 * (amp * angle + 8 * ulp(1.0 + 2 * amp)); | return 0 * (amp * angle + 8 * ulp(1.0 + 2 * amp)); | no drift allowed between periods
const double clock = n * (ulp(latest) / 2 + stepError); | const double clock = ulp(latest) / 2 + stepError; | the clock's error of one addition only
if (a.steady() && b.steady()) continue; | if (a.steady() || b.steady()) continue; | a segment with one steady end taken as steady
if (!drifting || tick <= kTicksPerTimeUnit) { | if (!drifting || tick < kTicksPerTimeUnit) { | the first period one frame short
for (int c = 0; c < width_; ++c) row[c] = row[c] == from ? to : row[c]; | for (int c = 1; c < width_; ++c) row[c] = row[c] == from ? to : row[c]; | the first column never recoloured
raster.ReplaceColor(kStreamlineColor, kPlotBackground); | raster.ReplaceColor(kContourColor, kPlotBackground); | the contour erased instead of the frame
return std::isfinite(ratio) && ratio >= 1.5 ? | return std::isfinite(ratio) && ratio > 1.5 ? | a ratio of 1.5 keeps a one-pixel pen
return std::isfinite(pixels) && pixels >= 1.5 ? | return std::isfinite(pixels) && pixels >= 2.5 ? | two device pixels taken as one
MessageAsPlace(note.flatPlate ? MessageId::kFlatPlateComputed : MessageId::kPreviousSectionKept)}); | MessageAsPlace(MessageId::kPreviousSectionKept)}); | the flat plate never named
return Filled(MessageId::kReadRest, {Number(r.value), {ShownText(r.rest, 20)}}); | return Filled(MessageId::kReadRest, {Number(r.value), {r.rest}}); | typed text shown uncut
places.push_back({kParameters[*status.parameter].name, kNameContext}); | places.push_back({kParameters[*status.parameter].label, kNameContext}); | a rejection names the label
result.leadingEdgeOmitted || upperEnd == 0 ? upperEnd : upperEnd - 1; | result.leadingEdgeOmitted || upperEnd == 0 ? upperEnd : upperEnd; | the lower curve without the leading edge
std::snprintf(text, sizeof text, "%.6g", value + 0.0); | std::snprintf(text, sizeof text, "%.6g", value); | a figure of −0
const double cosS = std::sqrt(1 - sinS * sinS); | const double cosS = -std::sqrt(1 - sinS * sinS); | the field's rear and front stagnation points swapped
flow.centre = Complex(st.Eps * (-b), st.Mu * b); | flow.centre = Complex(st.Eps * b, st.Mu * b); | the field's circle centre on the wrong side
FactorRatio(z, flow.rear, zeta, c, section && flow.trailingEdgeStagnant) | FactorRatio(z, flow.rear, zeta, c, flow.trailingEdgeStagnant) | the trailing edge's factors cancelled at every stage
+ f.K * std::log(std::sqrt(r2) / f.a); | - f.K * std::log(std::sqrt(r2) / f.a); | the circulation's part of the stream function with a swapped sign
const double speed = rearRatio * frontRatio * std::norm(zeta) / r2; | const double speed = rearRatio * frontRatio * std::norm(zeta) / std::sqrt(r2); | the field speed over |z| instead of |z|²
v.cp = 1 - speed * speed; | v.cp = 1 - speed; | the field's pressure from the speed, not its square
if (!(r2 >= onSurface * onSurface)) { | if (!(r2 > f.a * f.a)) { | points on the surface counted inside
if (std::abs(zeta - edge) < kAtSingularPoint * c) return edge; | if (std::abs(zeta - edge) < 0 * c) return edge; | a point at the trailing edge not taken onto it
st.anim.downstream = true; | st.anim.downstream = false; | the tunnel's ripples travel upstream
if (st.anim.downstream) st.anim.dtAnim = -st.anim.dtAnim; | if (st.anim.downstream) st.anim.dtAnim = st.anim.dtAnim; | the clock not reversed for downstream ripples
return UnturnByAngle(UnturnByAngle(P, cosAlfa, sinAlfa), cosAlfa, sinAlfa); | return UnturnByAngle(P, cosAlfa, sinAlfa); | the tunnel view turned by α instead of 2α
const Complex mapped = zeta + t * (b * b) / zeta; | const Complex mapped = zeta + t * b / zeta; | the stage's map with b for b²
return std::sqrt(t) * b; | return t * b; | the stage's length without its root
std::copy(st.YS.Row(k) + 1, st.YS.Row(k) + 1 + n, st.YC.Row(k) + 1); | std::copy(st.YS.Row(k) + 1, st.YS.Row(k) + n, st.YC.Row(k) + 1); | the circle-plane copy one point short
t < 0.5 ? 1.0 : 0.0 | t < 0.5 ? 0.0 : 1.0 | the hover's other plane the same plane
if (length == 0) return Mirror(UnturnByAngle(P, cosAlfa, sinAlfa)); | if (length == 0) return UnturnByAngle(P, cosAlfa, sinAlfa); | the hover in the circle plane without the mirror
double p = std::isnan(cp) || !(limit > 0) ? 2 : 2 + 2 * cp / limit; | double p = std::isnan(cp) || !(limit > 0) ? 2 : 2 + cp / limit; | the colour scale spans twice the limit
const std::size_t k = (magnitudes.size() - 1) * 99 / 100; | const std::size_t k = magnitudes.size() - 1; | the scale's limit from the largest value
for (const double q : {1.0, 0.5, 0.0, -0.5, -1.0}) { | for (const double q : {1.0, 0.5, 0.0, -0.5}) { | the colour bar without its lowest number
s.stagnation[1] = shown(Placed(s.flow, s.flow.front)); | s.stagnation[1] = shown(s.flow.front); | the front stagnation mark not placed at the circle
if (setup.cp) DrawColourBar(raster, limit, ratio); | if (false) DrawColourBar(raster, limit, ratio); | the colour bar not drawn
raster.SetPenWidth(ratio); | raster.SetPenWidth(1); | the field picture's pen one pixel wide at any ratio
if (std::fabs(v) < kFixedBelow) { | if (std::fabs(v) <= kFixedBelow) { | the readout's fixed notation one value too far
npos) text.erase(0, 1); | npos) text.erase(0, 0); | a readout that rounds to zero keeps its minus sign
probe.value = FieldAtStagePoint(flow, zeta, StageLength(t, f.b)); | probe.value = FieldAtStagePoint(flow, zeta, f.b); | the readout of every stage taken around the section
OtherPlanePoint(probe.value.circle, t, | OtherPlanePoint(probe.value.circle, 1 - t, | the readout's other plane the one shown
v.bounded ? ReadoutNumber(v.speed) : unbounded | ReadoutNumber(v.speed) | an unbounded speed written as a number
if (v.inside) return text + word(MessageId::kReadoutInside); | if (false) return text + word(MessageId::kReadoutInside); | a point inside the section read as flow
return {w.x1 + u * (w.x2 - w.x1) / width, w.y1 + v * (w.y2 - w.y1) / height}; | return {w.x1 + u * (w.x2 - w.x1) / width, w.y1 + v * (w.y2 - w.y1) / width}; | the pointer's height scaled by the picture's width
std::clamp(t0, 0.0, 1.0) / 2; | std::clamp(t0, 0.0, 1.0); | the play starting at another stage than the slider's
return 1 - std::fabs(1 - 2 * frac); | return std::fabs(1 - 2 * frac); | the play's wave upside down
copy->anim.downstream = st.anim.downstream; | copy->anim.downstream = false; | a fresh copy of the tunnel view with its ripples travelling upstream
if (p.x >= 0.05 && p.x <= 0.95) middle | if (p.x > 0.05 && p.x <= 0.95) middle | the lift plot's middle loses its end at 5 %
std::max(3 * middle, middle + 2) : HUGE_VAL; | 3 * middle : HUGE_VAL; | the peak's cut without its floor m + 2
axis.peakCut = high > limit; | axis.peakCut = high >= limit; | a peak right at the limit cut
EOF
)

# With --check, only says which faults cannot be planted (their code is not found exactly once).
check=false
[ "${1:-}" = "--check" ] && check=true

# Plants the fault `to` in place of `from` in the one source of model/ below the folder $1 that
# holds it (white space aside), keeps the unchanged file beside it as FILE.orig and prints the file's
# name; fails, changing nothing, unless the code stands exactly once in all of model/.
plant() {
  perl -e '
    my ($dir, $from, $to) = @ARGV;
    (my $bare = $from) =~ s/\s+//g;
    my $pattern = join("\\s*", map { quotemeta } split(//, $bare));
    my ($found, $text, $count) = ("", "", 0);
    for my $path (sort glob("$dir/model/*.cpp $dir/model/*.hpp")) {
      local $/;
      open(my $in, "<", $path) or die; my $t = <$in>; close $in;
      my $n = () = $t =~ /$pattern/g;
      next unless $n;
      ($count, $found, $text) = ($count + $n, $path, $t);
    }
    exit 3 unless $count == 1;
    rename($found, "$found.orig") or die;
    $text =~ s/$pattern/$to/;
    open(my $out, ">", $found) or die; print $out $text; close $out;
    print $found;' "$1" "$2" "$3"
}

# Splits a line of the list into from, to and what.
split_fault() {
  from="${1%% | *}"
  local rest="${1#* | }"
  to="${rest%% | *}"
  what="${rest#* | }"
}

if $check; then
  cp -r "$root/model" "$work/"
  missing=0
  while IFS= read -r line; do
    [ -z "$line" ] && continue
    split_fault "$line"
    if file=$(plant "$work" "$from" "$to"); then
      mv "$file.orig" "$file"
    else
      echo "NOT APPLIED: $what"
      missing=$((missing + 1))
    fi
  done <<<"$faults"
  echo "$missing not applicable"
  [ "$missing" -eq 0 ]
  exit
fi

source "$root/scripts/setup.sh"
cp -r "$root/CMakeLists.txt" "$root/cmake" "$root/data" "$root/layout" "$root/model" "$root/tools" "$root/tests" "$work/"
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
  split_fault "$line"
  total=$((total + 1))
  if ! file=$(plant "$work" "$from" "$to"); then
    echo "NOT APPLIED: $what"
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
  mv "$file.orig" "$file"
  touch "$file"
  if [ "$result" = "NOT CAUGHT" ]; then
    echo "NOT CAUGHT (${file#"$work/"}): $what"
  else
    caught=$((caught + 1))
  fi
done <<<"$faults"

echo "$caught of $total caught"
[ "$caught" -eq "$total" ]
