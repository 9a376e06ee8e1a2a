#include "tools/TablesJson.hpp"

#include <cstdio>
#include <vector>

#include "layout/WindowLayout.hpp"
#include "model/NumberText.hpp"
#include "model/Parameters.hpp"

namespace jouk {

namespace {

// Writes JSON text: values, and objects and arrays that put the commas between their members.
class JsonWriter {
 public:
  JsonWriter& Open(char bracket) {
    Separate();
    out_ += bracket;
    first_.push_back(true);
    return *this;
  }
  JsonWriter& Close(char bracket) {
    out_ += bracket;
    first_.pop_back();
    return *this;
  }
  // The key of the next member of an object.
  JsonWriter& Key(const char* key) {
    String(key);
    out_ += ':';
    keyed_ = true;
    return *this;
  }
  JsonWriter& String(const char* text) {
    Separate();
    out_ += '"';
    for (const char* c = text; *c != '\0'; ++c) Escaped(static_cast<unsigned char>(*c));
    out_ += '"';
    return *this;
  }
  // A number in its shortest decimal form, without exponent ("8.25", "100", "-10").
  JsonWriter& Number(double v) { return Raw(NumberToText(v)); }
  JsonWriter& Bool(bool v) { return Raw(v ? "true" : "false"); }
  JsonWriter& Null() { return Raw("null"); }
  std::string Text() const { return out_ + '\n'; }

 private:
  JsonWriter& Raw(const std::string& text) {
    Separate();
    out_ += text;
    return *this;
  }
  // A comma before every member but the first; none between a key and its value.
  void Separate() {
    if (keyed_) {
      keyed_ = false;
      return;
    }
    if (first_.empty()) return;
    if (!first_.back()) out_ += ',';
    first_.back() = false;
  }
  // A byte of a string: quotes, backslashes and control characters escaped, the bytes of other
  // characters (UTF-8) as they are.
  void Escaped(unsigned char c) {
    if (c == '"' || c == '\\') {
      out_ += '\\';
      out_ += static_cast<char>(c);
    } else if (c < 0x20) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", c);
      out_ += code;
    } else {
      out_ += static_cast<char>(c);
    }
  }

  std::string out_;
  std::vector<bool> first_;  // per open object or array: no member written yet
  bool keyed_ = false;       // a key was written; its value follows
};

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

void Parameter(JsonWriter& j, const ParameterSpec& p) {
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
  for (const ParameterSpec& p : kParameters) Parameter(j, p);
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

}  // namespace

std::string TablesJson() {
  JsonWriter j;
  j.Open('{').Key("twipsPerPixel").Number(kTwipsPerPixel);
  Parameters(j);
  MainWindow(j);
  AboutWindow(j);
  j.Close('}');
  return j.Text();
}

}  // namespace jouk
