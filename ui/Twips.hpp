// The layout's twips (1/1440 inch) as the window's logical pixels: 15 twips make one.
#pragma once

#include <QRect>
#include <QSize>

#include "layout/WindowLayout.hpp"

// The box, given in twips, in logical pixels.
constexpr QRect TwipRect(const jouk::TwipBox& box) {
  return QRect(jouk::TwipsToPixels(box.left), jouk::TwipsToPixels(box.top),
               jouk::TwipsToPixels(box.width), jouk::TwipsToPixels(box.height));
}

// The size, given in twips, in logical pixels.
constexpr QSize TwipSize(const jouk::TwipSize& size) {
  return QSize(jouk::TwipsToPixels(size.width), jouk::TwipsToPixels(size.height));
}
