// The picture of the flow as PNG: the plot of a freshly opened window after START and a number of
// animation ticks, drawn on the same raster the window draws on and encoded by Qt GUI, without a
// QApplication or a display. The toolkit-free files (SVG, GIF) come with it.
#pragma once

#include <QByteArray>

#include "export/PictureFiles.hpp"
#include "model/Mdl_Common.hpp"

namespace jouk {

// What a fresh window's plot holds after START and `ticks` ticks, drawn at width × height
// pixels with a pen `pen` pixels wide and encoded as PNG (96 dots per inch); empty when the
// picture cannot be allocated or encoded. st holds a recomputed flow; its animation variables are
// left as the last tick left them.
QByteArray WindowPng(FlowState& st, int ticks, int width, int height, int pen = 1);

// The same picture in another format that Qt's image writer offers ("BMP", "JPG", …); empty when
// it cannot be made or the format is not offered.
QByteArray WindowImage(FlowState& st, int ticks, int width, int height, int pen,
                       const QByteArray& format);

// The flow field picture (model/FieldPicture) of width × height logical pixels drawn at `ratio`
// device pixels each and encoded as PNG (96·ratio dots per inch); empty when the picture cannot
// be allocated or encoded, or, with the reason set, when the store holds no flow.
QByteArray FieldPng(const FlowState& st, const FieldPictureSetup& setup, int width, int height,
                    int ratio, MessageId& reason);

}  // namespace jouk
