#include "export/ExportPictures.hpp"

#include <algorithm>

#include <QBuffer>
#include <QImage>

#include "model/FieldPicture.hpp"
#include "model/FlowPicture.hpp"
#include "model/Raster.hpp"

namespace jouk {

namespace {

// 96 dots per inch.
constexpr int kDotsPerMeter = 3780;

// The picture's pixels in the image writer's format (PNG, say) at `ratio` device pixels per
// logical pixel of 96 dots per inch.
QByteArray EncodeImage(const RasterImage& picture, int ratio, const char* format) {
  const Raster& r = picture.raster();
  // The image only reads the pixels; QImage encodes PNG without a QGuiApplication.
  QImage image(reinterpret_cast<const uchar*>(picture.pixels().data()), r.width(), r.height(),
               static_cast<qsizetype>(r.width()) * 4, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeter * ratio);
  image.setDotsPerMeterY(kDotsPerMeter * ratio);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format)) return QByteArray();
  return bytes;
}

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
  // The resolution written is 96 dots per inch, one pixel per logical pixel of the window.
  return EncodeImage(picture, 1, format.constData());
}

QByteArray FieldPng(const FlowState& st, const FieldPictureSetup& setup, int width, int height,
                    int ratio, MessageId& reason) {
  ratio = std::max(ratio, 1);
  RasterImage picture(width * ratio, height * ratio, kPlotBackground);
  if (picture.empty()) return QByteArray();
  if (!DrawFieldPicture(picture.raster(), st, setup, ratio, reason)) return QByteArray();
  return EncodeImage(picture, ratio, "PNG");
}

}  // namespace jouk
