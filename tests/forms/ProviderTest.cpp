#include <atomic>
#include <cstring>
#include <thread>

#include "FormsFixture.h"
#include "core/ParentBackground.h"
#include "forms/CtrlAdapter.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/Label.h"
#include "graphics/Color.h"
#include "skin/SkinData.h"

namespace {

LRESULT Ask(TForm& form, int command, LPARAM lParam = 0) {
  return SendMessageW(form.Handle(), SM_SKINCOMMAND, MakeSkinCommand(command), lParam);
}

TColor FormSectionColor(TsSkinManager& manager) {
  const TacSkinData& skin = manager.CommonSkinData();
  return ColorToRGB(skin.gd[static_cast<size_t>(skin.GetSkinIndex("FORM"))].Props[0].Color);
}

TColor ClientPixel(TForm& form, int x, int y) {
  TBitmap bitmap;
  bitmap.SetSize(form.ClientWidth(), form.ClientHeight());
  const RECT window = [&] {
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    return r;
  }();
  POINT client{0, 0};
  ClientToScreen(form.Handle(), &client);
  form.PaintTo(bitmap.Canvas().Handle(), window.left - client.x, window.top - client.y);
  const uint8_t* row = bitmap.ScanLine(y);
  return RGB(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
}

// A later takeover of the form's window procedure, as another component makes it.
struct LaterTakeover {
  explicit LaterTakeover(TForm& form) : Form(form), Saved(form.WindowProc) {
    form.WindowProc = [this](TMessage& message) {
      ++Seen;
      Saved(message);
    };
  }
  void GiveBack() { Form.WindowProc = Saved; }
  TForm& Form;
  TWndMethod Saved;
  int Seen = 0;
};

}  // namespace

using Provider = FormsFixture;

TEST_F(Provider, TheFirstActivationAttachesARuntimeProviderThatStartsOnTheFirstFramePaint) {
  TForm& form = NewForm();
  EXPECT_FALSE(IsSkinAwareWindow(form.Handle()));
  ShowAndActivate(form);

  TsSkinProvider* provider = ProviderOf(form);
  ASSERT_NE(provider, nullptr);
  EXPECT_EQ(provider->Owner(), &form);
  EXPECT_FALSE(provider->RTInit);
  EXPECT_TRUE(provider->Skinned());
  EXPECT_FALSE(provider->UseGlobalColor());
  EXPECT_FALSE(provider->MakeSkinMenu());
  EXPECT_EQ(HoldersOf(form.Handle()), 1u);
  EXPECT_TRUE(IsSkinAwareWindow(form.Handle()));
  EXPECT_NE(GetPropW(form.Handle(), kAcsDataProperty), nullptr);
  EXPECT_EQ(GetWindowLongPtrW(form.Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_EQ(Ask(form, SK_IS_SKINNED), 1);
  EXPECT_EQ(Ask(form, SK_GET_DEFAULT_KIND), 13);
  // Without the border window the frame bitmap is the window: the client starts where the frame ends.
  const RECT client = form.ClientRectInWindow();
  EXPECT_EQ(Ask(form, SK_GET_CLIENT_OFFSET), MAKELONG(client.left, client.top));
  EXPECT_EQ(Ask(form, SK_GET_DEFAULT_INDEX), manager->GetSkinIndex("FORM") + 1);
  // The main window's kind of form: one close button standing alone.
  EXPECT_TRUE(provider->BigButtons);
  EXPECT_EQ(provider->ButtonClose.cpGlyphType, tgClose);
  EXPECT_EQ(provider->ButtonClose.cpHitCode, static_cast<uint32_t>(HTCLOSE));
  EXPECT_TRUE(errors.Texts.empty());
}

TEST_F(Provider, AFormWithOnlyTheSystemMenuGetsTheCloseButtonThatStandsAlone) {
  TForm& form = NewForm();
  form.SetBorderStyle(TFormBorderStyle::bsSingle);
  form.SetBorderIcons({TBorderIcon::biSystemMenu});
  ShowAndActivate(form);
  ASSERT_NE(ProviderOf(form), nullptr);
  EXPECT_EQ(ProviderOf(form)->ButtonClose.cpGlyphType, tgCloseAlone);
}

TEST_F(Provider, TheClientBackgroundIsTheFormSection) {
  TForm& form = NewForm();
  ShowAndActivate(form);
  EXPECT_EQ(ClientPixel(form, 10, 10), FormSectionColor(*manager));
  EXPECT_EQ(ClientPixel(form, form.ClientWidth() - 3, form.ClientHeight() - 3), FormSectionColor(*manager));
  // A child asking for what lies under it is told the section's colour.
  TacBGQuery query;
  ASSERT_NE(form.Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_BG), reinterpret_cast<LPARAM>(&query)), 0);
  const TacParentBG background = ParentBGOf(query);
  const TColor under = background.IsBitmap ? static_cast<TColor>(PixelOfColor(background.Bmp->Pixel(background.Offset.X + 20, background.Offset.Y + 20)) & 0xFFFFFF)
                                           : ColorToRGB(background.Color);
  EXPECT_EQ(under, FormSectionColor(*manager));
}

TEST_F(Provider, AFormThatHasItsWindowWhenItsManagerFinishesLoadingIsAttachedAtOnce) {
  manager.reset();
  TForm& form = NewForm();
  auto* own = new TsSkinManager(&form);
  LoadFixtureSkin(*own);
  own->Loaded();
  EXPECT_EQ(HoldersOf(form.Handle()), 1u);
  EXPECT_NE(ProviderOf(form), nullptr);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

TEST_F(Provider, GivesTheFormItsProcedureBackInEitherOrderOfTakeovers) {
  for (const bool laterGoesFirst : {true, false}) {
    SCOPED_TRACE(laterGoesFirst ? "the later takeover ends first" : "the provider ends first");
    TForm& form = NewForm();
    ShowAndActivate(form);
    TsSkinProvider* provider = ProviderOf(form);
    ASSERT_NE(provider, nullptr);
    LaterTakeover later(form);
    if (laterGoesFirst) {
      later.GiveBack();
      delete provider;
      EXPECT_EQ(Ask(form, SK_IS_SKINNED), 0) << "the form's own procedure is back";
    } else {
      delete provider;
      // The later takeover keeps the form; the provider's link passes messages on.
      EXPECT_EQ(Ask(form, SK_IS_SKINNED), 0);
      EXPECT_GT(later.Seen, 0);
      EXPECT_EQ(form.Perform(WM_GETTEXTLENGTH), 0);
      later.GiveBack();
    }
    form.SetCaption("still answers");
    EXPECT_EQ(form.Caption(), "still answers");
  }
}

TEST_F(Provider, ASecondRuntimeProviderStaysInertUnlessTheFirstWasStillWaiting) {
  TForm& form = NewForm();
  ShowAndActivate(form);
  TsSkinProvider* first = ProviderOf(form);
  ASSERT_NE(first, nullptr);
  TsSkinProvider* second = TsSkinProvider::CreateRT(&form);
  EXPECT_TRUE(second->RTEmpty);
  EXPECT_FALSE(second->Skinned());
  EXPECT_EQ(ProviderOf(form), first);
  delete second;
  EXPECT_EQ(ProviderOf(form), first);

  TForm& waiting = NewForm();
  TsSkinProvider* early = TsSkinProvider::CreateRT(&waiting);
  EXPECT_TRUE(early->RTInit);
  TsSkinProvider* replacement = TsSkinProvider::CreateRT(&waiting);
  EXPECT_FALSE(replacement->RTEmpty);
  EXPECT_EQ(ProviderOf(waiting), replacement);
  size_t providers = 0;
  for (size_t i = 0; i < waiting.ComponentCount(); ++i)
    if (dynamic_cast<TsSkinProvider*>(waiting.Components(i))) ++providers;
  EXPECT_EQ(providers, 1u);
}

TEST_F(Provider, PlainLabelsTakeTheTextColourOfTheirParentsSectionAndGetTheirOwnBack) {
  TForm& form = NewForm();
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetCaption("link");
  label->Font().SetColor(clHighlight);
  auto* kept = new TLabel(&form);
  kept->SetParent(&form);
  kept->SetTag(0x100);
  kept->Font().SetColor(clHighlight);
  ShowAndActivate(form);
  const TacSkinData& skin = manager->CommonSkinData();
  const TColor sectionText = ColorToRGB(skin.gd[static_cast<size_t>(skin.GetSkinIndex("FORM"))].Props[0].FontColor.Color);
  ASSERT_NE(sectionText, ColorToRGB(clHighlight));
  EXPECT_EQ(ColorToRGB(label->Font().Color()), sectionText);
  EXPECT_TRUE(label->Transparent());
  EXPECT_EQ(kept->Font().Color(), clHighlight);

  manager->SetActive(false);
  EXPECT_EQ(label->Font().Color(), clHighlight);
  manager->SetActive(true);
  EXPECT_EQ(ColorToRGB(label->Font().Color()), sectionText);
  delete label;
  ASSERT_NE(ProviderOf(form), nullptr);
  EXPECT_TRUE(ProviderOf(form)->Adapter()->SavedLabelColors().empty());
}

TEST_F(Provider, RemovingTheSkinGivesTheFormItsSystemMenuAndFrameBack) {
  TForm& form = NewForm();
  ShowAndActivate(form);
  ASSERT_EQ(GetWindowLongPtrW(form.Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  manager->SetActive(false);
  EXPECT_NE(GetWindowLongPtrW(form.Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_EQ(GetClassLongPtrW(form.Handle(), GCLP_HBRBACKGROUND), reinterpret_cast<LONG_PTR>(GetSysColorBrush(COLOR_BTNFACE)));
  EXPECT_NE(ProviderOf(form), nullptr) << "a runtime provider stays on its form";
  EXPECT_FALSE(ProviderOf(form)->Skinned());
  EXPECT_EQ(ClientPixel(form, 10, 10), ColorToRGB(clBtnFace));
}

TEST_F(Provider, UserTitleButtonsStandLeftOfTheSystemButtonsWithTheirGlyphs) {
  TForm& form = NewForm();
  form.SetBorderStyle(TFormBorderStyle::bsSingle);
  ShowAndActivate(form);
  TsSkinProvider* provider = ProviderOf(form);
  ASSERT_NE(provider, nullptr);
  auto& button = static_cast<TsTitleButton&>(provider->TitleButtons().Add());
  button.Glyph.SetSize(6, 6);
  for (int y = 0; y < 6; ++y) {
    uint8_t* row = button.Glyph.ScanLine(y);
    for (int x = 0; x < 6; ++x) {
      // Opaque red, with the bottom-left key colour at the edges.
      const bool edge = x == 0 || y == 5;
      row[x * 4 + 2] = edge ? 0 : 255;
      row[x * 4 + 1] = edge ? 255 : 0;
    }
  }
  provider->SkinData().BGChanged = true;
  ASSERT_TRUE(provider->PaintAll());
  const TRect r = button.Data.cpRect;
  EXPECT_EQ(button.Data.cpHitCode, 1000u);
  EXPECT_EQ(button.Data.cpGlyphType, tgUser);
  ASSERT_FALSE(r.IsEmpty());
  EXPECT_LT(r.Right, provider->ButtonClose.cpRect.Left) << "left of the system buttons, after a gap";
  const TacWorkBitmap& frame = *provider->SkinData().FCacheBmp;
  const int32_t x = r.Left + (r.Width() - 6) / 2, y = r.Top + (r.Height() - 6) / 2;
  EXPECT_EQ(frame.Pixel(x + 3, y + 2) & 0xFFFFFFu, 0xFF0000u) << "the glyph's own pixels";
  EXPECT_NE(frame.Pixel(x, y + 2) & 0xFFFFFFu, 0x00FF00u) << "its key colour is left out";
}

TEST_F(Provider, ThePaintedCloseButtonClosesOnlyWhenReleasedOverIt) {
  TForm& form = NewForm();
  ShowAndActivate(form);
  TsSkinProvider* provider = ProviderOf(form);
  ASSERT_NE(provider, nullptr);
  provider->SkinData().BGChanged = true;
  ASSERT_TRUE(provider->PaintAll());
  const HWND window = form.Handle();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const TRect r = provider->ButtonClose.cpRect;
  const POINT centre{bounds.left + (r.Left + r.Right) / 2, bounds.top + (r.Top + r.Bottom) / 2};
  const auto screenParam = [](POINT p) { return MAKELPARAM(p.x, p.y); };
  const auto clientParam = [window](POINT p) {
    ScreenToClient(window, &p);
    return MAKELPARAM(p.x, p.y);
  };
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, screenParam(centre)), HTCLOSE);
  EXPECT_NE(SendMessageW(window, WM_NCHITTEST, 0, screenParam({bounds.left + 60, centre.y})), HTCLOSE);

  // The pointer over it lights it up; leaving the frame puts it back.
  SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, screenParam(centre));
  EXPECT_EQ(provider->ButtonClose.cpState, 1);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, screenParam({bounds.left + 60, centre.y}));
  EXPECT_EQ(provider->ButtonClose.cpState, 0);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, screenParam(centre));
  SendMessageW(window, WM_NCMOUSELEAVE, 0, 0);
  EXPECT_EQ(provider->ButtonClose.cpState, 0);

  // Pressed, dragged away and released: nothing, and the button looks normal again.
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCLOSE, screenParam(centre));
  EXPECT_EQ(provider->ButtonClose.cpState, 2);
  const POINT away{bounds.left + 40, bounds.top + 80};
  // The system follows a released capture with a move where the pointer really is.
  SetCursorPos(away.x, away.y);
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, clientParam(away));
  EXPECT_EQ(provider->ButtonClose.cpState, 0);
  SendMessageW(window, WM_LBUTTONUP, 0, clientParam(away));
  Application().ProcessMessages();
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(provider->ButtonClose.cpState, 0);
  EXPECT_NE(GetCapture(), window);

  // Pressed and released over it: the window closes.
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCLOSE, screenParam(centre));
  SendMessageW(window, WM_LBUTTONUP, 0, clientParam(centre));
  Application().ProcessMessages();
  EXPECT_FALSE(IsWindowVisible(window));
}

