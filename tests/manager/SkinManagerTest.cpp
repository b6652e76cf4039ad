#include <gtest/gtest.h>

#include "ManagerTestFiles.h"
#include "base/WinHandles.h"
#include "core/CommonData.h"
#include "core/LayeredEffects.h"
#include "messages/SkinCommand.h"
#include "framework/DefinitionReader.h"
#include "framework/Panel.h"

namespace {

using SkinManagerLifecycle = ManagerFixture;

TEST_F(SkinManagerLifecycle, PublishedDefaultsAfterConstruction) {
  TsSkinManager fresh(nullptr);
  EXPECT_TRUE(fresh.Active());
  EXPECT_EQ(fresh.SkinName(), "");
  EXPECT_EQ(fresh.SkinDirectory(), "c:\\Skins");
  EXPECT_FALSE(fresh.ExtendedBorders());
  EXPECT_EQ(fresh.ExtBordersMode(), ebmFull);
  EXPECT_EQ(fresh.Brightness(), 0);
  EXPECT_EQ(fresh.HueOffset(), 0);
  EXPECT_EQ(fresh.Saturation(), 0);
  EXPECT_TRUE(fresh.SkinnedPopups());
  EXPECT_EQ(fresh.SkinningRules(), (TacSkinningRules{TacSkinningRule::srStdForms, TacSkinningRule::srStdDialogs,
                                                     TacSkinningRule::srThirdParty}));
  EXPECT_EQ(fresh.SkinsFilter(), (TacSkinsFilter{TacSkinsFilterItem::sfiInternal, TacSkinsFilterItem::sfiExternal}));
  EXPECT_EQ(fresh.CommonSections().Count(), 0u);
  EXPECT_EQ(fresh.SkinInfo(), "N/A");
  EXPECT_EQ(TsSkinManager::Version(), "16.16");
  EXPECT_TRUE(fresh.ManagerState.Empty());
  EXPECT_EQ(fresh.ShowState, TShowAction::saIgnore);

  EXPECT_TRUE(fresh.Effects().AllowGlowing);
  EXPECT_TRUE(fresh.Effects().AllowAnimation);
  EXPECT_TRUE(fresh.Effects().AllowAeroBluring);
  EXPECT_TRUE(fresh.Effects().AllowOuterEffects());
  EXPECT_FALSE(fresh.Effects().DiscoloredGlyphs());
  const TacAnimEffects& anim = fresh.AnimEffects();
  EXPECT_FALSE(anim.BlendOnMoving.Active);
  EXPECT_EQ(anim.BlendOnMoving.BlendValue, 170);
  EXPECT_EQ(anim.BlendOnMoving.Time, 1000);
  EXPECT_EQ(anim.Buttons.LightingMode, TacLightingMode::lmActiveControl);
  EXPECT_EQ(anim.Buttons.ClickEffect, TacClickEffect::ceCircle);
  EXPECT_TRUE(anim.Buttons.Events.Contains(TacBtnEvent::beMouseUp));
  EXPECT_EQ(anim.DialogShow.Mode, TacAnimType::atAero);
  EXPECT_EQ(anim.Minimizing.Time, 80);
  EXPECT_EQ(anim.PageChange.Mode, TacAnimType::atcFade);
  EXPECT_EQ(anim.SkinChanging.Time, 100);
  EXPECT_EQ(anim.SkinChanging.Mode, TacAnimType::atFading);
  EXPECT_FALSE(fresh.ButtonsOptions().ShowFocusRect);
  EXPECT_TRUE(fresh.ButtonsOptions().ShiftContentOnClick);
  EXPECT_EQ(fresh.ButtonsOptions().ModalButtonsColoring, TacModalButtonsColoring{TacModalButtonColoring::bcGlyph});
  EXPECT_TRUE(fresh.LabelsOptions().TransparentAlways);
  EXPECT_EQ(fresh.ScrollsOptions().ButtonsSize(), -1);
  EXPECT_EQ(fresh.ScrollsOptions().ScrollSize(), -1);
  const TacOptions& options = fresh.Options();
  EXPECT_EQ(options.ScaleMode, smVCL);
  EXPECT_EQ(options.PixelsPerInch, 96);
  EXPECT_FALSE(options.ChangeSysColors());
  EXPECT_TRUE(options.DrawNonClientArea());
  EXPECT_EQ(options.ArrowsStyle(), TacArrowsStyle::arsDefault);
  EXPECT_EQ(options.OptimizingPriority, TacOptimizingPriority::opSpeed);
  EXPECT_EQ(options.GroupBoxStyle(), TacGroupBoxStyle::gsStandard);
  EXPECT_EQ(fresh.Fonts().MainMode, TacFontMode::fmDefault);
  EXPECT_EQ(fresh.ThirdLists[1].Text(), "TButton\r\n");
  EXPECT_TRUE(fresh.ThirdLists[1].CaseSensitive());
}

TEST_F(SkinManagerLifecycle, TheFirstManagerIsTheDefaultUntilItIsDestroyed) {
  ASSERT_EQ(DefaultManager(), manager.get());
  {
    TsSkinManager second(nullptr);
    EXPECT_FALSE(second.IsDefault());
    second.SetIsDefault(false);
    EXPECT_EQ(DefaultManager(), manager.get());
  }
  manager.reset();
  EXPECT_EQ(DefaultManager(), nullptr);
  TsSkinManager next(nullptr);
  EXPECT_TRUE(next.IsDefault());
}

// A window whose definition names a handler for the manager's OnSkinLoading.
struct HostForm : TForm {
  HostForm() : TForm(nullptr) {}
  TNotifyEvent MethodAddress(const std::string& name) override {
    if (name != "ManagerSkinLoading") return nullptr;
    return [this](TObject* sender) {
      auto* manager = dynamic_cast<TsSkinManager*>(sender);
      LoadedWhileReading = manager->ComponentState().Contains(TComponentStateItem::csLoading);
      ++Loads;
    };
  }
  int Loads = 0;
  bool LoadedWhileReading = false;
};

// A string as a definition writes it: backslashes doubled.
std::string Escaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return escaped;
}

