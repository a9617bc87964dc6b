// Scrolled texts and progress bars: where they sit in the widget tree,
// their values through the widget and back, the values they refuse, and
// lines typed by a user.
#include <zantor.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "widgets/widget_layer.h"
#include "widgets/widget_test_support.h"
// After gtest: Xlib defines macros (None, Bool) that clash with its names.
#include <Xm/Scale.h>
#include <Xm/Text.h>
#include <X11/IntrinsicP.h>
#include <X11/keysym.h>

namespace zantor::test {
namespace {

void print(const char* key, const std::string& v) {
  std::printf("%s%s\n", key, v.c_str());
  std::fflush(stdout);
}

std::string widgetText(int32_t id) {
  char* s = XmTextGetString(handleOf(id));
  std::string t;
  for (const char* c = s; *c != '\0'; ++c) t += *c == '\n' ? std::string("\\n") : std::string(1, *c);
  XtFree(s);
  return t;  // one output line
}

TEST_F(WidgetTest, ScrolledTextKeepsLinesBetweenProgramAndWidget) {
  Child child([] {
    int32_t top = 0, row = 0, nlin = 3, id = 0;
    wgini("VERT", top);
    wgbas_(&top, "HORI", &row, 4);
    wgstxt_(&row, "one|two", &nlin, &id, 7);
    const int32_t text = id;
    print("place=", placeOf(text));
    short rows = 0;
    XtVaGetValues(handleOf(text), XmNrows, &rows, nullptr);
    print("rows=", std::to_string(rows));
    print("shown=", widgetText(text));
    print("read=", gwgtxt(text));
    swgtxt_(&text, "a|b|c", 5);
    print("shown=", widgetText(text));
    print("read=", gwgtxt(text));
    // Refused: no visible line, a label as parent.
    int32_t zero = 0, bad = 0;
    wgstxt_(&row, "x", &zero, &bad, 1);
    print("zero lines=", std::to_string(bad));
    const int32_t label = wglab(top, "label");
    wgstxt_(&label, "x", &nlin, &bad, 1);
    print("label parent=", std::to_string(bad));
    sendok_();
    wgfin_();
  });
  ASSERT_EQ(child.wait(30), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "place="), std::vector<std::string>{"XmText inside"});
  EXPECT_EQ(valuesOf(out, "rows="), std::vector<std::string>{"3"});
  EXPECT_EQ(valuesOf(out, "shown="), (std::vector<std::string>{"one\\ntwo", "a\\nb\\nc"})) << out;
  EXPECT_EQ(valuesOf(out, "read="), (std::vector<std::string>{"one|two", "a|b|c"}));
  EXPECT_EQ(valuesOf(out, "zero lines="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(out, "label parent="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(out, ">>>> Non positive paramter (WGSTXT)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed parent ID (WGSTXT)").size(), 1u) << out;
}

TEST_F(WidgetTest, LinesTypedIntoAScrolledTextAreReturnedAfterOk) {
  Child child([] {
    swgtit_("scrolled dialog", 15);
    int32_t top = 0, ok = 0, nlin = 4, text = 0;
    wgini("VERT", top);
    wgstxt_(&top, "", &nlin, &text, 0);
    wgok_(&top, &ok);
    reawgt_();
    {
      std::ofstream ids("ids");
      ids << gwgxid_(&text) << ' ' << gwgxid_(&ok) << " end\n";
    }
    wgfin_();
    print("text=", gwgtxt(text) + "$");
  });
  const std::vector<std::string> ids = waitForFile("ids", 30);
  ASSERT_EQ(ids.size(), 2u) << child.output();
  click(Window(std::stoul(ids[0])));
  type("ab");
  pressKey(XK_Return);
  type("cd");
  click(Window(std::stoul(ids[1])));
  ASSERT_EQ(child.wait(20), 0) << child.output();
  EXPECT_EQ(valuesOf(child.output(), "text="), std::vector<std::string>{"ab|cd$"});
}

TEST_F(WidgetTest, ProgressBarFollowsSwgvalInsideItsRange) {
  Child child([] {
    int32_t top = 0, id = 0;
    wgini("VERT", top);
    float lo = 10, hi = 20, step = 0.5f;
    wgpbar_(&top, &lo, &hi, &step, &id);
    const int32_t bar = id;
    print("place=", placeOf(bar));
    unsigned char mode = 0;
    Boolean editable = True;
    XtVaGetValues(handleOf(bar), XmNslidingMode, &mode, XmNeditable, &editable, nullptr);
    print("look=", std::to_string(mode == XmTHERMOMETER) + std::to_string(int(editable)));
    auto show = [&] {
      float v = -1;
      gwgscl_(&bar, &v);
      int shown = 0;
      XmScaleGetValue(handleOf(bar), &shown);
      short points = 0;
      XtVaGetValues(handleOf(bar), XmNdecimalPoints, &points, nullptr);
      char line[80];
      std::snprintf(line, sizeof line, "%g %d/10^%d", double(v), shown, int(points));
      print("value=", line);
    };
    show();  // starts at xmin
    for (float v : {15.5f, 20.0f, 20.5f, 9.0f}) {
      swgval_(&bar, &v);
      show();
    }
    // Bad ranges and steps create nothing.
    float lo2 = 5, hi2 = 5, zero = 0, tiny = 1e-9f;
    wgpbar_(&top, &lo2, &hi2, &step, &id);
    print("empty range=", std::to_string(id));
    wgpbar_(&top, &hi, &lo, &step, &id);
    print("reversed=", std::to_string(id));
    wgpbar_(&top, &lo, &hi, &zero, &id);
    print("zero step=", std::to_string(id));
    wgpbar_(&top, &lo, &hi, &tiny, &id);
    print("tiny step=", std::to_string(id));
    // Beyond the integers the bar counts with.
    float farLo = 3e9f, farHi = 4e9f, farStep = 1e3f;
    wgpbar_(&top, &farLo, &farHi, &farStep, &id);
    print("out of reach=", std::to_string(id));
    // swgval belongs to scales and progress bars only.
    const int32_t label = wglab(top, "label");
    float v = 12;
    swgval_(&label, &v);
    float s0 = 0, s1 = 1, sv = 0.25f;
    int32_t nd = 2, scale = 0;
    wgscl_(&top, "scale", &s0, &s1, &sv, &nd, &scale, 5);
    float half = 0.5f;
    swgval_(&scale, &half);
    gwgscl_(&scale, &sv);
    print("scale=", std::to_string(sv));
    sendok_();
    wgfin_();
  });
  ASSERT_EQ(child.wait(30), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "place="), std::vector<std::string>{"XmScale inside"});
  EXPECT_EQ(valuesOf(out, "look="), std::vector<std::string>{"10"});
  // 20.5 and 9 lie outside and leave the value at 20.
  EXPECT_EQ(valuesOf(out, "value="), (std::vector<std::string>{"10 100/10^1", "15.5 155/10^1",
                                                              "20 200/10^1", "20 200/10^1",
                                                              "20 200/10^1"}));
  EXPECT_EQ(valuesOf(out, ">>>> Value is out of range (SWGVAL)").size(), 2u) << out;
  for (const char* key : {"empty range=", "reversed=", "zero step=", "tiny step=", "out of reach="})
    EXPECT_EQ(valuesOf(out, key), std::vector<std::string>{"-1"}) << key;
  EXPECT_EQ(valuesOf(out, ">>>> Bad scaling values (WGPBAR)").size(), 3u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Too small step size (WGPBAR)").size(), 2u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed widget type (SWGVAL)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, "scale="), std::vector<std::string>{"0.500000"});
}

}  // namespace
}  // namespace zantor::test
