// Dialog templates IDD_ABOUTBOX ("About Kordel") and IDD_SEED_FILE ("Initialize New Design").
#include <stdexcept>

#include "resources/resources.h"

namespace kordel::res {

using platform::ui::ControlKind;
using platform::ui::DialogTemplate;
using platform::ui::kIdCancel;
using platform::ui::kIdOk;
using platform::ui::kIdStatic;
using platform::ui::MakeControl;

namespace {

DialogTemplate MakeAbout() {
    using namespace platform::ui;
    DialogTemplate d;
    d.id = IDD_ABOUTBOX;
    d.caption = "About Kordel";
    d.size = {250, 86};
    d.controls = {
        MakeControl(ControlKind::Icon, kIdStatic, "", 10, 10, 21, 20),
        MakeControl(ControlKind::Label, kIdStatic, "Kordel", 42, 10, 80, 9),
        MakeControl(ControlKind::Label, kIdStatic, "Version", 42, 22, 30, 9),
        MakeControl(ControlKind::Label, IDC_VERSION, "4.62", 72, 22, 50, 9),
        MakeControl(ControlKind::Label, kIdStatic,
                    "Analysis and design of precast/pretensioned concrete bridge girders in "
                    "accordance with AASHTO Standard or LRFD Specifications.",
                    42, 38, 196, 26),
        MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 188, 66, 50, 14),
    };
    return d;
}

DialogTemplate MakeSeedFile() {
    using namespace platform::ui;
    DialogTemplate d;
    d.id = IDD_SEED_FILE;
    d.caption = "Initialize New Design";
    d.size = {316, 170};
    d.controls = {
        MakeControl(ControlKind::RadioButton, IDC_SEED_SIMPLE_SPAN,
                    "Simple-span composite I-girder", 12, 12, 170, 10, kStyleGroup),
        MakeControl(ControlKind::RadioButton, IDC_SEED_ADJACENT_BOX,
                    "Non-composite adjacent box beam", 12, 27, 170, 10),
        MakeControl(ControlKind::RadioButton, IDC_SEED_CONTINUOUS,
                    "Continuous composite 3-span I-girder", 12, 42, 170, 10),
        MakeControl(ControlKind::RadioButton, IDC_SEED_SPLICED, "Spliced post-tensioned I-girder",
                    12, 57, 170, 10),
        MakeControl(ControlKind::RadioButton, IDC_SEED_FROM_FILE,
                    "Initialize job using a previous job as seed file:", 12, 80, 178, 10),
        MakeControl(ControlKind::PushButton, IDC_SEED_SELECT_FILE, "Select a File...", 24, 95, 72,
                    14),
        MakeControl(ControlKind::SunkenFrame, IDC_SEED_NAME, "", 12, 120, 292, 13),
        MakeControl(ControlKind::SunkenFrame, IDC_SEED_SKETCH, "", 198, 12, 106, 97,
                    kStyleOwnerDraw),
        MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 196, 146, 50, 14, kStyleGroup),
        MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 254, 146, 50, 14),
    };
    return d;
}

}  // namespace

const DialogTemplate& LoadDialog(int id) {
    static const DialogTemplate kAbout = MakeAbout();
    static const DialogTemplate kSeed = MakeSeedFile();
    if (id == IDD_ABOUTBOX) return kAbout;
    if (id == IDD_SEED_FILE) return kSeed;
    throw std::out_of_range("no dialog resource " + std::to_string(id));
}

}  // namespace kordel::res
