// The JSON of the tables (tools/TablesJson.hpp) parses as JSON and holds every number and text of
// the parameter table and the windows' layout as the C++ tables hold them.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <string>

#include "layout/WindowLayout.hpp"
#include "model/Parameters.hpp"
#include "tools/TablesJson.hpp"

namespace jouk {
namespace {

QJsonObject Document() {
  const std::string json = TablesJson();
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  EXPECT_TRUE(doc.isObject());
  return doc.object();
}

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

void ExpectBox(const QJsonValue& v, const TwipBox& b, const char* what) {
  const QJsonObject o = v.toObject();
  EXPECT_EQ(o.size(), 4) << what;
  EXPECT_EQ(o["left"].toInt(-1), b.left) << what;
  EXPECT_EQ(o["top"].toInt(-1), b.top) << what;
  EXPECT_EQ(o["width"].toInt(-1), b.width) << what;
  EXPECT_EQ(o["height"].toInt(-1), b.height) << what;
}

void ExpectControl(const QJsonValue& v, const ControlLayout& c) {
  const QJsonObject o = v.toObject();
  EXPECT_EQ(o["name"].toString(), Utf8(c.name));
  ExpectBox(o["box"], c.box, c.name);
  EXPECT_EQ(o["tabIndex"].toInt(-1), c.tabIndex) << c.name;
}

void ExpectCaptioned(const QJsonValue& v, const CaptionedControl& c) {
  ExpectControl(v, c.control);
  EXPECT_EQ(v["caption"].toString(QStringLiteral("?")), Utf8(c.caption)) << c.control.name;
  EXPECT_EQ(v["accessibleName"].toString(), Utf8(c.accessibleName)) << c.control.name;
}

void ExpectColour(const QJsonValue& v, const Colour& c) {
  EXPECT_EQ(v["red"].toInt(-1), c.red);
  EXPECT_EQ(v["green"].toInt(-1), c.green);
  EXPECT_EQ(v["blue"].toInt(-1), c.blue);
}

// Texts with Greek letters come through as the same characters; ranges and divisors as numbers.
TEST(TablesJson, HoldsTheParameterTable) {
  const QJsonObject doc = Document();
  EXPECT_EQ(doc["twipsPerPixel"].toInt(), kTwipsPerPixel);
  EXPECT_EQ(doc["contexts"]["label"].toString(), Utf8(kLabelContext));
  const QJsonArray parameters = doc["parameters"].toArray();
  ASSERT_EQ(parameters.size(), static_cast<qsizetype>(kParameterCount));
  for (std::size_t k = 0; k < kParameterCount; ++k) {
    const ParameterFacts& p = kParameters[k];
    const QJsonObject o = parameters[static_cast<qsizetype>(k)].toObject();
    EXPECT_EQ(o["label"].toString(), Utf8(p.label)) << p.option;
    EXPECT_EQ(o["name"].toString(), Utf8(p.name)) << p.option;
    EXPECT_EQ(o["description"].toString(), Utf8(p.description)) << p.option;
    EXPECT_EQ(o["option"].toString(), Utf8(p.option));
    EXPECT_EQ(o["optionHelp"].toString(), QString::fromStdString(OptionHelp(p))) << p.option;
    EXPECT_EQ(o["startText"].toString(), Utf8(p.startText)) << p.option;
    const QJsonValue bar = o["scrollBar"];
    ASSERT_EQ(bar.isNull(), !p.bar) << p.option;
    if (!p.bar) continue;
    EXPECT_EQ(bar["minimum"].toInt(999), p.bar->minimum) << p.option;
    EXPECT_EQ(bar["maximum"].toInt(-1), p.bar->maximum) << p.option;
    EXPECT_EQ(bar["start"].toInt(-1), p.bar->start) << p.option;
    EXPECT_EQ(bar["arrowStep"].toInt(-1), p.bar->arrowStep) << p.option;
    EXPECT_EQ(bar["pageStep"].toInt(-1), p.bar->pageStep) << p.option;
    EXPECT_EQ(bar["divisor"].toDouble(), p.bar->divisor) << p.option;
  }
  EXPECT_EQ(parameters[0]["label"].toString(), QStringLiteral("δ ="));
}

TEST(TablesJson, HoldsEveryBoxOfTheMainWindow) {
  const QJsonObject w = Document()["mainWindow"].toObject();
  EXPECT_EQ(w["name"].toString(), Utf8(kMainWindow.name));
  EXPECT_EQ(w["context"].toString(), Utf8(kMainWindow.name));
  EXPECT_EQ(w["caption"].toString(), Utf8(kMainWindow.caption));
  EXPECT_EQ(w["client"]["width"].toInt(), kMainWindow.client.width);
  EXPECT_EQ(w["client"]["height"].toInt(), kMainWindow.client.height);
  EXPECT_EQ(w["pointSize"].toDouble(), kMainWindow.pointSize);
  EXPECT_EQ(w["menuItem"]["name"].toString(), Utf8(kMainWindow.menuItemName));
  EXPECT_EQ(w["menuItem"]["caption"].toString(), Utf8(kMainWindow.menuItemCaption));
  const QJsonArray frames = w["frames"].toArray();
  ASSERT_EQ(frames.size(), 2);
  for (qsizetype f = 0; f < 2; ++f) ExpectCaptioned(frames[f], kMainWindow.frames[f].frame);
  const QJsonArray rows = w["parameters"].toArray();
  ASSERT_EQ(rows.size(), static_cast<qsizetype>(kParameterCount));
  for (std::size_t k = 0; k < kParameterCount; ++k) {
    const ParameterControls c = ControlsOf(k);
    const QJsonObject row = rows[static_cast<qsizetype>(k)].toObject();
    EXPECT_EQ(row["frame"].toString(), Utf8(kMainWindow.frames[c.frame].frame.control.name));
    ExpectControl(row["label"], c.label);
    EXPECT_EQ(row["label"]["wrap"].toBool(), LabelWraps(c.label.box)) << c.label.name;
    ExpectControl(row["textBox"], c.textBox);
    ASSERT_EQ(row["scrollBar"].isNull(), !HasScrollBar(k)) << c.textBox.name;
    if (HasScrollBar(k)) ExpectControl(row["scrollBar"], c.scrollBar);
  }
  ExpectCaptioned(w["start"], kMainWindow.start);
  ExpectCaptioned(w["stop"], kMainWindow.stop);
  ExpectCaptioned(w["plot"], kMainWindow.plot);
  const QJsonArray focus = w["focusOrder"].toArray();
  const std::vector<ControlLayout> order = FocusOrder();
  ASSERT_EQ(focus.size(), static_cast<qsizetype>(order.size()));
  for (std::size_t k = 0; k < order.size(); ++k) {
    EXPECT_EQ(focus[static_cast<qsizetype>(k)].toString(), Utf8(order[k].name));
  }
}

TEST(TablesJson, HoldsTheAboutWindow) {
  const QJsonObject w = Document()["aboutWindow"].toObject();
  EXPECT_EQ(w["name"].toString(), Utf8(kAboutWindow.name));
  EXPECT_EQ(w["caption"].toString(), Utf8(kAboutWindow.caption));
  EXPECT_EQ(w["client"]["width"].toInt(), kAboutWindow.client.width);
  EXPECT_EQ(w["client"]["height"].toInt(), kAboutWindow.client.height);
  ExpectColour(w["background"], kAboutWindow.background);
  const QJsonArray labels = w["labels"].toArray();
  ASSERT_EQ(labels.size(), static_cast<qsizetype>(kAboutWindow.labels.size()));
  for (std::size_t k = 0; k < kAboutWindow.labels.size(); ++k) {
    const AboutLabel& l = kAboutWindow.labels[k];
    const QJsonObject o = labels[static_cast<qsizetype>(k)].toObject();
    EXPECT_EQ(o["name"].toString(), Utf8(l.name));
    ExpectBox(o["box"], l.box, l.name);
    EXPECT_EQ(o["text"].toString(), Utf8(l.text)) << l.name;
    EXPECT_EQ(o["translated"].toBool(), l.translated) << l.name;
    EXPECT_EQ(o["font"]["face"].toString(), Utf8(l.font.face)) << l.name;
    EXPECT_EQ(o["font"]["pointSize"].toDouble(), l.font.pointSize) << l.name;
    EXPECT_EQ(o["font"]["weight"].toInt(), l.font.weight) << l.name;
    EXPECT_EQ(o["font"]["underline"].toBool(), l.font.underline) << l.name;
    ExpectColour(o["colour"], l.colour);
    EXPECT_EQ(o["align"].toString(),
              l.align == TextAlign::kCentre ? QStringLiteral("centre") : QStringLiteral("left"))
        << l.name;
    EXPECT_EQ(o["wrap"].toBool(), l.wrap) << l.name;
  }
}

}  // namespace
}  // namespace jouk
