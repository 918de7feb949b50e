#include "app/MainController.h"

#include "app/DriverRegistration.h"
#include "app/OdbcAdmin.h"
#include "platform/Dialogs.h"
#include "platform/ErrorManager.h"
#include "platform/Services.h"
#include "platform/SettingsManager.h"
#include "platform/Text.h"
#include "window/KWWindowPlacementClass.h"

namespace tolvane {

namespace {
const char kSection[] = "Main";
const char kDefaultDriverName[] = "TopSpeed ODBC Driver";
}  // namespace

MainController::MainController(FormWindow& window, LocFields& Loc,
                               KWWindowPlacementClass& placement, FileLookup& lookup)
    : WindowManager(window), Loc_(Loc), placement_(placement), lookup_(lookup) {}

Level MainController::PrepareWindow() {
    Services& services = Current();
    SettingsManager* settings = services.settings;
    // 1 to 5.
    if (services.errors != nullptr) services.errors->SetProcedureName("Main");
    Level level = WindowManager::PrepareWindow();
    if (level != Level::Benign) return level;
    FIRSTFIELD = control::ODBCPathPrompt;
    AddItem(control::Cancel, Response::RequestCancelled);
    Level opened = Open();
    // 6.
    if (opened == Level::Benign && settings != nullptr && Screen() != nullptr) {
        settings->RestoreWindowPosition(kSection, *Screen());
    }
    // 7 to 9. Read even when the window could not be opened: the form is
    // written back at the close, and must not overwrite the saved values.
    if (settings != nullptr) {
        Loc_.ODBCPath = text::Cut(settings->ReadSetting(kSection, "Loc:ODBCPath"), kODBCPathSize);
        Loc_.DriverName =
            text::Cut(settings->ReadSetting(kSection, "Loc:DriverName"), kDriverNameSize);
        // Kept in 8 bits; any other non-zero value shows as ticked and is
        // saved back as 1.
        auto flag = static_cast<std::uint8_t>(
            text::ToNumber(settings->ReadSetting(kSection, "Loc:RunODBCAdmin")));
        Loc_.RunODBCAdmin = flag != 0 ? 1 : 0;
    }
    if (text::IsBlank(Loc_.DriverName)) Loc_.DriverName = kDefaultDriverName;
    if (opened != Level::Benign) return opened;
    // 10.
    placement_.FixWindowPosition();
    // 11.
    lookup_.WINDOWTITLE = "Select Topspeed ODBC driver";
    lookup_.MASKSTRING = "ZIV ADEZ Driver|c4otSDX.dll|ZIV ADEZ Driver (Read Only)|c4otRDX.dll";
    lookup_.FLAGS = kOfnExplorer | kOfnHideReadOnly | kOfnFileMustExist | kOfnPathMustExist;
    lookup_.DEFAULTDIRECTORY.clear();
    lookup_.DEFAULTFILE.clear();
    lookup_.SAVEPATH = true;
    lookup_.CLEARONCANCEL = true;
    // 12.
    return Level::Benign;
}

Level MainController::HandleAccepted(int accepted) {
    Level level = WindowManager::HandleAccepted(accepted);
    switch (accepted) {
        case control::LookupFile:
            Loc_.ODBCPath = text::Cut(lookup_.Ask(Loc_.ODBCPath), kODBCPathSize);
            window_.Display();
            break;
        case control::AddDriver:
            AddDriver(Loc_, window_.Dialog());
            break;
        case control::RunAdmin:
            LaunchODBCAdmin();
            break;
        default:
            break;
    }
    return level;
}

Level MainController::FinishWindow() {
    Level level = WindowManager::FinishWindow();
    if (level != Level::Benign) return level;
    Services& services = Current();
    if (SettingsManager* settings = services.settings) {
        if (OPENED && Screen() != nullptr) settings->SaveWindowPosition(kSection, *Screen());
        settings->WriteSetting(kSection, "Loc:ODBCPath", Loc_.ODBCPath);
        settings->WriteSetting(kSection, "Loc:DriverName", Loc_.DriverName);
        settings->WriteSetting(kSection, "Loc:RunODBCAdmin",
                               static_cast<long long>(Loc_.RunODBCAdmin));
    }
    if (services.errors != nullptr) services.errors->SetProcedureName();
    return Level::Benign;
}

void Main() {
    // 1 to 4.
    LocFields Loc;
    KWWindowPlacementClass placement;
    Dialogs* dialogs = Current().dialogs;
    if (dialogs == nullptr) return;
    FormWindow window(dialogs->CreateMainWindow());
    window.BindText(control::ODBCPath, Loc.ODBCPath, kODBCPathSize);
    window.BindText(control::DriverName, Loc.DriverName, kDriverNameSize);
    window.BindFlag(control::RunODBCAdmin, Loc.RunODBCAdmin);
    {
        FileLookup lookup;
        MainController controller(window, Loc, placement, lookup);
        // 5.
        controller.Run();
    }
    // 6. The window, the placement object and the fields go with this scope.
    window.Dialog().Destroy();
}

}  // namespace tolvane
