#include <gtest/gtest.h>

#include "framework/DefinitionReader.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Panel.h"

namespace {

std::vector<std::string> Log;

// Records creation, every assignment and Loaded, with what it can see of the
// other components at that moment.
class TLogged : public TComponent {
  DECLARE_CLASS_INFO

 public:
  explicit TLogged(TComponent* owner) : TComponent(owner) { Log.push_back("create"); }
  void SetValue(int32_t value) {
    const bool loading = ComponentState().Contains(TComponentStateItem::csLoading) &&
                         ComponentState().Contains(TComponentStateItem::csReading);
    Log.push_back(Name() + ".Value=" + std::to_string(value) + (loading ? " loading" : ""));
  }

 protected:
  void Loaded() override {
    TComponent::Loaded();
    Log.push_back("loaded " + Name() + (Owner()->FindComponent("Last") ? " sees Last" : ""));
  }
};

const TClassInfo& TLogged::StaticClassInfo() {
  static const TClassInfo info("TLogged", &TComponent::StaticClassInfo(),
                               [](TComponent* owner) { return new TLogged(owner); },
                               [](TClassInfo& c) { c.Integer<TLogged>("Value", &TLogged::SetValue); });
  return info;
}

class TLoggedForm : public TForm {
  DECLARE_CLASS_INFO

 public:
  explicit TLoggedForm(TComponent* owner) : TForm(owner) {}
  TNotifyEvent MethodAddress(const std::string& name) override {
    if (name == "LabelClick") return [](TObject*) { Log.push_back("LabelClick"); };
    return nullptr;
  }

 protected:
  void Loaded() override {
    TForm::Loaded();
    Log.push_back("loaded " + Name());
  }
};

const TClassInfo& TLoggedForm::StaticClassInfo() {
  static const TClassInfo info("TLoggedForm", &TForm::StaticClassInfo(), nullptr, nullptr);
  return info;
}

class Streaming : public testing::Test {
 protected:
  void SetUp() override {
    Log.clear();
    RegisterClass(TLogged::StaticClassInfo());
  }
  void TearDown() override { UnregisterClass(TLogged::StaticClassInfo()); }
};

TEST_F(Streaming, CreatesAndAssignsInStoredOrderThenLoadsEverything) {
  TLoggedForm form(nullptr);
  ReadComponentFromText(form,
                        "object Form7: TLoggedForm\n"
                        "  object First: TLogged\n"
                        "    Value = 1\n"
                        "    Value = 2\n"
                        "  end\n"
                        "  object Panel: TPanel\n"
                        "    object Inner: TLogged\n"
                        "      Value = 3\n"
                        "    end\n"
                        "  end\n"
                        "  object Last: TLogged\n"
                        "    Value = 4\n"
                        "  end\n"
                        "end\n",
                        "Unit7");
  EXPECT_EQ(Log, (std::vector<std::string>{"create", "First.Value=1 loading", "First.Value=2 loading", "create",
                                           "Inner.Value=3 loading", "create", "Last.Value=4 loading", "loaded Form7",
                                           "loaded First sees Last", "loaded Inner sees Last",
                                           "loaded Last sees Last"}));
  EXPECT_EQ(form.Name(), "Form7");
  ASSERT_EQ(form.ComponentCount(), 4u);
  for (size_t i = 0; i < form.ComponentCount(); ++i) {
    EXPECT_EQ(form.Components(i)->Owner(), &form);
    EXPECT_FALSE(form.Components(i)->ComponentState().Contains(TComponentStateItem::csLoading));
  }
  EXPECT_FALSE(form.ComponentState().Contains(TComponentStateItem::csLoading));
}

TEST_F(Streaming, PlacesControlsOnTheirContainerAndBindsEvents) {
  TLoggedForm form(nullptr);
  ReadComponentFromText(form,
                        "object Form1: TLoggedForm\n"
                        "  Font.Name = \"Tahoma\"\n"
                        "  Font.Height = -11\n"
                        "  object Panel1: TPanel\n"
                        "    Left = 1\n"
                        "    object Link: TLabel\n"
                        "      Cursor = crHandPoint\n"
                        "      Color = clBtnFace\n"
                        "      Font.Color = clHighlight\n"
                        "      Font.Style = [fsUnderline]\n"
                        "      ParentFont = False\n"
                        "      OnClick = LabelClick\n"
                        "    end\n"
                        "  end\n"
                        "end\n",
                        "Unit1");
  auto* panel = dynamic_cast<TPanel*>(form.FindComponent("Panel1"));
  auto* link = dynamic_cast<TLabel*>(form.FindComponent("link"));
  ASSERT_TRUE(panel && link);
  EXPECT_EQ(panel->Parent(), &form);
  EXPECT_EQ(link->Parent(), panel);
  EXPECT_EQ(link->Owner(), &form);
  EXPECT_EQ(link->Cursor(), crHandPoint);
  EXPECT_EQ(link->Color(), clBtnFace);
  EXPECT_FALSE(link->ParentColor());
  EXPECT_FALSE(link->ParentFont());
  EXPECT_EQ(link->Font().Name(), "Tahoma");
  EXPECT_EQ(link->Font().Color(), clHighlight);
  EXPECT_TRUE(link->Font().Style().Contains(TFontStyle::fsUnderline));
  EXPECT_TRUE(panel->ParentFont());
  link->Click();
  EXPECT_EQ(Log, (std::vector<std::string>{"loaded Form1", "LabelClick"}));
}

TEST_F(Streaming, AFailedReadKeepsWhatWasCreatedOwnedByTheRoot) {
  auto form = std::make_unique<TLoggedForm>(nullptr);
  EXPECT_THROW(ReadComponentFromText(*form,
                                     "object Form1: TLoggedForm\n"
                                     "  object First: TLogged\n"
                                     "  end\n"
                                     "  object Second: TLogged\n"
                                     "    Value = \"x\"\n"
                                     "  end\n"
                                     "end\n",
                                     "Unit1"),
               Exception);
  ASSERT_EQ(form->ComponentCount(), 2u);
  EXPECT_EQ(form->Components(1)->Owner(), form.get());
  form.reset();
}

}  // namespace
