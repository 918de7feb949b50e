#include "app/Program.h"

#include "app/MainController.h"
#include "platform/ErrorManager.h"
#include "platform/Services.h"
#include "platform/SettingsManager.h"

namespace tolvane {

int RunProgram() {
    // 1 to 3: the two program-wide services, for the length of the run.
    ErrorStatus status;
    ErrorManager errors;
    errors.Init(status);
    SettingsManager settings;
    settings.Init(".\\Tolvane.INI", SettingsManager::kIniFile);
    Services& services = Current();
    ErrorManager* previousErrors = services.errors;
    SettingsManager* previousSettings = services.settings;
    services.errors = &errors;
    services.settings = &settings;

    // 4.
    Main();

    // 5 and 6.
    settings.Kill();
    Current().errors = previousErrors;
    Current().settings = previousSettings;
    return 0;
}

}  // namespace tolvane
