// The program's services, installed once at start-up and reached through
// one accessor; a test installs the sim's the same way.
#pragma once

namespace tolvane {

class Registry;
class ProfileStore;
class Dialogs;
class System;
class FileSystem;
class Shell;
class WindowSystem;
class FrameworkWindow;
class SettingsManager;
class ErrorManager;

struct Services {
    Registry* registry = nullptr;
    ProfileStore* profile = nullptr;
    Dialogs* dialogs = nullptr;
    System* system = nullptr;
    FileSystem* files = nullptr;
    Shell* shell = nullptr;
    WindowSystem* windows = nullptr;
    SettingsManager* settings = nullptr;
    ErrorManager* errors = nullptr;
    // The framework's current window of the (one) user-interface thread.
    FrameworkWindow* currentWindow = nullptr;
};

// Replaces the installed services; returns the ones it replaced.
Services Install(const Services& services);
Services& Current();

// Installs services for as long as it lives, then puts the previous ones back.
class ScopedServices {
  public:
    explicit ScopedServices(const Services& services) : previous_(Install(services)) {}
    ~ScopedServices() { Install(previous_); }
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

  private:
    Services previous_;
};

}  // namespace tolvane
