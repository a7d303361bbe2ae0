// A dialog window made from a template resource and run modally.
#pragma once

#include "framework/wnd.h"

namespace framework {

// The data-exchange step between controls and members.
class CDataExchange {
 public:
  explicit CDataExchange(bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate) {}
  bool m_bSaveAndValidate;
};

class CDialog : public CWnd {
 public:
  explicit CDialog(unsigned templateId, CWnd* parent = nullptr);

  const MessageMap* GetMessageMap() const override { return &kMessageMap; }

  // Makes the window hidden from the template, runs OnInitDialog, centres and shows the
  // window, runs its modal loop until EndDialog, then destroys the platform window and
  // returns the end code: -1 when the template is missing, the window cannot be made, the
  // platform fails outside the handlers or asks the program to quit.
  virtual LRESULT DoModal();
  // Records the end code, hides the window and stops the loop after the current message.
  void EndDialog(int result);

  // TRUE lets the platform put the focus on the first tab stop.
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  unsigned m_nIDHelp;  // the template number, which also gives the help number

  static const MessageMap kMessageMap;

 protected:
  virtual void DoDataExchange(CDataExchange* dx);
  LRESULT DefWindowProc(unsigned message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT HandleInitDialog();
  LRESULT OnCommandHelp();

  unsigned m_templateId;
  CWnd* m_pParentWnd;
  int m_nModalResult = -1;
  bool m_ended = false;

  static const MessageEntry kMessageEntries[];
};

}  // namespace framework