TEST_F(SkinManagerLifecycle, StoredSkinLoadsWhileReadAndIsAnnouncedOnceFromLoaded) {
  manager.reset();  // the definition's manager becomes the default one
  HostForm root;
  ReadComponentFromText(root,
                        "object Host: TForm\n  object Manager: TsSkinManager\n"
                        "    OnSkinLoading = ManagerSkinLoading\n"
                        "    ExtendedBorders = True\n"
                        "    InternalSkins = <\n      item\n        Name = \"" + kOrvale + "\"\n"
                        "        Data = " + StoredData(OrvaleArchive()) + "\n      end>\n"
                        "    SkinDirectory = \"" + Escaped(dir.Path()) + "\"\n"
                        "    SkinName = \"" + kOrvale + "\"\n"
                        "    SkinInfo = \"8\"\n  end\nend\n",
                        "Host");
  auto* loaded = dynamic_cast<TsSkinManager*>(root.FindComponent("Manager"));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(root.Loads, 1);
  EXPECT_TRUE(root.LoadedWhileReading);
  EXPECT_TRUE(loaded->IsActive());
  EXPECT_EQ(loaded->SkinName(), kOrvale);
  EXPECT_TRUE(loaded->ExtendedBorders());
  EXPECT_EQ(loaded->SkinInfo(), "15");
  EXPECT_TRUE(loaded->SkinIsPacked());
  EXPECT_EQ(form->Count(SK_SKIN_LOADED), 1);
  for (const auto& command : form->Received) {
    if (command.Code == SK_SKIN_LOADED) {
      EXPECT_EQ(command.LParam, reinterpret_cast<LPARAM>(loaded));
    }
  }
  EXPECT_EQ(form->Count(SK_REFRESH), 0);  // announced without repainting
  EXPECT_TRUE(errors.Texts.empty());
  EXPECT_FALSE(loaded->CommonSkinData().gd.empty());
}

TEST_F(SkinManagerLifecycle, StoringSkinInfoChangesNothing) {
  const auto root = ReadManagerDefinition("    SkinInfo = \"8\"\n");
  auto* loaded = dynamic_cast<TsSkinManager*>(root->FindComponent("Manager"));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->SkinInfo(), "N/A");
  EXPECT_EQ(loaded->MenuSupport().IcoLineSkin, "ICOLINE");
}

