// The clipboard of the desktop, as the program exchanges text with other programs: Cut, Copy
// and Paste of cells and fields. Text is in the program's 8-bit encoding (Windows-1252); the
// backend converts at its edge. What another program put on the clipboard is taken as the block
// it is: it may hold NUL bytes, and nothing says it ends with one, so a reader bounds the text
// by the block's size.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::ui {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    /// Puts `text` on the clipboard for every program; false when the clipboard refuses.
    virtual bool SetText(const std::string& text) = 0;
    /// Whether the clipboard offers text.
    virtual bool HasText() const = 0;
    /// The clipboard's text block, every byte of it; none when it offers no text.
    virtual std::optional<std::string> GetText() const = 0;
};

/// A clipboard in memory: the headless backend's, and the fall-back of a toolkit with none.
class MemoryClipboard : public Clipboard {
  public:
    bool SetText(const std::string& text) override {
        m_text = text;
        return true;
    }
    bool HasText() const override { return m_text.has_value(); }
    std::optional<std::string> GetText() const override { return m_text; }
    /// Empties it, as another program that puts a picture there does.
    void Clear() { m_text.reset(); }

  private:
    std::optional<std::string> m_text;
};

/// The text a clipboard or dropped block holds: its bytes up to the first NUL, never past the
/// block's end.
inline std::string_view TextOfBlock(std::string_view block) {
    return block.substr(0, block.find('\0'));
}

}  // namespace platform::ui
