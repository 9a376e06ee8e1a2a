#include "export/ExportPictures.hpp"

#include <QBuffer>
#include <QImage>

#include "model/FlowPicture.hpp"
#include "model/Raster.hpp"

namespace jouk {

namespace {

// 96 dots per inch.
constexpr int kDotsPerMeter = 3780;

}  // namespace

QByteArray WindowPng(FlowState& st, int ticks, int width, int height, int pen) {
  return WindowImage(st, ticks, width, height, pen, "PNG");
}

QByteArray WindowImage(FlowState& st, int ticks, int width, int height, int pen,
                       const QByteArray& format) {
  RasterImage picture(width, height, kPlotBackground);
  if (picture.empty()) return QByteArray();
  picture.raster().SetPenWidth(pen);
  ReplayWindowPicture(picture.raster(), st, ticks);
  // The image only reads the pixels; QImage encodes PNG without a QGuiApplication. The
  // resolution written is 96 dots per inch, one pixel per logical pixel of the window.
  QImage image(reinterpret_cast<const uchar*>(picture.pixels().data()), width, height,
               static_cast<qsizetype>(width) * 4, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format.constData())) {
    return QByteArray();
  }
  return bytes;
}

}  // namespace jouk
