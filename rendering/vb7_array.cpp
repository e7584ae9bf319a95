#include "rendering/vb7_array.h"

#include "rendering/rendering.h"

namespace pq {

namespace {

constexpr std::string_view kNothingSaved = "-1";

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The ")" that closes the "(" at `open`; when the line never balances, the
// first ")" after it. npos when the line has no ")" after `open`.
std::size_t closingParen(std::string_view line, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < line.size(); ++i) {
        if (line[i] == '(') {
            ++depth;
        } else if (line[i] == ')' && --depth == 0) {
            return i;
        }
    }
    return line.find(')', open);
}

void appendMemberLine(std::string& out, std::string_view line) {
    const std::size_t open = line.find('(');
    const std::size_t close =
        open == std::string_view::npos ? std::string_view::npos : closingParen(line, open);
    if (close == std::string_view::npos) {
        out.append(line);
        return;
    }
    out.append(line.substr(0, open + 1));
    out.append(line.substr(close));
    out.append("  'Size:  ");
    out.append(line.substr(open + 1, close - open - 1));
}

}  // namespace

std::string DropFixedStringLengths(std::string_view text) {
    const std::string marked = ReplaceTextA("String * ", "String~", text);
    std::string out;
    out.reserve(marked.size());
    bool dropping = false;
    for (const char c : marked) {
        if (c == '~')
            dropping = true;
        else if (c == '\n' || c == ',' || c == ')')
            dropping = false;
        if (!dropping)
            out += c;
    }
    return out;
}

std::string MoveStructureArrayBounds(std::string_view text) {
    if (text.find("Structure ") == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + 256);
    bool inBlock = false;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t lf = text.find('\n', pos);
        const std::size_t eol = lf == std::string_view::npos ? text.size() : lf;
        const std::string_view line = text.substr(pos, eol - pos);
        if (startsWith(line, "Private Structure ") || startsWith(line, "Public Structure ")) {
            inBlock = true;
            out.append(line);
        } else if (startsWith(line, "End Structure")) {
            inBlock = false;
            out.append(line);
        } else if (inBlock && startsWith(line, "  ")) {
            appendMemberLine(out, line);
        } else {
            out.append(line);
        }
        if (lf == std::string_view::npos)
            return out;
        out += '\n';
        pos = lf + 1;
    }
}

void VB7Array(GeneratorState& state, DispatchUi& ui, bool toVbNet) {
    if (toVbNet) {
        state.SavedVb6Text = state.buffer;
        state.SavedItemName = state.selectedText;
        state.buffer = MoveStructureArrayBounds(DropFixedStringLengths(state.buffer));
        return;
    }
    // The restore: one level deep, because the rerun finds "-1" here.
    if (state.SavedItemName != kNothingSaved && state.SavedItemName == state.selectedText) {
        state.buffer = state.SavedVb6Text;
        state.SavedItemName = std::string(kNothingSaved);
        ComboBox2Change(state, ui);
    }
}

}  // namespace pq