TEST_F(SkinManagerLifecycle, EmptyThirdPartyListsGetTheirDefaultsAndTextsGoBackOnDestruction) {
  const auto root = ReadManagerDefinition("    ThirdParty.ThirdEdits = \" \"\n"
                                          "    ThirdParty.ThirdButtons = \"TMyButton\"\n");
  auto* loaded = dynamic_cast<TsSkinManager*>(root->FindComponent("Manager"));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->ThirdLists[0].Text(), " \r\n");
  EXPECT_EQ(loaded->ThirdLists[1].Text(), "TMyButton\r\n");
  EXPECT_EQ(loaded->ThirdLists[8].Text(), "TPanel\r\n");  // ThirdPanels was empty
  EXPECT_EQ(loaded->ThirdLists[0].IndexOf(" "), 0);
}

TEST_F(SkinManagerLifecycle, DestructionWithASkinFiresDeactivateAndRemovesEverything) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  manager->SetSkinName(kOrvale);
  ASSERT_TRUE(manager->IsActive());
  int deactivated = 0;
  manager->OnDeactivate = [&](TObject*) { ++deactivated; };
  manager.reset();
  EXPECT_EQ(deactivated, 1);
}

TEST_F(SkinManagerLifecycle, RepaintAndSectionUpdatesReachEveryForm) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  manager->SetSkinName(kOrvale);
  form->Received.clear();
  manager->FUpdatedSectionNdx = 5;
  manager->RepaintForms(false);
  ASSERT_EQ(form->Received.size(), 2u);
  EXPECT_EQ(form->Received[0].Code, SK_STOP_ANIMATION);
  EXPECT_EQ(form->Received[1].Code, SK_REFRESH);
  EXPECT_EQ(form->Received[1].Argument, 5);
  EXPECT_EQ(form->Received[1].LParam, reinterpret_cast<LPARAM>(manager.get()));

  form->Received.clear();
  std::string seen;
  struct SectionForm : RecordingForm {
    std::string* Seen = nullptr;
    void WndProc(TMessage& message) override {
      if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SK_SECTION_CHANGED)
        *Seen = *reinterpret_cast<const std::string*>(message.LParam);
      RecordingForm::WndProc(message);
    }
  } sectionForm;
  sectionForm.Seen = &seen;
  manager->UpdateSkinSection("button");
  EXPECT_EQ(seen, "BUTTON");
  EXPECT_EQ(form->Count(SK_SECTION_CHANGED), 1);
}

TEST_F(SkinManagerLifecycle, OptionChangesThatFormsMustHear) {
  manager->Options().SetDrawNonClientArea(false);
  manager->ScrollsOptions().SetScrollSize(20);
  manager->ScrollsOptions().SetScrollSize(20);
  EXPECT_EQ(form->Count(SK_CLIENT_AREA), 1);
  EXPECT_EQ(form->Count(SK_SCROLLS_CHANGED), 1);
  for (const auto& command : form->Received)
    if (command.Code == SK_CLIENT_AREA) {
      EXPECT_EQ(command.LParam, 0);
    }
}

TEST_F(SkinManagerLifecycle, BeginAndEndUpdateHoldTheAnnouncementBack) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  int afterChange = 0;
  manager->OnAfterChange = [&](TObject*) { ++afterChange; };
  manager->BeginUpdate();
  manager->SetSkinName(kOrvale);
  EXPECT_TRUE(manager->IsActive());
  EXPECT_EQ(form->Count(SK_SKIN_LOADED), 0);
  EXPECT_EQ(afterChange, 0);
  manager->EndUpdate(true, false);
  EXPECT_EQ(form->Count(SK_SKIN_LOADED), 1);
  EXPECT_EQ(afterChange, 1);
  EXPECT_TRUE(manager->AnimEffects().SkinChanging.Active);
}

}  // namespace

