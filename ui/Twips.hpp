// Window geometry is laid out in twips (1/1440 inch); 15 twips make one logical pixel.
#pragma once

#include <QRect>

#include "model/Parameters.hpp"

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  return twips / kTwipsPerPixel;
}

// The rectangle (left, top, width, height), given in twips, in logical pixels.
constexpr QRect TwipRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height));
}

constexpr QRect TwipRect(const jouk::TwipBox& box) {
  return TwipRect(box.left, box.top, box.width, box.height);
}
