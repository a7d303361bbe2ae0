#include "ui/converter_dlg.h"

#include <string>

#include "conversion/conversion.h"
#include "framework/paint_dc.h"
#include "framework/resources.h"
#include "framework/shell.h"
#include "ui/minimized_icon.h"
#include "ui/resource.h"
#include "ui/web_pages.h"

namespace fokuro {

using namespace framework;

const MessageEntry CConverterDlg::kMessageEntries[] = {
    framework::OnMessage<&CConverterDlg::OnSysCommand>(WM_SYSCOMMAND),
    framework::OnMessage<&CConverterDlg::OnPaint>(WM_PAINT),
    framework::OnMessage<&CConverterDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
    framework::OnClicked<&CConverterDlg::OnConvert>(IDC_CONVERT),
    framework::OnClicked<&CConverterDlg::OnExit>(IDC_EXIT),
    framework::OnClicked<&CConverterDlg::OnClear>(IDC_CLEAR),
    framework::OnClicked<&CConverterDlg::OnAuthorWeb>(IDC_AUTHOR_WEB),
    framework::OnClicked<&CConverterDlg::OnAuthorIcon>(IDC_AUTHOR_ICON),
};
const MessageMap CConverterDlg::kMessageMap{&CDialog::kMessageMap, kMessageEntries};

CConverterDlg::CConverterDlg(CWnd* parent)
    : CDialog(IDD_CONVERTER_DIALOG, parent), m_hIcon(FindIcon(IDI_APP_ICON)) {}

void CConverterDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
}

BOOL CConverterDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetIcon(m_hIcon, true);
  SetIcon(m_hIcon, false);
  CheckRadioButton(IDC_CROP_1_0, IDC_CROP_1_7, IDC_CROP_1_6);
  return TRUE;  // the platform puts the focus into the first tab stop
}

void CConverterDlg::OnSysCommand(unsigned id, LPARAM lParam) {
  CDialog::OnSysCommand(id, lParam);
}

void CConverterDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND);
  const Rect client = GetClientRect();
  const Point at = MinimizedIconPosition({client.Width(), client.Height()}, StandardIconSize());
  dc.DrawIcon(at.x, at.y, m_hIcon);
}

HICON CConverterDlg::OnQueryDragIcon() {
  return m_hIcon;
}

void CConverterDlg::OnConvert() {
  int classNumber = 0;
  for (int button = IDC_CROP_1_0; button <= IDC_CROP_1_7; ++button) {
    if (IsDlgButtonChecked(button) != BST_UNCHECKED) {
      classNumber = button;
      break;
    }
  }
  const std::string wideText = GetDlgItemText(IDC_WIDE_MM);
  const std::string teleText = GetDlgItemText(IDC_TELE_MM);
  const FocalLengthResults results = ConvertFocalLengths(classNumber, wideText, teleText);
  SetDlgItemText(IDC_WIDE_RESULT, results.wide);
  SetDlgItemText(IDC_TELE_RESULT, results.tele);
}

void CConverterDlg::OnExit() {
  EndDialog(IDOK);
}

void CConverterDlg::OnClear() {
  SetDlgItemText(IDC_WIDE_MM, "");
  SetDlgItemText(IDC_TELE_MM, "");
}

void CConverterDlg::OnAuthorWeb() {
  ShellExecute(kAuthorPageAddress);
}

void CConverterDlg::OnAuthorIcon() {
  ShellExecute(kSecondPageAddress);
}

}  // namespace fokuro