// Without the border window the window is clipped to its frame's corners.
TEST_F(Provider, WithoutTheBorderWindowTheRegionLeavesOutTheSectionsTransparentCorners) {
  TForm& form = NewForm();
  ShowAndActivate(form);
  TsSkinProvider* provider = ProviderOf(form);
  ASSERT_NE(provider, nullptr);
  provider->SkinData().SetSkinSection("ROUNDFORM");
  provider->SkinData().BGChanged = true;
  provider->RgnChanged = true;
  provider->ProcessMessage(WM_NCPAINT, 0, 0);
  const TacWorkBitmap& frame = *provider->SkinData().FCacheBmp;
  const TacScopedRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetWindowRgn(form.Handle(), region.Get()), COMPLEXREGION);
  const int32_t w = frame.Width(), h = frame.Height();
  EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
  EXPECT_FALSE(PtInRegion(region.Get(), w - 1, h - 1));
  EXPECT_TRUE(PtInRegion(region.Get(), w / 2, 0));
  EXPECT_TRUE(PtInRegion(region.Get(), w / 2, h / 2));
  for (const POINT corner : {POINT{0, 0}, POINT{w - 8, 0}, POINT{0, h - 8}, POINT{w - 8, h - 8}})
    for (int32_t y = corner.y; y < corner.y + 8; ++y)
      for (int32_t x = corner.x; x < corner.x + 8; ++x)
        EXPECT_EQ(PtInRegion(region.Get(), x, y) != 0, Alpha(frame.Pixel(x, y)) != 0) << x << "," << y;
}

