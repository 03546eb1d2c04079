#include "platform/ui/system_look.h"

#include "platform/ui/toolkit.h"

namespace platform::ui {

SystemLook SystemLook::Classic() {
    SystemLook look;
    look.Set(SysColour::Window, kWhite);
    look.Set(SysColour::WindowText, kBlack);
    look.Set(SysColour::ButtonFace, Rgb(240, 240, 240));
    look.Set(SysColour::ButtonShadow, Rgb(160, 160, 160));
    look.Set(SysColour::ButtonHighlight, kWhite);
    look.Set(SysColour::Light3D, Rgb(227, 227, 227));
    look.Set(SysColour::DarkShadow3D, Rgb(105, 105, 105));
    look.Set(SysColour::Highlight, Rgb(0, 120, 215));
    look.Set(SysColour::HighlightText, kWhite);
    look.Set(SysColour::InfoBackground, Rgb(255, 255, 225));
    look.Set(SysColour::InfoText, kBlack);
    // 9 points at 96 pixels per inch.
    look.messageFont = Font{"Arial", -12, kFontWeightNormal};
    return look;
}

SystemLook CurrentLook() {
    const Toolkit* toolkit = FindToolkit();
    return toolkit ? toolkit->Look() : SystemLook::Classic();
}

}  // namespace platform::ui
