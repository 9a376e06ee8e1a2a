// Captions are laid out in twips for narrow fonts; the toolkit's fallback faces can be wider, and
// a translation longer, so a caption may not fit the label it was laid out for.
#pragma once

class QLabel;

// Makes the label's text fit without clipping. A one-line label, left-aligned with free space to
// its right in every layout of this program, grows to the right to the width of its text. A
// word-wrapping label keeps its size and its font shrinks in quarter-point steps (not below
// minPointSize) until no piece between two places where a line may break (blanks, hyphens) is
// wider than the label, or than the room left of a control on its row that the label's box
// reaches into, and the wrapped lines fit its height. A text that fits changes nothing. Place the
// controls beside the label before calling.
void FitLabelToText(QLabel* label, double minPointSize = 6.0);
