// The vehicle dialogs on the desktop, for a look at their layout: "Vehicle Properties" on the
// standard vehicle HL-93 in US or metric units, or "Truck Library Maintenance" on the vehicle
// library folder (with HL-93 written there first, so that the list holds a file). The program
// ends when the dialog closes.
//
//   kordel_vehicle_dialogs_demo properties-us | properties-metric | maintenance
#include <string>
#include <vector>

#include "document/model_limits.h"
#include "libraries/library_folders.h"
#include "libraries/truck_lib_maint_dlg.h"
#include "libraries/truck_prop_dlg.h"
#include "platform/folders.h"
#include "platform/ini.h"
#include "platform/ui/application.h"
#include "platform/wx/wx_app.h"

namespace {

class VehicleDialogsDemo : public platform::ui::Application {
  public:
    bool InitInstance(const std::vector<std::string>& args) override {
        const std::string which = args.empty() ? "properties-us" : args[0];
        if (which == "maintenance") {
            const std::string folder = kordel::ResolveLibraryFolder(
                platform::kIniKeyTruckLibraryFolder, kordel::kVehicleLibraryDefaultSuffix);
            platform::CreateFolders(folder);
            kordel::CTruckLibDoc doc;
            static_cast<kordel::TruckLibRecord&>(doc) = kordel::StandardVehicle();
            doc.OnSaveDocument(platform::JoinPath(folder, "HL-93.ktl"));
            kordel::CTruckLibMaintDlg dlg;
            dlg.DoModal();
        } else {
            kordel::CTruckPropDlg dlg;
            dlg.SetVehicle(kordel::StandardVehicle(), which == "properties-metric"
                                                          ? kordel::kUnitsMetric
                                                          : kordel::kUnitsUS);
            dlg.DoModal();
        }
        return false;  // nothing more to show
    }
};

}  // namespace

int main(int argc, char** argv) {
    VehicleDialogsDemo demo;
    return platform::wx::RunApplication(demo, argc, argv);
}
