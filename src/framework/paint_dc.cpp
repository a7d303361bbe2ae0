#include "framework/paint_dc.h"

#include "framework/backend.h"
#include "framework/wnd.h"

namespace framework {

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) {}

void CPaintDC::DrawIcon(int x, int y, HICON icon) {
  CurrentBackend().DrawIcon(m_hWnd, {x, y}, icon);
}

}  // namespace framework
