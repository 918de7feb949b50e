// The framework's window manager: a dialog window bound to the fields of
// its procedure, prepared, run until a closing control is accepted, and
// finished exactly once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Window.h"

namespace tolvane {

class ScreenWindow;

// Levels that the manager's operations return.
enum class Level : std::int32_t { Benign = 0, Notify = 5, Fatal = 8 };

// How a window was closed.
enum class Response : std::int32_t { None = 0, RequestCompleted = 1, RequestCancelled = 2 };

// A dialog window and the fields its controls show and edit.
class FormWindow {
  public:
    explicit FormWindow(std::unique_ptr<DialogWindow> dialog);
    DialogWindow& Dialog() { return *dialog_; }

    // An entry that shows a text field of `capacity` characters.
    void BindText(int control, std::string& field, std::size_t capacity);
    // A check box that shows a flag: 1 ticked, 0 not.
    void BindFlag(int control, std::uint8_t& field);

    // Shows every field's current value in its control.
    void Display();
    // Takes an accepted control's content into its field.
    void Update(int control);

  private:
    struct Binding {
        int control = 0;
        std::string* text = nullptr;
        std::size_t capacity = 0;
        std::uint8_t* flag = nullptr;
    };
    std::unique_ptr<DialogWindow> dialog_;
    std::vector<Binding> bindings_;
};

class WindowManager {
  public:
    explicit WindowManager(FormWindow& window);
    virtual ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    // Prepares the window; on success shows the fields and runs the event
    // loop until the window is to close; then, in every case, finishes.
    Level Run();

    // Creates the manager's lists.
    virtual Level PrepareWindow();
    // Takes an accepted control's content into its field; a closing control
    // sets its response and ends the event loop.
    virtual Level HandleAccepted(int control);
    // Releases the lists and marks the manager finished; Notify when it had
    // finished already.
    virtual Level FinishWindow();

    // Opens the window, makes it the thread's current window and puts the
    // focus on FIRSTFIELD. Fatal when the window cannot be created.
    Level Open();
    // Registers a control that closes the window with `response`.
    void AddItem(int control, Response response);
    // The open window as the framework shows it, or null.
    FrameworkWindow* Screen();

    int FIRSTFIELD = 0;
    bool OPENED = false;
    Response RESPONSE = Response::None;

  protected:
    FormWindow& window_;

  private:
    struct Closer {
        int control = 0;
        Response response = Response::None;
    };
    std::unique_ptr<std::vector<Closer>> closers_;
    bool finished_ = false;
    std::unique_ptr<ScreenWindow> screen_;
    FrameworkWindow* previousCurrent_ = nullptr;
    bool registered_ = false;
};

}  // namespace tolvane
