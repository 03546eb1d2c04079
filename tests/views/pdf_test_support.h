// Tests that print through the real PDF printer: the headless toolkit measuring with cairo as
// the desktop program does, and poppler's tools (pdftoppm, pdftotext, pdffonts, pdfinfo) to read
// the PDF files back.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "platform/draw/pdf_print.h"
#include "platform/draw/render.h"
#include "platform/ui/headless_toolkit.h"

namespace kordel::test {

/// The headless toolkit measuring as the desktop program does: the screen and the default
/// printer through cairo.
class CairoMeasuringToolkit : public platform::ui::HeadlessToolkit {
  public:
    using HeadlessToolkit::HeadlessToolkit;
    std::unique_ptr<platform::ui::DC> CreateScreenMeasureDC() override {
        return platform::draw::CreateScreenMeasureDC({1280, 1024});
    }
    std::unique_ptr<platform::ui::DC> CreatePrinterMeasureDC() override {
        return platform::draw::PdfPrintSurface::CreateMeasureDC(GetPageSetup());
    }
};

inline bool HasTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

/// Runs `command` and returns its standard output; empty when it fails.
inline std::string Output(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? out : std::string();
}

/// `text` with every run of blanks made one blank, for comparing extracted text.
inline std::string Squeezed(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\t';
        if (blank && (out.empty() || out.back() == ' ' || out.back() == '\n')) continue;
        out += blank ? ' ' : c;
    }
    return out;
}

/// The share of pixels darker than mid-grey in a binary PGM picture (P5, 8 bits).
inline double InkShare(const std::string& pgmPath) {
    std::ifstream in(pgmPath, std::ios::binary);
    std::string magic;
    int width = 0;
    int height = 0;
    int maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    if (magic != "P5" || width <= 0 || height <= 0 || maxValue != 255) return 0.0;
    std::string pixels(static_cast<size_t>(width) * static_cast<size_t>(height), '\0');
    in.read(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    size_t dark = 0;
    for (char p : pixels) dark += static_cast<unsigned char>(p) < 128 ? 1 : 0;
    return static_cast<double>(dark) / static_cast<double>(pixels.size());
}

}  // namespace kordel::test
