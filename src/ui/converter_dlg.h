// The main window: pick the crop class, type the lens's focal lengths, convert.
#pragma once

#include "framework/dialog.h"

namespace fokuro {

class CConverterDlg : public framework::CDialog {
 public:
  // Records the template and loads the icon; the platform window is made by DoModal.
  explicit CConverterDlg(framework::CWnd* parent = nullptr);

  const framework::MessageMap* GetMessageMap() const override { return &kMessageMap; }

  static const framework::MessageMap kMessageMap;

 protected:
  void DoDataExchange(framework::CDataExchange* dx) override;
  framework::BOOL OnInitDialog() override;

  void OnSysCommand(unsigned id, framework::LPARAM lParam);
  void OnPaint();
  framework::HICON OnQueryDragIcon();
  void OnConvert();
  void OnExit();
  void OnClear();
  void OnAuthorWeb();
  void OnAuthorIcon();

  framework::HICON m_hIcon;

 private:
  static const framework::MessageEntry kMessageEntries[];
};

}  // namespace fokuro
