#include "core/ini/ini_text.h"

namespace gridmate {

namespace {

bool isIndent(char c) { return c == ' ' || c == '\t'; }

// Where the line's text begins after its indentation.
size_t firstNonIndent(std::string_view text, const TextLine& line) {
    size_t pos = line.start;
    while (pos < line.contentEnd && isIndent(text[pos])) ++pos;
    return pos;
}

bool startsWithAt(std::string_view text, size_t pos, size_t limit, std::string_view word) {
    return limit - pos >= word.size() && text.substr(pos, word.size()) == word;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::string spliced(std::string_view text, size_t from, size_t to, std::string_view middle) {
    std::string out;
    out.reserve(text.size() + middle.size());
    out.append(text.substr(0, from));
    out.append(middle);
    out.append(text.substr(to));
    return out;
}

// A missing section goes at the end, with exactly one blank line between the old text
// and its header. An empty file gets no leading blank line.
std::string appendSection(std::string_view text, const std::vector<TextLine>& lines,
                          const std::string& eol, std::string_view header, std::string_view line) {
    std::string out(text);
    if (!lines.empty()) {
        const TextLine& last = lines.back();
        if (!last.isTerminated())
            out += eol + eol;
        else if (!last.isBlank())
            out += eol;
    }
    out.append(header);
    out += eol;
    out.append(line);
    out += eol;
    return out;
}

}  // namespace

std::vector<TextLine> splitLines(std::string_view text) {
    std::vector<TextLine> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            // A CR that ends the file ends its last line (as the game's writer ends lines
            // at CR): kept as part of the text, a line end added behind it would turn it
            // into CR LF and the line would read differently.
            size_t contentEnd = text.back() == '\r' ? text.size() - 1 : text.size();
            lines.push_back({start, contentEnd, text.size()});
            break;
        }
        size_t contentEnd = (lf > start && text[lf - 1] == '\r') ? lf - 1 : lf;
        lines.push_back({start, contentEnd, lf + 1});
        start = lf + 1;
    }
    return lines;
}

std::string lineEndOf(std::string_view text) {
    size_t lf = text.find('\n');
    if (lf == std::string_view::npos) return "\r\n";
    return (lf > 0 && text[lf - 1] == '\r') ? "\r\n" : "\n";
}

std::optional<IniSection> findSection(std::string_view text, const std::vector<TextLine>& lines,
                                      std::string_view header) {
    for (size_t i = 0; i < lines.size(); ++i) {
        size_t pos = firstNonIndent(text, lines[i]);
        if (!startsWithAt(text, pos, lines[i].contentEnd, header)) continue;
        IniSection section{i, i + 1};
        while (section.endLine < lines.size()) {
            const TextLine& next = lines[section.endLine];
            size_t first = firstNonIndent(text, next);
            if (first < next.contentEnd && text[first] == '[') break;
            ++section.endLine;
        }
        return section;
    }
    return std::nullopt;
}

std::optional<size_t> findKey(std::string_view text, const std::vector<TextLine>& lines,
                              const IniSection& section, std::string_view key, size_t* lineIndex) {
    for (size_t i = section.headerLine + 1; i < section.endLine; ++i) {
        const TextLine& line = lines[i];
        size_t pos = firstNonIndent(text, line);
        if (!startsWithAt(text, pos, line.contentEnd, key)) continue;
        size_t after = pos + key.size();
        if (after == line.contentEnd || isIndent(text[after]) || text[after] == '=') {
            if (lineIndex) *lineIndex = i;
            return pos;
        }
    }
    return std::nullopt;
}

// The steps keep the game's own order: tabs go after the first trim and before the
// comment is cut, and the count is taken before the last trim.
IniValue parseIniValue(std::string_view keyLine) {
    size_t equals = keyLine.find('=');
    std::string_view rest = equals == std::string_view::npos ? keyLine : keyLine.substr(equals + 1);
    std::string value;
    for (char c : trimBlanks(rest))
        if (c != '\t') value += c;
    size_t semicolon = value.find(';');
    if (semicolon != std::string::npos) value.resize(semicolon);
    IniValue result;
    result.count = static_cast<int32_t>(value.size());
    result.value = std::string(trimBlanks(value));
    return result;
}

IniValue readIniText(std::string_view text, std::string_view header, std::string_view key) {
    auto lines = splitLines(text);
    auto section = findSection(text, lines, header);
    if (!section) return parseIniValue({});
    size_t lineIndex = 0;
    auto keyPos = findKey(text, lines, *section, key, &lineIndex);
    if (!keyPos) return parseIniValue({});
    return parseIniValue(text.substr(*keyPos, lines[lineIndex].contentEnd - *keyPos));
}

std::string patchIniText(std::string_view text, std::string_view header, std::string_view key,
                         std::string_view line) {
    auto lines = splitLines(text);
    std::string eol = lineEndOf(text);
    auto section = findSection(text, lines, header);
    size_t lineIndex = 0;
    std::optional<size_t> keyPos;
    if (section) keyPos = findKey(text, lines, *section, key, &lineIndex);
    if (keyPos) return spliced(text, *keyPos, lines[lineIndex].contentEnd, line);
    // Lines go in behind a last line that ends in a lone CR: its CR is completed to
    // CR LF first, which changes no line, so that the new lines start lines of their own.
    if (!text.empty() && text.back() == '\r')
        return patchIniText(std::string(text) + "\n", header, key, line);
    if (!section) return appendSection(text, lines, eol, header, line);

    std::string added(line);
    added += eol;
    const TextLine& last = lines[section->endLine - 1];
    // A blank line closing the section stays its last line: the new line goes in front.
    if (section->endLine - 1 > section->headerLine && last.isBlank())
        return spliced(text, last.start, last.start, added);
    // The last section: a line end, the line, and a closing blank line, in front of
    // which the next missing key of this section will then go (the case above).
    if (section->endLine == lines.size()) return std::string(text) + eol + added + eol;
    // Directly followed by the next header: the line ends the section, and one blank
    // line now separates it from the next header.
    return spliced(text, last.end, last.end, added + eol);
}

}  // namespace gridmate
