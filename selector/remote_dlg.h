// CRemoteDlg: the selector panel, a full-screen black dialog showing the remote control
// with its four channel buttons and the QUIT button.
#pragma once

#include <cstdint>

#include "button_layout.h"
#include "framework/framework.h"

class CRemoteDlg : public CDialog {
 public:
  explicit CRemoteDlg(CWnd* pParent);
  ~CRemoteDlg() override;

 protected:
  // 0 to 4 play that channel; 5 or more end the panel. Always TRUE: the dialog's own
  // reactions to IDOK and IDCANCEL never happen.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;

  void OnPaint();
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);

  DECLARE_MESSAGE_MAP()

 private:
  // Sets m_nHit to the first button containing the point, or NO_BUTTON.
  void HitTest(CPoint point);
  // Copies a button picture unscaled into its rectangle, on a context in which the panel
  // palette is selected and realised.
  static void BlitButtonImage(CDC& dc, const BYTE* image, const CRect& rect);
  // The same on a context of its own.
  void DrawButtonImage(const BYTE* image, const CRect& rect);
  void PlayChannel(unsigned channel);

  CRect m_rcButton[kButtonCount];
  const BYTE* m_pNormalImage[kButtonCount] = {};
  const BYTE* m_pPressedImage[kButtonCount] = {};
  CPalette m_palette;
  int32_t m_nHit = NO_BUTTON;
  int32_t m_nPressed = NO_BUTTON;
};
