// The Static Attributes window, driven headless: its controls and their places, and its life
// from the Windows menu to closing.

#include "form/staticattr.h"

#include <string>

#include "formtest.h"

namespace {

using formtest::shownText;

class StaticAttrTest : public Window1Test {};

// The attribute a field holds: its name without the kind suffix (a dot in "Name.Prefix").
std::string attributeOf(const fw::Control& field) {
  std::string name = field.Name();
  if (name.ends_with("EF") || name.ends_with("CB")) name.resize(name.size() - 2);
  return name == "NamePrefix" ? "Name.Prefix" : name;
}

// The controls stand in the tab order as they were created, but for the blank viewer, which is
// at 0 with the first label, and editing any of them runs no code. No two overlap. Each of the
// 27 attribute fields (every edit field and combo box but the URL field at the bottom; Category
// and Function are the combo boxes) has one label naming its attribute, centred above it, or,
// for the URLs, one button on its left ("URLFamily -->").
TEST_F(StaticAttrTest, FiftySevenControlsAndTheLabelsOfTheAttributes) {
  auto& window = form::StaticAttr::Instance();
  formtest::expectControlsApart(window, 876, 650);
  ASSERT_EQ(window.controls().size(), 57u);
  int position = 0;
  int fields = 0;
  for (const auto& field : window.controls()) {
    SCOPED_TRACE(field->Name());
    EXPECT_EQ(field->TabIndex(), field->Name() == "HTMLViewer1" ? 0 : position);
    ++position;
    EXPECT_EQ(formtest::bindingsOf(*field), 0);
    const bool combo = field->kind() == fw::ControlKind::ComboBox;
    if ((!combo && field->kind() != fw::ControlKind::EditField) || field->Name() == "URLEF") {
      continue;
    }
    ++fields;
    EXPECT_EQ(combo, field->Name() == "CategoryCB" || field->Name() == "FunctionCB");
    const fw::ControlSpec& f = field->initial();
    int labels = 0;
    for (const auto& label : window.controls()) {
      const fw::ControlSpec& l = label->initial();
      if (label->kind() == fw::ControlKind::PushButton &&
          shownText(*label) == attributeOf(*field) + " -->") {
        EXPECT_EQ(l.Top, f.Top);
        EXPECT_LE(l.Left + l.Width, f.Left);
        ++labels;
      } else if (label->kind() == fw::ControlKind::StaticText &&
                 shownText(*label) == attributeOf(*field)) {
        EXPECT_EQ(l.Alignment, fw::Align::Center);
        EXPECT_EQ(2 * l.Left + l.Width, 2 * f.Left + f.Width);
        EXPECT_LE(l.Top + l.Height, f.Top);
        ++labels;
      }
    }
    EXPECT_EQ(labels, 1);
  }
  EXPECT_EQ(fields, 27);
  EXPECT_EQ(shownText(window.control("StaticText2")), "URL:");
  EXPECT_EQ(window.control("HTMLViewer1").kind(), fw::ControlKind::HTMLViewer);
}

// Chosen again, from either window: the same window, values unchanged. Closed and chosen again:
// a fresh window with the initial values.
TEST_F(StaticAttrTest, MenuShowsOneWindowAndAClosedOneComesBackFresh) {
  ASSERT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", &w));
  auto* first = dynamic_cast<form::StaticAttr*>(runtime.findWindow(typeid(form::StaticAttr)));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Title(), "Static Attributes");
  first->get<fw::EditField>("PackageEF").userSetText("0805");
  first->get<fw::ComboBox>("FunctionCB").userChoose(1);
  EXPECT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", first));
  EXPECT_EQ(&form::StaticAttr::Instance(), first);
  EXPECT_EQ(runtime.windows().size(), 2u);
  EXPECT_EQ(first->get<fw::EditField>("PackageEF").Text(), "0805");
  EXPECT_EQ(backend.shown.back(), first);

  first->Close();
  EXPECT_EQ(runtime.findWindow(typeid(form::StaticAttr)), nullptr);
  EXPECT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", &w));
  auto& second = form::StaticAttr::Instance();
  EXPECT_EQ(second.get<fw::EditField>("PackageEF").Text(), "");
  EXPECT_EQ(second.get<fw::ComboBox>("FunctionCB").Text(), "RES");
  EXPECT_EQ(runtime.windows().size(), 2u);
}

}  // namespace