namespace {

using ApplicationFont = ManagerFixture;

TEST_F(ApplicationFont, ASkinFontFollowsTheSkinAndGoesBackWhenTheSkinIsRemoved) {
  dir.WriteFile("Fonted/Options.dat", FixtureOptions("MainFont=Segoe UI"));
  manager->Fonts().MainMode = TacFontMode::fmFromSkin;
  std::vector<std::pair<std::string, std::string>> changes;
  manager->OnFontChanged = [&](TObject*, const std::string& from, const std::string& to) {
    EXPECT_TRUE(manager->ManagerState.Contains(TacManagerStateValue::msFontChanging));
    changes.emplace_back(from, to);
  };
  manager->SetSkinName("Fonted");
  const std::string standard = manager->DefFontName();
  EXPECT_FALSE(standard.empty());
  EXPECT_EQ(manager->CurrentFontName(), "Segoe UI");
  EXPECT_EQ(form->Count(SK_FONT_CHANGED), 1);
  manager->ChangeAppFont("Segoe UI");  // already the current font
  EXPECT_EQ(form->Count(SK_FONT_CHANGED), 1);
  manager->SetActive(false);
  EXPECT_EQ(manager->CurrentFontName(), standard);
  EXPECT_EQ(changes, (std::vector<std::pair<std::string, std::string>>{{standard, "Segoe UI"}, {"Segoe UI", standard}}));
  EXPECT_TRUE(manager->ManagerState.Empty());
}

TEST_F(ApplicationFont, ACustomFontWithoutANameFallsBackToTheStandardOne) {
  dir.WriteFile("Plain/Options.dat", FixtureOptions());
  manager->Fonts().MainMode = TacFontMode::fmCustom;
  manager->SetSkinName("Plain");
  EXPECT_EQ(manager->CurrentFontName(), manager->DefFontName());
  EXPECT_EQ(form->Count(SK_FONT_CHANGED), 0);
  manager->Fonts().MainFont = "Courier New";
  manager->UpdateSkin(false);
  EXPECT_EQ(manager->CurrentFontName(), "Courier New");
  EXPECT_EQ(form->Count(SK_FONT_CHANGED), 1);
}

using ExtendedBorderOptions = ManagerFixture;

TEST_F(ExtendedBorderOptions, ChangingTheModeRebuildsTheShadowsOfTheLoadedSkin) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  manager->SetExtendedBorders(true);
  manager->SetSkinName(kOrvale);
  TacSkinData& data = manager->CommonSkinData();
  ASSERT_TRUE(data.ShdaTemplate);
  const TRect fromImage = data.FormShadowSize;
  manager->SetExtBordersMode(ebmShadow);
  EXPECT_EQ(&manager->CommonSkinData(), &data);  // rebuilt in place, not reloaded
  ASSERT_TRUE(data.ShdaTemplate);
  EXPECT_NE(data.FormShadowSize.Left, fromImage.Left);
  manager->SetExtendedBorders(false);
  EXPECT_FALSE(data.ShdaTemplate);
  EXPECT_TRUE(manager->ManagerState.Empty());
}

using SkinWideEffects = ManagerFixture;

TEST_F(SkinWideEffects, SkinColoursReplaceTheSystemsWhileSwitchedOn) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  manager->SetSkinName(kOrvale);
  ASSERT_TRUE(manager->IsDefault());
  auto penColor = [] {
    const TacScopedPen pen(CreatePen(PS_SOLID, 1, 6));  // the window-frame colour
    LOGPEN info{};
    GetObjectW(pen.Get(), sizeof info, &info);
    return info.lopnColor;
  };
  manager->Options().SetChangeSysColors(true);
  EXPECT_EQ(penColor(), static_cast<COLORREF>(manager->Palette()[pcBorder]));
  manager->Options().SetChangeSysColors(false);
  EXPECT_EQ(penColor(), 6u);

  manager->Options().SetChangeSysColors(true);
  manager.reset();  // the default manager goes, and its substitution with it
  EXPECT_EQ(penColor(), 6u);
}

TEST_F(SkinWideEffects, ASkinChangeTakesEveryGlowAway) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  manager->SetSkinName(kOrvale);
  TsCommonData control;
  control.GlowID = AppendEffect(std::make_unique<TacGlowEffect>(&control, nullptr));
  manager->SetHueOffset(30);
  EXPECT_EQ(control.GlowID, -1);
  EXPECT_EQ(EffectOf(0), nullptr);
}

// A form at 96 PPI, 200 x 100 inside, with a panel that has a font of its own.
class FormScaling : public ManagerFixture {
 protected:
  void SetUp() override {
    ManagerFixture::SetUp();
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    form->Font().SetHeight(-11);
    panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 20, 100, 30);
    panel->SetParentFont(false);
    panel->Font().SetHeight(-12);
    form->HandleNeeded();
  }
  int LastPPIChange() const {
    for (auto it = form->Received.rbegin(); it != form->Received.rend(); ++it)
      if (it->Code == SK_PPI_CHANGED) return static_cast<int>(it->LParam);
    return 0;
  }
  TPanel* panel = nullptr;
};

