#include "forms/WindowAdapters.h"

#include "forms/SkinableMenus.h"
#include "framework/MessageParams.h"
#include "graphics/WorkBitmap.h"
#include "graphics/WorkBitmapDib.h"
#include "manager/SkinManager.h"
#include "paint/SkinPaint.h"
#include "skin/SkinData.h"

namespace {

std::unique_ptr<TsCommonData> WindowSkinData(HWND Window, TsSkinManager* Manager, const char* Section) {
  auto data = std::make_unique<TsCommonData>();
  data->FSWHandle = Window;
  data->SetSkinManager(Manager);
  data->SetSkinSection(Section);
  data->Loaded(false);
  return data;
}

// What every adapted system window answers: that it is skinned, and a new
// skin of its manager, to which it binds again.
bool AnswerWindowSkinCommand(TsCommonData& Data, TMessage& Message) {
  if (Message.Msg != SM_SKINCOMMAND) return false;
  switch (SkinCommandOf(Message.WParam)) {
    case SK_IS_SKINNED:
      Message.Result = 1;
      return true;
    case SK_SKIN_LOADED:
      Data.FCommonSkinData = nullptr;
      Data.UpdateIndexes();
      Message.Result = 1;
      return true;
    default:
      return false;
  }
}

}  // namespace

TacDialogAdapter::TacDialogAdapter(HWND Dialog, TsSkinManager* Manager) : TacSubclassedWindow(Dialog) {
  FCommonData = WindowSkinData(Dialog, Manager, "DIALOG");
  // Skin commands sent straight to the window's common data end here too.
  FCommonData->WndProc = [this](TMessage& Message) {
    if (!SkinCommand(Message) && Window()) Message.Result = CallOldProc(Message);
  };
  ApplySkin();
}

TacDialogAdapter::~TacDialogAdapter() {
  const HWND dialog = Window();
  FCommonData.reset();
  if (dialog && IsWindow(dialog)) RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TacDialogAdapter::ApplySkin() {
  FBrush.Reset();
  if (FCommonData->Skinned(true))
    FBrush.Reset(CreateSolidBrush(static_cast<COLORREF>(FCommonData->GetBGColor(0))));
  if (Window()) RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool TacDialogAdapter::SkinCommand(TMessage& Message) {
  if (AnswerWindowSkinCommand(*FCommonData, Message)) {
    if (SkinCommandOf(Message.WParam) == SK_SKIN_LOADED) ApplySkin();
    return true;
  }
  if (Message.Msg != SM_SKINCOMMAND) return false;
  switch (SkinCommandOf(Message.WParam)) {
    case SK_SKIN_REMOVED:
      FCommonData->CommonSkinCommand(Message);
      FCommonData->SkinIndex = -1;
      ApplySkin();
      Message.Result = 1;
      return true;
    case SK_GET_BG_COLOR:
      Message.Result = static_cast<LRESULT>(FCommonData->GetBGColor(0));
      return true;
    default:
      return false;
  }
}

void TacDialogAdapter::PaintBackground(HDC DC) {
  RECT client{};
  GetClientRect(Window(), &client);
  TacWorkBitmap image(client.right, client.bottom);
  if (image.Empty()) return;
  TacParentBG desktop;
  desktop.Color = ColorToRGB(clBtnFace);
  PaintSectionBackground(FCommonData->SkinIndex, desktop, 0, image.BoundsRect(), {0, 0}, image,
                         *FCommonData->GetCommonSkinData(), -1, -1, clFuchsia);
  GdiFlush();
  BitBlt(DC, 0, 0, image.Width(), image.Height(), WorkBitmapDC(image), 0, 0, SRCCOPY);
}

bool TacDialogAdapter::WndProc(TMessage& Message) {
  if (SkinCommand(Message)) return true;
  if (!FBrush) return false;
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      if (HDC dc = MessageDC(Message)) PaintBackground(dc);
      Message.Result = 1;
      return true;
    case WM_CTLCOLORDLG:
      Message.Result = reinterpret_cast<LRESULT>(FBrush.Get());
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = MessageDC(Message);
      SetTextColor(dc, static_cast<COLORREF>(FCommonData->TextColor(0, true)));
      SetBkMode(dc, TRANSPARENT);
      Message.Result = reinterpret_cast<LRESULT>(FBrush.Get());
      return true;
    }
    default:
      return false;
  }
}

TacMenuWindowAdapter::TacMenuWindowAdapter(HWND Menu, TsSkinManager* Manager) : TacSubclassedWindow(Menu) {
  FCommonData = WindowSkinData(Menu, Manager, "MAINMENU");
  FCommonData->WndProc = [this](TMessage& Message) {
    if (!WndProc(Message) && Window()) Message.Result = CallOldProc(Message);
  };
}

TacMenuWindowAdapter::~TacMenuWindowAdapter() = default;

// The system draws the menu into a buffer; the painter's items go in as they
// are drawn and the margins the system filled in its own colours are painted
// over from the menu's background before anything reaches the screen.
void TacMenuWindowAdapter::Paint(TsSkinableMenus& Painter) {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(Window(), &paint);
  RECT client{};
  GetClientRect(Window(), &client);
  TacWorkBitmap buffer(client.right, client.bottom);
  if (dc && !buffer.Empty()) {
    const HDC bufferDC = WorkBitmapDC(buffer);
    Painter.BeginPopupPaint(Window());
    CallOldProc({WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bufferDC), PRF_CLIENT | PRF_ERASEBKGND, 0});
    Painter.EndPopupPaint();
    Painter.PaintPopupMargins(Window(), bufferDC);
    GdiFlush();
    BitBlt(dc, 0, 0, buffer.Width(), buffer.Height(), bufferDC, 0, 0, SRCCOPY);
  }
  EndPaint(Window(), &paint);
}

bool TacMenuWindowAdapter::WndProc(TMessage& Message) {
  if (AnswerWindowSkinCommand(*FCommonData, Message)) return true;
  if (Message.Msg != WM_PAINT && Message.Msg != WM_NCPAINT && Message.Msg != WM_NCDESTROY) return false;
  TsSkinManager* manager = FCommonData->GetSkinManager();
  if (!manager || !manager->IsActive()) return false;
  TsSkinableMenus& painter = SkinableMenusOf(*manager);
  switch (Message.Msg) {
    case WM_PAINT:
      Paint(painter);
      Message.Result = 0;
      return true;
    case WM_NCPAINT:
      Message.Result = CallOldProc(Message);
      painter.PaintPopupNonClient(Window());
      return true;
    case WM_NCDESTROY:
      painter.ForgetPopup(Window());
      return false;
    default:
      return false;
  }
}
