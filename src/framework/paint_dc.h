// Drawing on a window while it handles WM_PAINT.
#pragma once

#include "framework/types.h"

namespace framework {

class CWnd;

class CPaintDC {
 public:
  explicit CPaintDC(CWnd* window);
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  void DrawIcon(int x, int y, HICON icon);

 private:
  HWND m_hWnd;
};

}  // namespace framework