TEST_F(FormScaling, AFormMovesToTheNewResolutionWithItsControls) {
  manager->UpdateScale(form.get(), 96, 144);
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->ClientHeight(), 150);
  EXPECT_EQ(form->Font().Height(), -17);  // -16.5 rounded away from zero
  EXPECT_EQ(form->PixelsPerInch(), 144);
  const RECT bounds = panel->BoundsRect();
  EXPECT_EQ(bounds.left, 15);
  EXPECT_EQ(bounds.top, 30);
  EXPECT_EQ(bounds.right - bounds.left, 150);
  EXPECT_EQ(bounds.bottom - bounds.top, 45);
  EXPECT_EQ(panel->Font().Height(), -18);
  EXPECT_EQ(LastPPIChange(), 144);
  EXPECT_TRUE(manager->ManagerState.Empty());
  EXPECT_TRUE(manager->Effects().AllowAnimation);
}

TEST_F(FormScaling, WithoutANewResolutionTheScaleModeDecides) {
  manager->UpdateScale(form.get(), 96, 0);  // smVCL scales only to a given PPI
  EXPECT_EQ(form->ClientWidth(), 200);
  EXPECT_EQ(LastPPIChange(), 0);

  manager->Options().ScaleMode = sm125;
  manager->UpdateAllScale();
  EXPECT_EQ(form->ClientWidth(), 250);
  EXPECT_EQ(LastPPIChange(), 120);

  // A control that does not scale answers -1.
  const TWndMethod original = form->WindowProc;
  form->WindowProc = [&](TMessage& message) {
    if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SK_GET_PPI) {
      message.Result = -1;
      return;
    }
    original(message);
  };
  manager->Options().ScaleMode = sm200;
  manager->UpdateScale(form.get(), 96, 0);
  EXPECT_EQ(form->ClientWidth(), 250);
  form->WindowProc = original;
}

// A skin folder whose file says BUTTON is red, previewed with options that
// make it green.
class EditorPreview : public ManagerFixture {
 protected:
  void SetUp() override {
    ManagerFixture::SetUp();
    dir.WriteFile("Edited/Options.dat", FixtureOptions());
    std::string options = FixtureOptions();
    options.replace(options.find("COLOR=255"), 9, "COLOR=65280");
    TacSkinEditorData& p = manager->PreviewBuffer;
    p.Magic = acSkinEditorMagic;
    std::snprintf(p.Name1, sizeof p.Name1, "Edited");
    std::snprintf(p.Data1, sizeof p.Data1, "%s", dir.Path().c_str());
    std::snprintf(p.Data2, sizeof p.Data2, "%s", options.c_str());
  }
  TColor ButtonColor() {
    TacSkinData& data = manager->CommonSkinData();
    return data.gd[static_cast<size_t>(data.GetSkinIndex("BUTTON"))].Props[0].Color;
  }
};

TEST_F(EditorPreview, TheEditorsOptionsAreShownAndAnnounced) {
  manager->ApplyPreview();
  EXPECT_EQ(manager->SkinName(), "Edited");
  EXPECT_EQ(ButtonColor(), 65280);
  EXPECT_EQ(form->Count(SK_SKIN_LOADED), 1);
  manager->SetSkinName("Edited");  // the file again once the preview is over
  EXPECT_EQ(ButtonColor(), 255);
}

TEST_F(EditorPreview, OneChangedSectionIsRepaintedAlone) {
  std::snprintf(manager->PreviewBuffer.Name2, sizeof manager->PreviewBuffer.Name2, "BUTTON");
  manager->ApplyPreview();
  EXPECT_EQ(ButtonColor(), 65280);
  EXPECT_EQ(form->Count(SK_SKIN_LOADED), 0);
  ASSERT_GE(form->Count(SK_REFRESH), 1);
  const auto refresh = std::find_if(form->Received.rbegin(), form->Received.rend(),
                                    [](const RecordingForm::Command& c) { return c.Code == SK_REFRESH; });
  EXPECT_EQ(refresh->Argument, manager->CommonSkinData().GetSkinIndex("BUTTON"));
}

TEST_F(EditorPreview, ARecordWithoutTheMarkIsIgnored) {
  manager->PreviewBuffer.Magic = 0;
  manager->ApplyPreview();
  EXPECT_EQ(manager->SkinName(), "");
}

}  // namespace
