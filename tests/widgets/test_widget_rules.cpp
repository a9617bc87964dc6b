// The rules of the widget layer that need no user: ids and parents,
// nesting, a new dialog after a finished one, the checks of values and
// callbacks, and what happens without a display.  Each dialog runs in a
// child on the suite's own X server and ends itself with sendok.
#include <zantor.h>

#include <cstdio>
#include <cstdlib>

#include "widgets/widget_test_support.h"

namespace zantor::test {
namespace {

void print(const char* key, long v) {
  std::printf("%s%ld\n", key, v);
  std::fflush(stdout);
}

TEST_F(WidgetTest, IdsParentsAndTableGrowth) {
  Child child([] {
    int32_t top = 0;
    wgini("VERT", top);
    print("top=", top);
    const int32_t label = wglab(top, "a label");
    print("label=", label);
    // A label is no parent: nothing is made and the dialog stays usable.
    print("child of label=", wglab(label, "x"));
    print("unknown parent=", wglab(9999, "x"));
    print("zero parent=", wglab(0, "x"));
    int32_t base = 0, ip = top;
    wgbas_(&ip, "HORI", &base, 4);
    int32_t last = 0;
    for (int i = 0; i < 230; ++i) last = wglab(base, "row");
    print("last=", last);
    print("after=", wgtxt(top, "still usable"));
    sendok_();
    wgfin_();
  });
  ASSERT_EQ(child.wait(30), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "top="), std::vector<std::string>{"1"});
  EXPECT_EQ(valuesOf(out, "label="), std::vector<std::string>{"2"});
  EXPECT_EQ(valuesOf(out, "child of label="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(out, "unknown parent="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(out, "zero parent="), std::vector<std::string>{"-1"});
  // The base is widget 3; 230 labels follow it through two table steps.
  EXPECT_EQ(valuesOf(out, "last="), std::vector<std::string>{"233"});
  EXPECT_EQ(valuesOf(out, "after="), std::vector<std::string>{"234"});
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed parent ID (WGLAB)").size(), 3u) << out;
}

TEST_F(WidgetTest, NestingLimitAndNewDialogAfterFinish) {
  Child child([] {
    int32_t id = 0;
    for (int level = 1; level <= 9; ++level) {
      wgini("VERT", id);
      print("nested=", id);
    }
    // The eighth level's dialog is the current one; its OK finishes only it.
    sendok_();
    wgfin_();
    print("outer still open=", wglab(1, "x") > 0 ? 1 : 0);
    for (int level = 7; level >= 1; --level) {
      sendok_();
      wgfin_();
    }
    // Finished: no widgets until the next wgini, whose first id is 1.
    print("after finish=", wglab(1, "x"));
    wgfin_();
    wgini("HORI", id);
    print("new dialog=", id);
    print("new label=", wglab(id, "y"));
    sendok_();
    wgfin_();
  });
  ASSERT_EQ(child.wait(30), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "nested="),
            (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "-1"}));
  EXPECT_EQ(valuesOf(out, ">>>> Too many nested widgets (WGINI)").size(), 1u) << out;
  // Level 8 ended, so level 1's parent takes new widgets no more (it is
  // not of the current level 7), while the dialog goes on.
  EXPECT_EQ(valuesOf(out, "outer still open="), std::vector<std::string>{"0"});
  EXPECT_EQ(valuesOf(out, "after finish="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(out, ">>>> No call between wgini and wgfin (WGLAB)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> No call between wgini and wgfin (WGFIN)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, "new dialog="), std::vector<std::string>{"1"});
  EXPECT_EQ(valuesOf(out, "new label="), std::vector<std::string>{"2"});
}

void noteCallback(const int32_t* id) { print("callback=", *id); }

TEST_F(WidgetTest, ValueChecksKeepTheOldValues) {
  Child child([] {
    int32_t top = 0;
    wgini("FORM", top);
    int32_t ip = top, id = 0, sel = 4;
    wglis_(&ip, "a|b|c", &sel, &id, 5);
    print("list beyond=", id);
    sel = 2;
    wglis_(&ip, "a|b|c", &sel, &id, 5);
    const int32_t list = id;
    sel = 0;
    wgbox_(&ip, "x|y", &sel, &id, 3);
    print("box none=", id);
    float lo = 0, hi = 10, v = 11;
    int32_t nd = 1;
    wgscl_(&ip, "s", &lo, &hi, &v, &nd, &id, 1);
    print("scale outside=", id);
    v = 2.5f;
    wgscl_(&ip, "s", &lo, &hi, &v, &nd, &id, 1);
    const int32_t scale = id;
    float x = 99;
    swgscl_(&scale, &x);  // refused: the scale keeps 2.5
    int32_t s = 7;
    swglis_(&list, &s);   // refused: the list keeps entry 2
    int32_t got = 0;
    gwglis_(&list, &got);
    print("list=", got);
    gwgbox_(&list, &got);  // wrong type
    float f = 0;
    gwgscl_(&scale, &f);
    print("scale tenths=", long(f * 10 + 0.5f));
    const int32_t label = wglab(top, "l");
    swgcbk_(&label, reinterpret_cast<void (*)()>(noteCallback));
    swgcbk_(&top, reinterpret_cast<void (*)()>(noteCallback));
    wgbas_(&ip, "DIAG", &id, 4);
    print("bad layout=", id);
    // Integers and reals through a text field.
    const int32_t text = wgtxt(top, " 17 ");
    int32_t n = 0;
    gwgint_(&text, &n);
    print("int=", n);
    float r = 3.25f;
    int32_t digits = 2;
    swgflt_(&text, &r, &digits);
    std::printf("text=%s\n", gwgtxt(text).c_str());
    swgtxt_(&text, "abc", 3);
    gwgint_(&text, &n);  // not a number: n stays
    print("int kept=", n);
    sendok_();
    wgfin_();
  });
  ASSERT_EQ(child.wait(30), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "list beyond="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(out, "box none="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(out, "scale outside="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(out, ">>>> Selected list element out of range (WGLIS)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Selected list element out of range (SWGLIS)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Selected element out of range (WGBOX)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Value is out of range (WGSCL)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Value is out of range (SWGSCL)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed widget type (GWGBOX)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, "list="), std::vector<std::string>{"2"});
  EXPECT_EQ(valuesOf(out, "scale tenths="), std::vector<std::string>{"25"});
  EXPECT_EQ(valuesOf(out, ">>>> Callbacks cannot be defined for Label widgets (SWGCBK)").size(), 1u);
  EXPECT_EQ(valuesOf(out, ">>>> Callbacks cannot be defined for Parent widgets (SWGCBK)").size(), 1u);
  EXPECT_EQ(valuesOf(out, "bad layout="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(out, ">>>> Not allowed parameter (wgbas)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, "int="), std::vector<std::string>{"17"});
  EXPECT_EQ(valuesOf(out, "text="), std::vector<std::string>{"3.25"});
  EXPECT_EQ(valuesOf(out, "int kept="), std::vector<std::string>{"17"});
  EXPECT_EQ(valuesOf(out, ">>>> Value does not match verify mask (GWGINT)").size(), 1u) << out;
  EXPECT_TRUE(valuesOf(out, "callback=").empty()) << out;
}

// Without a display every routine reports and returns; nothing waits.
TEST_F(WidgetTest, NoDisplayGivesTheMessagesAndNeverWaits) {
  Child child([] {
    unsetenv("DISPLAY");
    int32_t top = 0;
    wgini("VERT", top);
    print("top=", top);
    print("label=", wglab(1, "x"));
    wgfin_();
    dwgmsg_("hello", 5);
    int32_t status = -1;
    dwgerr_(&status);
    print("status=", status);
    char text[8] = {'k', 'e', 'e', 'p', ' ', ' ', ' ', ' '};
    dwgtxt_("Name", text, 4, sizeof text);
    std::printf("text=%.8s|\n", text);
  });
  ASSERT_EQ(child.wait(20), 0) << child.output();
  const std::string& out = child.output();
  EXPECT_EQ(valuesOf(out, "top="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(out, ">>>> Can't open X Window display (WGINI)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, "label="), std::vector<std::string>{"-1"});
  EXPECT_EQ(valuesOf(out, ">>>> No call to wgini before (WGLAB)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> No call to wgini before (WGFIN)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, ">>>> Can't open X Window display (DWGMSG)").size(), 1u) << out;
  EXPECT_EQ(valuesOf(out, "status="), std::vector<std::string>{"2"});
  EXPECT_EQ(valuesOf(out, "text="), std::vector<std::string>{"keep    |"});
}

}  // namespace
}  // namespace zantor::test
