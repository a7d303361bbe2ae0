// The program's single application object.
#pragma once

#include "framework/win_app.h"

namespace fokuro {

class CConverterApp : public framework::CWinApp {
 public:
  CConverterApp() = default;

  const framework::MessageMap* GetMessageMap() const override { return &kMessageMap; }

  // Runs the main window from start to close, then declines the application's own loop.
  framework::BOOL InitInstance() override;

  static const framework::MessageMap kMessageMap;

 private:
  static const framework::MessageEntry kMessageEntries[];
};

}  // namespace fokuro
