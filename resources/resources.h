// The program's resources: the menus, accelerators and tool bar of the main window, the string
// table with each command's status-bar prompt and tool tip, the dialog templates, and the
// pictures (splash, icons, tool bar buttons), which are drawn through the device context.
#pragma once

#include <string>

#include "platform/ui/dc.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/menu.h"
#include "resources/resource_ids.h"

namespace kordel::res {

/// Menu IDR_MAINFRAME (no design open) or IDR_KORDELTYPE (a design open).
const platform::ui::Menu& LoadMenu(int id);
const platform::ui::AcceleratorTable& LoadAccelerators(int id);
const platform::ui::ToolBar& LoadToolBar(int id);
/// A dialog template; throws std::out_of_range for an unknown id.
const platform::ui::DialogTemplate& LoadDialog(int id);

/// A string of the string table; empty when there is none. Command strings hold the status-bar
/// prompt and, after a line break, the tool tip.
std::string LoadString(int id);
/// The status-bar prompt of a command (before the line break).
std::string CommandPrompt(int id);
/// The tool tip of a command (after the line break).
std::string CommandTip(int id);

/// Size of a picture resource (IDB_SPLASH, IDR_MAINFRAME and IDR_KORDELTYPE icons), pixels.
platform::ui::Size PictureSize(int id);
/// Draws a picture resource with its top-left at the device context's origin.
void DrawPicture(int id, platform::ui::DC& dc);
/// Draws the image of tool bar button `commandId` (LoadToolBar's image size).
void DrawToolButton(int commandId, platform::ui::DC& dc);

/// Field `index` of the document string IDR_KORDELTYPE: 0 window title, 1 document name,
/// 2 new-file name, 3 filter, 4 extension, 5 file type id, 6 file type name.
std::string DocumentStringField(int index);

}  // namespace kordel::res
