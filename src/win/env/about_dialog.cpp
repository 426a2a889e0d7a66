#include "win/env/about_dialog.h"

#include "resources/resource_ids.h"

namespace drawlot {
namespace {

constexpr int kPictureLeft = 40;
constexpr int kPictureWidth = 128;
constexpr int kPictureHeight = 64;

class AboutDialog : public Dialog {
 public:
  // Its one button ends it as Esc and the close box do.
  explicit AboutDialog(const DialogContext& context)
      : Dialog(context, {.ok = 0, .cancel = IDC_ABOUT_OK}) {}

 protected:
  bool OnInit() override {
    picture_ = static_cast<HBITMAP>(LoadImageA(context().instance, MAKEINTRESOURCEA(IDB_ABOUT),
                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    SetPropA(window(), kAboutPictureProperty, picture_);
    return true;
  }

  INT_PTR OnMessage(UINT message, WPARAM, LPARAM) override {
    switch (message) {
      case WM_PAINT:
        Paint();
        return TRUE;
      case WM_DESTROY:
        RemovePropA(window(), kAboutPictureProperty);
        if (picture_) DeleteObject(picture_);
        picture_ = nullptr;
        return FALSE;
      default:
        return FALSE;
    }
  }

 private:
  void Paint() const {
    PAINTSTRUCT paint;
    const HDC target = BeginPaint(window(), &paint);
    if (picture_) {
      const HDC source = CreateCompatibleDC(target);
      const HGDIOBJ previous = SelectObject(source, picture_);
      BitBlt(target, kPictureLeft, 0, kPictureWidth, kPictureHeight, source, 0, 0, SRCCOPY);
      SelectObject(source, previous);
      DeleteDC(source);
    }
    EndPaint(window(), &paint);
  }

  HBITMAP picture_ = nullptr;
};

}  // namespace

std::unique_ptr<Dialog> OpenAboutDialog(const DialogContext& context) {
  auto dialog = std::make_unique<AboutDialog>(context);
  if (!dialog->OpenModeless(IDD_ABOUT)) return nullptr;
  return dialog;
}

}  // namespace drawlot
