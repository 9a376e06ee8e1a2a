#include "tools/TablesJson.hpp"

#include "layout/WindowLayout.hpp"
#include "model/Animation.hpp"
#include "model/NumberText.hpp"
#include "model/Parameters.hpp"
#include "tools/JsonWriter.hpp"

namespace jouk {

namespace {

void Box(JsonWriter& j, const TwipBox& b) {
  j.Open('{').Key("left").Number(b.left).Key("top").Number(b.top);
  j.Key("width").Number(b.width).Key("height").Number(b.height).Close('}');
}

void Size(JsonWriter& j, const TwipSize& s) {
  j.Open('{').Key("width").Number(s.width).Key("height").Number(s.height).Close('}');
}

void ColourValue(JsonWriter& j, const Colour& c) {
  j.Open('{').Key("red").Number(c.red).Key("green").Number(c.green);
  j.Key("blue").Number(c.blue).Close('}');
}

// The members of a control, without the braces around them.
void ControlMembers(JsonWriter& j, const ControlLayout& c) {
  j.Key("name").String(c.name).Key("box");
  Box(j, c.box);
  j.Key("tabIndex").Number(c.tabIndex);
}

void Captioned(JsonWriter& j, const CaptionedControl& c) {
  j.Open('{');
  ControlMembers(j, c.control);
  j.Key("caption").String(c.caption).Key("accessibleName").String(c.accessibleName).Close('}');
}

void Parameter(JsonWriter& j, const ParameterFacts& p) {
  j.Open('{').Key("label").String(p.label).Key("name").String(p.name);
  j.Key("description").String(p.description).Key("option").String(p.option);
  j.Key("optionHelp").String(OptionHelp(p).c_str()).Key("startText").String(p.startText);
  j.Key("scrollBar");
  if (!p.bar) {
    j.Null();
  } else {
    j.Open('{').Key("minimum").Number(p.bar->minimum).Key("maximum").Number(p.bar->maximum);
    j.Key("start").Number(p.bar->start).Key("arrowStep").Number(p.bar->arrowStep);
    j.Key("pageStep").Number(p.bar->pageStep).Key("divisor").Number(p.bar->divisor).Close('}');
  }
  j.Close('}');
}

void Parameters(JsonWriter& j) {
  j.Key("contexts").Open('{').Key("label").String(kLabelContext);
  j.Key("name").String(kNameContext).Key("description").String(kDescriptionContext).Close('}');
  j.Key("parameters").Open('[');
  for (const ParameterFacts& p : kParameters) Parameter(j, p);
  j.Close(']');
}

void ParameterRow(JsonWriter& j, std::size_t k) {
  const ParameterControls row = ControlsOf(k);
  j.Open('{').Key("frame").String(kMainWindow.frames.at(row.frame).frame.control.name);
  j.Key("label").Open('{');
  ControlMembers(j, row.label);
  j.Key("wrap").Bool(LabelWraps(row.label.box)).Close('}');
  j.Key("textBox").Open('{');
  ControlMembers(j, row.textBox);
  j.Close('}').Key("scrollBar");
  if (HasScrollBar(k)) {
    j.Open('{');
    ControlMembers(j, row.scrollBar);
    j.Close('}');
  } else {
    j.Null();
  }
  j.Close('}');
}

void MainWindow(JsonWriter& j) {
  const MainWindowLayout& w = kMainWindow;
  j.Key("mainWindow").Open('{').Key("name").String(w.name).Key("context").String(w.name);
  j.Key("caption").String(w.caption).Key("client");
  Size(j, w.client);
  j.Key("pointSize").Number(w.pointSize);
  j.Key("menuItem").Open('{').Key("name").String(w.menuItemName);
  j.Key("caption").String(w.menuItemCaption).Close('}');
  j.Key("frames").Open('[');
  for (const FrameLayout& f : w.frames) Captioned(j, f.frame);
  j.Close(']').Key("parameters").Open('[');
  for (std::size_t k = 0; k < kParameterCount; ++k) ParameterRow(j, k);
  j.Close(']');
  j.Key("start");
  Captioned(j, w.start);
  j.Key("stop");
  Captioned(j, w.stop);
  j.Key("plot");
  Captioned(j, w.plot);
  j.Key("focusOrder").Open('[');
  for (const ControlLayout& c : FocusOrder()) j.String(c.name);
  j.Close(']').Close('}');
}

void AboutLabelValue(JsonWriter& j, const AboutLabel& l) {
  j.Open('{').Key("name").String(l.name).Key("box");
  Box(j, l.box);
  j.Key("text").String(l.text).Key("translated").Bool(l.translated);
  j.Key("font").Open('{').Key("face").String(l.font.face).Key("pointSize").Number(l.font.pointSize);
  j.Key("weight").Number(l.font.weight).Key("underline").Bool(l.font.underline).Close('}');
  j.Key("colour");
  ColourValue(j, l.colour);
  j.Key("align").String(l.align == TextAlign::kCentre ? "centre" : "left");
  j.Key("wrap").Bool(l.wrap).Close('}');
}

void AboutWindow(JsonWriter& j) {
  const AboutWindowLayout& w = kAboutWindow;
  j.Key("aboutWindow").Open('{').Key("name").String(w.name).Key("context").String(w.name);
  j.Key("caption").String(w.caption).Key("client");
  Size(j, w.client);
  j.Key("background");
  ColourValue(j, w.background);
  j.Key("labels").Open('[');
  for (const AboutLabel& l : w.labels) AboutLabelValue(j, l);
  j.Close(']').Close('}');
}

void PlotMenu(JsonWriter& j) {
  j.Key("plotMenu").Open('{').Key("context").String(kPlotMenuContext).Key("items").Open('[');
  for (const MenuItemLayout& item : kPlotMenuItems) {
    j.Open('{').Key("name").String(item.name).Key("caption").String(item.caption);
    j.Key("fileName").String(item.fileName).Close('}');
  }
  j.Close(']')
      .Key("pngFilter")
      .String(kPngPictureFilter)
      .Key("svgFilter")
      .String(kSvgPictureFilter);
  j.Key("notSaved").String(kNotSavedText).Key("notMade").String(kNotMadeText).Close('}');
}

void LiftWindow(JsonWriter& j) {
  const LiftWindowLayout& w = kLiftWindow;
  j.Key("liftWindow").Open('{').Key("name").String(w.name).Key("context").String(w.name);
  j.Key("caption").String(w.caption).Key("circulationCaption").String(w.circulationCaption);
  j.Key("liftCaption").String(w.liftCaption).Key("noValue").String(w.noValue);
  j.Key("nothingYet").String(w.nothingYet).Key("plotContext").String(w.plotContext);
  j.Key("chordAxis").String(w.chordAxis).Key("pressureAxis").String(w.pressureAxis);
  j.Key("upperSurface").String(w.upperSurface).Key("lowerSurface").String(w.lowerSurface);
  j.Key("peakNote").String(w.peakNote);
  j.Close('}');
}

}  // namespace

std::string TablesJson() {
  JsonWriter j;
  j.Open('{').Key("twipsPerPixel").Number(kTwipsPerPixel);
  Parameters(j);
  MainWindow(j);
  AboutWindow(j);
  PlotMenu(j);
  LiftWindow(j);
  j.Key("noteGround");
  ColourValue(j, NoteGround({255, 255, 255}));
  j.Key("tickIntervalMs").Number(kTickIntervalMs);
  j.Close('}');
  return j.Text();
}

}  // namespace jouk
