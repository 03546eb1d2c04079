// The program's icon for the desktop's icon theme, drawn by the program's own picture code (the
// main window's icon) and rendered at the sizes the build asks for:
//
//   kordel_icons FOLDER SIZE...   writes FOLDER/<SIZE>x<SIZE>/apps/kordel.png for each SIZE
//
// The build runs it into its icons folder; the install puts that folder under share/icons/hicolor.
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/draw/render.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: kordel_icons FOLDER SIZE...\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const platform::ui::Size grid = kordel::res::PictureSize(kordel::IDR_MAINFRAME);
    for (int i = 2; i < argc; ++i) {
        const std::string size = argv[i];
        int pixels = 0;
        try {
            pixels = std::stoi(size);
        } catch (const std::exception&) {
            pixels = 0;
        }
        if (pixels <= 0 || std::to_string(pixels) != size) {
            std::cerr << "kordel_icons: \"" << size << "\" is no icon size\n";
            return 2;
        }
        const std::filesystem::path apps = folder / (size + "x" + size) / "apps";
        std::error_code ec;
        std::filesystem::create_directories(apps, ec);
        const platform::ui::Bitmap icon = platform::draw::RenderScaledBitmap(
            grid, static_cast<double>(pixels) / grid.cx,
            [](platform::ui::DC& dc) { kordel::res::DrawPicture(kordel::IDR_MAINFRAME, dc); });
        const std::filesystem::path png = apps / "kordel.png";
        if (!platform::draw::WritePng(icon, png.string())) {
            std::cerr << "kordel_icons: cannot write " << png.string() << "\n";
            return 1;
        }
    }
    return 0;
}
