// The controller of the main window: restores the form and the window's
// position when the window opens, dispatches its buttons, and saves both
// when it closes.
#pragma once

#include "app/FileLookup.h"
#include "app/Form.h"
#include "platform/WindowManager.h"

namespace tolvane {

class KWWindowPlacementClass;

class MainController : public WindowManager {
  public:
    MainController(FormWindow& window, LocFields& Loc, KWWindowPlacementClass& placement,
                   FileLookup& lookup);

    Level PrepareWindow() override;
    Level HandleAccepted(int control) override;
    Level FinishWindow() override;

  private:
    LocFields& Loc_;
    KWWindowPlacementClass& placement_;
    FileLookup& lookup_;
};

// The window procedure: owns the form, the window and its controller for
// one run, and returns when the window has closed and the form is saved.
void Main();

}  // namespace tolvane
