// The Static Attributes window, driven headless: its controls, their initial values and places,
// and its life from the Windows menu to closing.

#include "form/staticattr.h"

#include <string>
#include <vector>

#include "formtest.h"

namespace {

using formtest::shownText;

class StaticAttrTest : public HeadlessTest {};

// The attribute a field holds: its name without the kind suffix (a dot in "Name.Prefix").
std::string attributeOf(const fw::Control& field) {
  std::string name = field.Name();
  if (name.ends_with("EF") || name.ends_with("CB")) name.resize(name.size() - 2);
  return name == "NamePrefix" ? "Name.Prefix" : name;
}

// The 27 attribute fields: every edit field and combo box but the URL field at the bottom.
std::vector<const fw::Control*> attributeFields(const fw::Window& window) {
  std::vector<const fw::Control*> fields;
  for (const auto& c : window.controls()) {
    const bool field =
        c->kind() == fw::ControlKind::EditField || c->kind() == fw::ControlKind::ComboBox;
    if (field && c->Name() != "URLEF") fields.push_back(c.get());
  }
  return fields;
}

// The controls stand in the tab order as they were created, but for the blank viewer, which is
// at 0 with the first label.
TEST_F(StaticAttrTest, FiftySevenControlsInTabOrder) {
  const auto& controls = form::StaticAttr::Instance().controls();
  ASSERT_EQ(controls.size(), 57u);
  for (int position = 0; position < 57; ++position) {
    const fw::Control& c = *controls[static_cast<size_t>(position)];
    EXPECT_EQ(c.TabIndex(), c.Name() == "HTMLViewer1" ? 0 : position) << c.Name();
  }
}

// No two controls overlap. Each attribute field has one label naming its attribute, centred
// above it, or, for the URLs, one button on its left ("URLFamily -->").
TEST_F(StaticAttrTest, EachFieldHasTheLabelOfItsAttribute) {
  auto& window = form::StaticAttr::Instance();
  formtest::expectControlsApart(window, 876, 650);
  const auto fields = attributeFields(window);
  EXPECT_EQ(fields.size(), 27u);
  for (const fw::Control* field : fields) {
    SCOPED_TRACE(field->Name());
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
  EXPECT_EQ(shownText(window.control("StaticText2")), "URL:");
  EXPECT_EQ(window.control("HTMLViewer1").kind(), fw::ControlKind::HTMLViewer);
}

TEST_F(StaticAttrTest, StartsWithInitialValuesAndEditingRunsNoCode) {
  auto& window = form::StaticAttr::Instance();
  for (const fw::Control* field : attributeFields(window)) {
    const std::string name = field->Name();
    const bool combo = name == "CategoryCB" || name == "FunctionCB";
    EXPECT_EQ(field->kind(), combo ? fw::ControlKind::ComboBox : fw::ControlKind::EditField)
        << name;
    EXPECT_EQ(shownText(*field),
              name == "CategoryCB" ? "PASS" : (name == "FunctionCB" ? "RES" : ""))
        << name;
  }
  for (const auto& control : window.controls()) {
    for (fw::Event event : {fw::Event::Open, fw::Event::TextChange, fw::Event::Change,
                            fw::Event::TextChanged, fw::Event::Action}) {
      EXPECT_FALSE(control->isBound(event)) << control->Name();
    }
  }
}

TEST_F(StaticAttrTest, MenuShowsOneWindowAndAClosedOneComesBackFresh) {
  auto& main = form::Window1::Instance();
  ASSERT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", &main));
  auto* first = dynamic_cast<form::StaticAttr*>(runtime.findWindow(typeid(form::StaticAttr)));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Title(), "Static Attributes");
  first->get<fw::EditField>("PackageEF").userSetText("0805");
  first->get<fw::ComboBox>("FunctionCB").userChoose(1);

  // Chosen again, from either window: the same window, values unchanged.
  EXPECT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", first));
  EXPECT_EQ(&form::StaticAttr::Instance(), first);
  EXPECT_EQ(runtime.windows().size(), 2u);
  EXPECT_EQ(first->get<fw::EditField>("PackageEF").Text(), "0805");
  EXPECT_EQ(backend.shown.back(), first);

  first->Close();
  EXPECT_EQ(runtime.findWindow(typeid(form::StaticAttr)), nullptr);
  EXPECT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", &main));
  auto& second = form::StaticAttr::Instance();
  EXPECT_EQ(second.get<fw::EditField>("PackageEF").Text(), "");
  EXPECT_EQ(second.get<fw::ComboBox>("FunctionCB").Text(), "RES");
  EXPECT_EQ(runtime.windows().size(), 2u);
}

}  // namespace
