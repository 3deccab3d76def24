// The game INI files as text: finding a section and a key, reading a value and patching
// one line, on strings only. The file access and error reports live in game_ini.h.
//
// The game's files are edited in place, so a patch keeps every byte it does not have to
// change: other lines, indentation, and each line's own ending.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gridmate {

// One line of a text: [start, contentEnd) is its text, [contentEnd, end) its line end,
// which is "\r\n", "\n", or empty for a last line without a break. A CR that is not
// followed by LF is ordinary text.
struct TextLine {
    size_t start = 0;
    size_t contentEnd = 0;
    size_t end = 0;

    bool isBlank() const { return start == contentEnd; }
    bool isTerminated() const { return contentEnd != end; }
};

// The lines of `text` in order; a text that ends with a line end has no empty line after it.
std::vector<TextLine> splitLines(std::string_view text);

// The line end the file uses: the first one found in it, "\r\n" when it has none.
std::string lineEndOf(std::string_view text);

// A section as a range of lines: the header line and every following line up to the
// next line that starts with "[" (after blanks or tabs), or to the end of the text.
struct IniSection {
    size_t headerLine = 0;
    size_t endLine = 0;  // one past the section's last line
};

// The first section whose header line starts, after blanks or tabs, with `header`
// (exact, case-sensitive text, brackets included).
std::optional<IniSection> findSection(std::string_view text, const std::vector<TextLine>& lines,
                                      std::string_view header);

// The position of `key` on the first line of `section` that starts, after blanks or tabs,
// with the exact key text followed by a blank, a tab, "=" or the line end.
std::optional<size_t> findKey(std::string_view text, const std::vector<TextLine>& lines,
                              const IniSection& section, std::string_view key,
                              size_t* lineIndex = nullptr);

struct IniValue {
    std::string value;
    int32_t count = 0;  // the value's length before its final trim
};

// The value of a key's line (the text from the key to the line end): after the first
// "=", blanks trimmed, tabs removed, cut at the first ";", then trimmed again.
IniValue parseIniValue(std::string_view keyLine);

// The value of `key` in section `header`; "" and 0 when the section or key is missing.
IniValue readIniText(std::string_view text, std::string_view header, std::string_view key);

// `text` with `line` made the line of `key` in section `header`: the key's old line is
// replaced from the key to its line end, or the line is inserted at the section's end,
// or the section is appended with it.
std::string patchIniText(std::string_view text, std::string_view header, std::string_view key,
                         std::string_view line);

}  // namespace gridmate
