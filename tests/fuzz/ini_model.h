// What a game INI patch must give, stated on a list of lines apart from the engine: the
// property test and the fuzz target hold patchIniText to it on any bytes.
#pragma once

#include <string>
#include <vector>

namespace gridmate::model {

struct Line {
    std::string text, end;  // end: "\r\n", "\n", "" (no break), or "\r" (a CR ending the file)
};

inline std::string unindented(const std::string& s) {
    return s.substr(std::min(s.find_first_not_of(" \t"), s.size()));
}

inline std::string patch(const std::string& old, const std::string& header, const std::string& key,
                         const std::string& line) {
    std::vector<Line> lines;
    for (size_t start = 0, lf = 0; start < old.size(); start = lf + 1) {
        lf = old.find('\n', start);
        Line l{old.substr(start, lf - start), lf == std::string::npos ? "" : "\n"};
        if (l.text.ends_with('\r')) l.text.pop_back(), l.end.insert(0, "\r");
        lines.push_back(l);
        if (lf == std::string::npos) break;
    }
    std::string eol = "\r\n";  // new lines take the file's first line break
    for (auto l = lines.rbegin(); l != lines.rend(); ++l) eol = l->end.ends_with('\n') ? l->end : eol;
    size_t head = 0, end, keyLine = 0;
    while (head < lines.size() && !unindented(lines[head].text).starts_with(header)) ++head;
    for (end = head + 1; end < lines.size() && !unindented(lines[end].text).starts_with("["); ++end) {
        std::string t = unindented(lines[end].text);
        bool keyFollows = t.size() == key.size() || t.find_first_of(" \t=", key.size()) == key.size();
        if (!keyLine && t.starts_with(key) && keyFollows) keyLine = end;
    }
    if (!keyLine && !lines.empty() && lines.back().end == "\r") lines.back().end = "\r\n";
    const bool open = !lines.empty() && lines.back().end.empty();  // a last line without a break
    const bool endsBlank = !lines.empty() && !open && lines.back().text.empty();
    if (keyLine) {  // the key's line from the key on
        std::string& text = lines[keyLine].text;
        text.replace(text.size() - unindented(text).size(), std::string::npos, line);
    } else if (head >= lines.size()) {  // no such section: appended after one blank line
        if (open) lines.back().end = eol;
        if (!lines.empty() && !endsBlank) lines.push_back({"", eol});
        lines.insert(lines.end(), {{header, eol}, {line, eol}});
    } else if (end - 1 > head && lines[end - 1].text.empty()) {  // before the closing blank line
        lines.insert(lines.begin() + long(end - 1), {line, eol});
    } else if (end == lines.size()) {  // the last section, then closed by a blank line
        if (open) lines.back().end = eol;
        else lines.push_back({"", eol});
        lines.insert(lines.end(), {{line, eol}, {"", eol}});
    } else {  // right before the next header, one blank line between
        lines.insert(lines.begin() + long(end), {{line, eol}, {"", eol}});
    }
    std::string patched;
    for (const Line& l : lines) patched += l.text + l.end;
    return patched;
}

}  // namespace gridmate::model
