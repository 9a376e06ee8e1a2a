// Captions are laid out for the fonts of the original platform; the toolkit's fallback faces can
// be wider, so a caption may not fit the label it was laid out for.
#pragma once

class QLabel;

// Makes the label's text fit without clipping. A one-line label, left-aligned with free space to
// its right in every layout of this program, grows to the right to the width of its text. A
// word-wrapping label keeps its size and its font shrinks in quarter-point steps (not below
// minPointSize) until its widest word fits. A text that fits changes nothing.
void FitLabelToText(QLabel* label, double minPointSize = 6.0);
