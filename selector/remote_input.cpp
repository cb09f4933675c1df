// The panel's mouse handling and its commands: QUIT, and the disc check of a channel.
#include <cstdio>

#include "install/install_paths.h"
#include "player/movie_on_disc.h"
#include "player/movie_playback.h"
#include "player/movie_window.h"
#include "remote_dlg.h"

void CRemoteDlg::HitTest(CPoint point) {
  for (m_nHit = 0; m_nHit < kButtonCount; ++m_nHit) {
    if (::PtInRect(&m_rcButton[m_nHit], point)) return;
  }
  m_nHit = NO_BUTTON;
}

void CRemoteDlg::OnLButtonDown(UINT, CPoint point) {
  Default();
  HitTest(point);
  if (m_nHit == NO_BUTTON) {
    m_nPressed = NO_BUTTON;
    return;
  }
  m_nPressed = m_nHit;
  DrawButtonImage(m_pPressedImage[m_nPressed], m_rcButton[m_nPressed]);
}

void CRemoteDlg::OnLButtonUp(UINT, CPoint point) {
  Default();
  HitTest(point);
  if (m_nPressed != NO_BUTTON && m_nHit == m_nPressed) {
    OnCommand(static_cast<WPARAM>(g_buttonCommands[m_nPressed]), 0);
  }
  // The command may have run message loops in which another press and release already
  // reset the pressed button.
  if (m_nPressed != NO_BUTTON) {
    DrawButtonImage(m_pNormalImage[m_nPressed], m_rcButton[m_nPressed]);
    InvalidateRect(m_rcButton[m_nPressed], TRUE);
  }
  m_nHit = NO_BUTTON;
  m_nPressed = NO_BUTTON;
}

BOOL CRemoteDlg::OnCommand(WPARAM wParam, LPARAM) {
  // The whole parameter counts: a value with any of its upper bits set quits too.
  auto command = static_cast<uint32_t>(wParam);
  if (command < 5) {
    PlayChannel(command);
    return TRUE;
  }
  {
    CClientDC dc(this);  // no palette selected: plain black
    CBrush black(RGB(0, 0, 0));
    CRect client;
    GetClientRect(client);
    dc.FillRect(client, &black);
  }
  InvalidateRect(nullptr, TRUE);
  EndDialog(static_cast<int>(command));
  return TRUE;
}

void CRemoteDlg::PlayChannel(unsigned channel) {
  char first[260];
  char second[260];
  std::snprintf(first, sizeof first, "ZOVA%dA.SMK", static_cast<int>(channel));
  std::snprintf(second, sizeof second, "ZOVA%dB.SMK", static_cast<int>(channel));
  if (!MovieOnDisc(first) || !MovieOnDisc(second)) {
    char prompt[260];
    std::snprintf(prompt, sizeof prompt,
                  "The selected movie wasn't found on the CD-ROM it was installed from.  Please "
                  "insert the Corvale 2000 Special Edition CD-ROM in drive %s.",
                  static_cast<LPCTSTR>(DiscDrivePrefix()));
    AfxMessageBox(prompt, MB_OK, 0);
    return;
  }
  if (!CreateMovieWindow()) return;
  if (!PlayMovie(first)) PlayMovie(second);
  DestroyMovieWindow();
}
