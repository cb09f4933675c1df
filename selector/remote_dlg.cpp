// The panel: palette, layout and painting.
#include "remote_dlg.h"

#include <cstring>
#include <vector>

#include "res/resource_ids.h"

namespace {

constexpr size_t kColorTableOffset = 40;  // after the BITMAPINFOHEADER
constexpr size_t kPixelsOffset = 1064;    // after the 256-entry colour table

// The bytes of a bitmap resource, used in place for the whole run; null when missing.
const BYTE* LoadBitmapBytes(HINSTANCE module, int32_t id) {
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCE(id), RT_BITMAP);
  if (!found) return nullptr;
  HGLOBAL loaded = ::LoadResource(module, found);
  return loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CRemoteDlg, CDialog)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CRemoteDlg::CRemoteDlg(CWnd* pParent) : CDialog(IDD_REMOTE, pParent) {}

CRemoteDlg::~CRemoteDlg() = default;

BOOL CRemoteDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  auto module = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(m_hWnd, GWLP_HINSTANCE));

  // The panel palette: the colour table of the pressed QUIT picture, stored blue, green, red,
  // reserved.
  if (const BYTE* bitmap = LoadBitmapBytes(module, IDB_QUIT_PRESSED)) {
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY), 0);
    auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = 256;
    const BYTE* table = bitmap + kColorTableOffset;
    for (int i = 0; i < 256; ++i) {
      logical->palPalEntry[i].peRed = table[4 * i + 2];
      logical->palPalEntry[i].peGreen = table[4 * i + 1];
      logical->palPalEntry[i].peBlue = table[4 * i];
      logical->palPalEntry[i].peFlags = 0;
    }
    m_palette.CreatePalette(logical);
  }

  SetWindowPos(nullptr, 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
               SWP_NOMOVE | SWP_NOZORDER);

  for (int i = 0; i < kButtonCount; ++i) {
    m_pNormalImage[i] = LoadBitmapBytes(module, g_normalBitmapIds[i]);
    m_pPressedImage[i] = LoadBitmapBytes(module, g_pressedBitmapIds[i]);
  }

  RECT rects[kButtonCount];
  LayOutButtons(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), rects);
  for (int i = 0; i < kButtonCount; ++i) m_rcButton[i] = rects[i];
  return TRUE;
}

void CRemoteDlg::BlitButtonImage(CDC& dc, const BYTE* image, const CRect& rect) {
  // The pictures are part of the program; one that is missing is simply not drawn.
  if (!image) return;
  ::StretchDIBits(dc.m_hDC, rect.left, rect.top, rect.Width(), rect.Height(), 0, 0, rect.Width(),
                  rect.Height(), image + kPixelsOffset, reinterpret_cast<const BITMAPINFO*>(image),
                  DIB_RGB_COLORS, SRCCOPY);
}

void CRemoteDlg::DrawButtonImage(const BYTE* image, const CRect& rect) {
  CClientDC dc(this);
  dc.SelectPalette(&m_palette, FALSE);
  dc.RealizePalette();
  BlitButtonImage(dc, image, rect);
}

void CRemoteDlg::OnPaint() {
  Default();
  CClientDC dc(this);
  dc.SelectPalette(&m_palette, FALSE);
  dc.RealizePalette();
  CBrush black(RGB(0, 0, 0));
  CRect client;
  GetClientRect(client);
  dc.FillRect(client, &black);
  for (int i = 0; i < kButtonCount; ++i) BlitButtonImage(dc, m_pNormalImage[i], m_rcButton[i]);
}
