// Message maps: each class lists the messages it handles and chains to its base class's map.
// An entry holds a small function that unpacks the message's parameters and calls the
// class's handler.
#pragma once

#include "win32_api.h"

class CCmdTarget;

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  void (*pfnCall)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                       \
 protected:                                         \
  static const AFX_MSGMAP* GetThisMessageMap();     \
  const AFX_MSGMAP* GetMessageMap() const override; \
                                                    \
 private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                    \
  { 0, nullptr }                                                             \
  }                                                                          \
  ;                                                                          \
  static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                               \
  }

// The mouse position of a mouse message, in client coordinates.
#define AFX_POINT_OF(lParam) \
  CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))

#define ON_WM_PAINT() \
  {WM_PAINT, [](CCmdTarget* t, WPARAM, LPARAM) { static_cast<ThisClass*>(t)->OnPaint(); }},
#define ON_WM_LBUTTONDOWN()                                                            \
  {WM_LBUTTONDOWN, [](CCmdTarget* t, WPARAM w, LPARAM l) {                             \
     static_cast<ThisClass*>(t)->OnLButtonDown(static_cast<UINT>(w), AFX_POINT_OF(l)); \
   }},
#define ON_WM_LBUTTONUP()                                                            \
  {WM_LBUTTONUP, [](CCmdTarget* t, WPARAM w, LPARAM l) {                             \
     static_cast<ThisClass*>(t)->OnLButtonUp(static_cast<UINT>(w), AFX_POINT_OF(l)); \
   }},

// The root of every message map chain.
class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;
  virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
};

// The entry for `message` in a map or the maps it chains to; null when none handles it.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message);