// The skin editor's preview channel is open to every process: only the exact
// record with the right magic is taken, and its texts end inside it.
TEST_F(Provider, TheEditorPreviewChannelTakesOnlyTheExactRecord) {
  TForm& form = NewForm();
  ShowAndActivate(form);
  constexpr size_t kRecordSize = 40773;
  std::vector<char> block(kRecordSize + 8, 'x');
  struct Case {
    const char* Name;
    ULONG_PTR Id;
    DWORD Size;
    uint32_t Magic;
    LRESULT Taken;
  };
  const Case cases[] = {
      {"one byte short", acSkinEditorMagic, kRecordSize - 1, acSkinEditorMagic, 0},
      {"longer than the record", acSkinEditorMagic, kRecordSize + 8, acSkinEditorMagic, 0},
      {"another identifier", 1, kRecordSize, acSkinEditorMagic, 0},
      {"another magic", acSkinEditorMagic, kRecordSize, 0x1234, 0},
      {"the record, its texts unterminated", acSkinEditorMagic, kRecordSize, acSkinEditorMagic, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    manager->PreviewBuffer.Magic = 0;
    std::memcpy(block.data(), &c.Magic, sizeof c.Magic);
    COPYDATASTRUCT data{c.Id, c.Size, block.data()};
    EXPECT_EQ(SendMessageW(form.Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), c.Taken);
    EXPECT_EQ(manager->PreviewBuffer.Magic, c.Taken ? acSkinEditorMagic : 0u);
  }
  MSG pending{};
  while (PeekMessageW(&pending, Application().Handle(), SM_SKINCOMMAND, SM_SKINCOMMAND, PM_REMOVE)) {
  }
  const TacSkinEditorData& record = manager->PreviewBuffer;
  EXPECT_EQ(std::strlen(record.Name1), sizeof record.Name1 - 1);
  EXPECT_EQ(std::strlen(record.Data2), sizeof record.Data2 - 1);
}

TEST_F(Provider, PointerQuestionsFromAnotherThreadAreNotAnswered) {
  TForm& form = NewForm();
  ShowAndActivate(form);
  const HWND window = form.Handle();
  std::atomic<LRESULT> provider = -1, skinned = -1;
  std::thread asker([&] {
    provider = SendMessageW(window, SM_SKINCOMMAND, MakeSkinCommand(SK_GET_PROVIDER), 0);
    skinned = SendMessageW(window, SM_SKINCOMMAND, MakeSkinCommand(SK_IS_SKINNED), 0);
  });
  while (provider == -1 || skinned == -1) {
    Application().ProcessMessages();
    Sleep(1);
  }
  asker.join();
  EXPECT_EQ(provider, 0);
  EXPECT_EQ(skinned, 1);
}

TEST_F(Provider, IsToldOffOnSomethingThatIsNotAForm) {
  TComponent owner(nullptr);
  TsSkinProvider provider(&owner);
  EXPECT_EQ(provider.Form, nullptr);
  ASSERT_EQ(errors.Texts.size(), 1u);
  EXPECT_EQ(errors.Texts[0], "TsSkinProvider component may be used with forms only!");
  EXPECT_EQ(errors.Kinds[0], TacBoxKind::bkWarning);
}
