// The framework's failures. Thrown inside message handlers, they are caught by the
// framework's message dispatch, which tells the user (see CWnd).
#pragma once

class CException {
 public:
  virtual ~CException() = default;
};

class CMemoryException : public CException {};

// A drawing resource (context, brush, palette) could not be had.
class CResourceException : public CException {};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowResourceException();
