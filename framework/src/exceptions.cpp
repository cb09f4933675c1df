#include "framework/exceptions.h"

void AfxThrowMemoryException() { throw CMemoryException(); }

void AfxThrowResourceException() { throw CResourceException(); }
