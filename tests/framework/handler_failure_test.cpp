// The framework catches a failure in a message handler: the user sees one of its texts in a
// message box (AFX_IDP_FAILED_MEMORY_ALLOC for memory, AFX_IDP_COMMAND_FAILURE for a command
// without a control, AFX_IDP_INTERNAL_FAILURE otherwise) and the program carries on; a failed
// paint is dropped quietly. Runs headless: the boxes go to the event log and the script
// answers them. A drawing context the handler held is given back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "res/resource_ids.h"

namespace {

std::string g_dir;

enum class Throw { kNothing, kMemory, kBadAlloc, kResource };

constexpr WPARAM kEnd = 900;  // the command that ends the test dialog

// The selector's template with handlers that fail as told. OnInitDialog queues the message
// to fail on, then the command that ends the dialog.
class CFailingDlg : public CDialog {
 public:
  CFailingDlg(UINT message, WPARAM wParam, LPARAM lParam, Throw how)
      : CDialog(IDD_REMOTE), message_(message), wParam_(wParam), lParam_(lParam), how_(how) {}

  int paints = 0;
  HDC held = nullptr;  // the context the mouse handler had when it failed

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (message_) PostMessageA(m_hWnd, message_, wParam_, lParam_);
    PostMessageA(m_hWnd, WM_COMMAND, kEnd, 0);
    return TRUE;
  }
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    if (wParam == kEnd) {
      EndDialog(0);
      return TRUE;
    }
    Fail();
    return TRUE;
  }
  void OnPaint() {
    ++paints;
    Default();
    if (message_ == WM_PAINT) Fail();
  }
  // Fails while holding a drawing context, as when a brush cannot be had after GetDC.
  void OnLButtonDown(UINT, CPoint) {
    CClientDC dc(this);
    held = dc.m_hDC;
    Fail();
  }

  DECLARE_MESSAGE_MAP()

 private:
  void Fail() {
    switch (how_) {
      case Throw::kNothing:
        return;
      case Throw::kMemory:
        AfxThrowMemoryException();
      case Throw::kBadAlloc:
        throw std::bad_alloc();
      case Throw::kResource:
        AfxThrowResourceException();
    }
  }

  UINT message_;
  WPARAM wParam_;
  LPARAM lParam_;
  Throw how_;
};

BEGIN_MESSAGE_MAP(CFailingDlg, CDialog)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

std::vector<std::string> MessageBoxesLogged() {
  std::ifstream in(g_dir + "/log.jsonl");
  std::vector<std::string> boxes;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("{\"ev\":\"msgbox\"", 0) == 0) boxes.push_back(line);
  }
  return boxes;
}

std::string Box(const std::string& text, unsigned type) {
  return "{\"ev\":\"msgbox\",\"caption\":\"Corvale 2000\",\"text\":\"" + text +
         "\",\"type\":" + std::to_string(type) + ",\"owner\":null}";
}

TEST(HandlerFailure, TellsTheUserWithTheFrameworksTexts) {
  struct Case {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    Throw how;
    std::string box;
  };
  const std::string memory = Box("Insufficient memory to perform operation.", 0x1030);
  const std::string command = Box("Command failed.", 0x10);
  const std::string internal = Box("Internal application error.", 0x10);
  const Case cases[] = {
      {"memory in a mouse handler", WM_LBUTTONDOWN, 0, 0, Throw::kMemory, memory},
      {"allocation in a command", WM_COMMAND, IDOK, 0, Throw::kBadAlloc, memory},
      {"resource in a command without a control", WM_COMMAND, IDOK, 0, Throw::kResource, command},
      {"resource in a command from a control", WM_COMMAND, 7, 0x1234, Throw::kResource, internal},
      {"resource in a mouse handler", WM_LBUTTONDOWN, 0, 0, Throw::kResource, internal},
  };
  for (const Case& c : cases) {
    size_t before = MessageBoxesLogged().size();
    CFailingDlg dialog(c.message, c.wParam, c.lParam, c.how);
    // The program carries on: the command queued after the failure still ends the dialog.
    EXPECT_EQ(dialog.DoModal(), 0) << c.name;
    std::vector<std::string> boxes = MessageBoxesLogged();
    ASSERT_EQ(boxes.size(), before + 1) << c.name;
    EXPECT_EQ(boxes.back(), c.box) << c.name;
  }
}

TEST(HandlerFailure, FailedPaintIsDroppedQuietly) {
  size_t before = MessageBoxesLogged().size();
  CFailingDlg dialog(WM_PAINT, 0, 0, Throw::kResource);
  EXPECT_EQ(dialog.DoModal(), 0);
  EXPECT_EQ(MessageBoxesLogged().size(), before);
  EXPECT_EQ(dialog.paints, 1) << "the failed paint is not asked for again";
}

TEST(HandlerFailure, DrawingContextIsGivenBackWhenTheHandlerFails) {
  CFailingDlg dialog(WM_LBUTTONDOWN, 0, 0, Throw::kResource);
  EXPECT_EQ(dialog.DoModal(), 0);
  ASSERT_NE(dialog.held, nullptr);
  // Giving it back again fails: it is no longer out.
  EXPECT_EQ(::ReleaseDC(nullptr, dialog.held), 0);
}

TEST(HandlerFailure, HandlersThatSucceedShowNothing) {
  size_t before = MessageBoxesLogged().size();
  CFailingDlg dialog(WM_LBUTTONDOWN, 0, 0, Throw::kNothing);
  EXPECT_EQ(dialog.DoModal(), 0);
  EXPECT_EQ(MessageBoxesLogged().size(), before);
}

}  // namespace

int main(int argc, char** argv) {
  // The platform reads its settings once: headless, answering every box with OK.
  char pattern[] = "/tmp/channels-framework-XXXXXX";
  g_dir = mkdtemp(pattern);
  std::ofstream script(g_dir + "/script.txt");
  for (int i = 0; i < 20; ++i) script << "msgbox ok\n";
  script.close();
  setenv("CHANNELS_BACKEND", "headless", 1);
  setenv("CHANNELS_SCREEN", "640x480x32", 1);
  setenv("CHANNELS_SCRIPT", (g_dir + "/script.txt").c_str(), 1);
  setenv("CHANNELS_LOG", (g_dir + "/log.jsonl").c_str(), 1);
  setenv("CHANNELS_REGISTRY", (g_dir + "/registry.reg").c_str(), 1);
  static CWinApp app;
  app.InitApplication(GetModuleHandleA(nullptr));
  testing::InitGoogleTest(&argc, argv);
  int result = RUN_ALL_TESTS();
  std::system(("rm -rf " + g_dir).c_str());
  return result;
}
