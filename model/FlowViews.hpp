// The two planes of the method and the map between them, and the orientations the flow can be
// shown in.
//
// How to use it: Recompute keeps the solver's circle-plane points (after its placement, before
// the map) in st.XC and st.YC beside the picture's XS and YS. StagePoint carries a circle-plane
// point ζ to the picture at the stage t of the map: ζ + t·b²/ζ, itself a Joukowsky map of length
// √t·b (so each stage is the flow around an intermediate body), mirrored and turned as the
// section's points are; t = 0 is the circle plane as shown, t = 1 the section. StreamlineAtStage
// gives a whole streamline so. A view turns the whole picture: kMain is the main window's picture
// (the free stream comes from the right inclined by 2α, the chord at −α: the map mirrors, then
// the turn follows); kTunnel turns it by +2α about the origin, so the free stream runs
// horizontally from right to left and the section is pitched nose-up by α, as in a wind tunnel.
// ApplyView turns a store's picture points into a view and, for kTunnel, makes the ripples of
// the animation travel downstream (to the left); drawn through model/FlowPicture the rules of
// the main picture (erase by overdraw, pixels) hold unchanged. StageCirclePoint undoes a view
// and a stage for a hover point, and OtherPlanePoint gives the point the hover corresponds to in
// the other plane.
#pragma once

#include <vector>

#include "model/ConformalMap.hpp"
#include "model/Mdl_Common.hpp"

namespace jouk {

enum class FlowView {
  kMain,    // as the main window draws the flow
  kTunnel,  // turned by 2α: the free stream horizontal, right to left
};

// Copies the circle-plane points 1..nPts(k) of streamlines 0..kMax from XS, YS into XC, YC;
// the recompute calls it between the solver and the map.
void KeepCirclePlanePoints(FlowState& st);

// The point P of the main picture in the view: kMain P, kTunnel P·e^{2iα}.
Complex ToView(FlowView view, Complex P, double cosAlfa, double sinAlfa);

// The main picture's point of the view's point Q: kMain Q, kTunnel Q·e^{−2iα}.
Complex FromView(FlowView view, Complex Q, double cosAlfa, double sinAlfa);

// Turns the picture points 1..nPts(k) of streamlines 0..kMax of an accepted recompute into the
// view (kMain leaves the store exactly as it is) and sets the ripples' direction: with kTunnel
// the animation clock then runs backwards, sin(2π·(x/L + t)), so the waves travel to −x. It turns
// what the store holds, so it is applied once, to a copy of the recomputed store that the view
// draws (the field functions and the circle-plane copy keep the main orientation).
void ApplyView(FlowState& st, FlowView view);

// The mapping length of the stage t: √t·b, so that ζ + t·b²/ζ is ζ + (√t·b)²/ζ.
double StageLength(double t, double b);

// The picture point of the circle-plane point ζ at stage t in the view:
// ToView(TurnByAngle(Mirror(ζ + t·b²/ζ))). t = 0 gives exactly the turned mirror of ζ.
Complex StagePoint(Complex zeta, double t, double b, double cosAlfa, double sinAlfa, FlowView view);

// Streamline k (points 1..nPts(k), from XC and YC) at stage t in the view; empty for a
// streamline the store does not hold.
std::vector<Complex> StreamlineAtStage(const FlowState& st, int k, double t, FlowView view);

// The circle-plane point shown at the view's point Q at stage t: the view, the turn and the
// mirror undone, then the stage's map, the preimage outside the generating circle of centre zc
// (FlowCirclePoint with the stage's length).
Complex StageCirclePoint(Complex Q, double t, double b, double cosAlfa, double sinAlfa, Complex zc,
                         FlowView view);

// The point of the other plane that corresponds to the circle-plane point ζ shown at stage t:
// its image in the section (t = 1) when t < 1/2, its circle-plane point (t = 0) otherwise, in
// the view.
Complex OtherPlanePoint(Complex zeta, double t, double b, double cosAlfa, double sinAlfa,
                        FlowView view);

}  // namespace jouk
