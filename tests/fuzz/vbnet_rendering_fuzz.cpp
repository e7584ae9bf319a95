// The whole language rendering on random buffers: it ends, never crashes,
// and the switch VB .NET -> VB 6 gives the text back byte for byte whenever
// the text is of the kind generation writes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "generator/dispatch_ui.h"
#include "generator/generator_state.h"
#include "rendering/rendering.h"
#include "rendering/replace_text.h"
#include "rendering/word_tables.h"

namespace {

// Whether `word` stands in `text` where the word tables would rename it.
bool occursAsWord(std::string_view text, std::string_view word, pq::WordEdges edges) {
    return pq::ReplaceWholeWord(word, "", text, edges) != text;
}

// The texts the word tables can invert: none of the VB .NET words where the
// VB 6 table would take them, and no line that begins with exactly one blank.
bool invertible(std::string_view text) {
    using pq::WordEdges;
    if (occursAsWord(text, " Short", WordEdges::After) ||
        occursAsWord(text, " Decimal", WordEdges::After) ||
        occursAsWord(text, "Structure", WordEdges::Both) ||
        occursAsWord(text, "Byte()", WordEdges::Before) ||
        occursAsWord(text, "Dim ", WordEdges::Before) ||
        text.find(" Char1 ") != std::string_view::npos ||
        text.find(" Char2 ") != std::string_view::npos)
        return false;
    for (std::size_t p = text.find("\n "); p != std::string_view::npos;
         p = text.find("\n ", p + 1)) {
        if (p + 2 >= text.size() || text[p + 2] != ' ')
            return false;
    }
    return true;
}

// Random bytes seldom spell the words the rendering cares about, so every
// other input is read as a sequence of such words.
std::string spell(const std::uint8_t* data, std::size_t size) {
    static const char* const kWords[] = {
        "Private ", "Public ", "Type",       "End Type",  "Any",     "Byte",   "As",
        " Integer", " Long",   " Currency",  " Char ",    " cChar ", "Char",   "\n",
        "\n  ",     "\n ",     " ",          "\"",        "(",       ")",      "String * ",
        "String",   ",",       "~",          "x",         "_",       "1 To 8", "Declare ",
        "Const ",   "=",       "dw",         "Structure", "Short",   "Dim",    "GetFile",
        "Popup",    "f",       "Operations", "'",         "&H8000"};
    std::string text;
    for (std::size_t i = 0; i < size; ++i)
        text += kWords[data[i] % (sizeof(kWords) / sizeof(kWords[0]))];
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = size > 0 && data[0] % 2 == 0
                                  ? spell(data + 1, size - 1)
                                  : std::string(reinterpret_cast<const char*>(data), size);
    pq::NullDispatchUi ui;
    pq::GeneratorState state;
    state.SavedItemName = "-1";
    state.selectedText = "ITEM";
    state.scope = pq::scope::kPublic;
    state.buffer = input;

    state.language = pq::language::kVbNet;
    pq::ComboBox2Change(state, ui);
    if (state.SavedVb6Text != pq::ApplyVbNetWordTable(input) || state.SavedItemName != "ITEM")
        std::abort();

    state.language = pq::language::kVb6;
    pq::ComboBox2Change(state, ui);
    if (state.SavedItemName != "-1")
        std::abort();
    if (invertible(input) && state.buffer != input)
        std::abort();

    // Neither table may hang or crash on text already in its own form.
    pq::ComboBox2Change(state, ui);
    state.language = pq::language::kVbNet;
    pq::ComboBox2Change(state, ui);
    pq::ComboBox2Change(state, ui);
    pq::ComboBox3Change(state, ui);
    return 0;
}
