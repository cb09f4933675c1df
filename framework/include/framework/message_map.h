// Message maps: each class lists the messages it handles and chains to its base class's map.
#pragma once

#include "win32_api.h"

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

// How a handler is called: which arguments it takes from the message.
enum AfxSig {
  AfxSig_end = 0,
  AfxSig_vv,      // void (void)
  AfxSig_vwp,     // void (UINT nFlags, CPoint point)
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  AfxSig nSig;
  AFX_PMSG pfn;
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

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                     \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                \
    using ThisClass [[maybe_unused]] = theClass;                                   \
    using TheBaseClass = baseClass;                                                \
    static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                    \
  {0, AfxSig_end, nullptr}                                                   \
  }                                                                          \
  ;                                                                          \
  static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                               \
  }

// The root of every message map chain.
class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;
  virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
};
