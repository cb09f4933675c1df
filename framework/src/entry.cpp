// The program's entry: sets up the one application object, runs it and returns its exit code.
#include "framework/winapp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CWinApp* app = AfxGetApp();
  if (!app) return -1;
  // A drive without a disc must fail quietly instead of prompting the user.
  SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  app->InitApplication(instance);
  if (!app->InitInstance()) return app->ExitInstance();
  return app->Run();
}
