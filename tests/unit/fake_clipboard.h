#pragma once
// An in-memory system clipboard for the clipboard tests: holds a text, a
// picture or nothing, and can be made to fail like a clipboard that another
// program keeps open.

#include <optional>
#include <string>

#include "clipboard/clipboard.h"

namespace pq::test {

class FakeClipboard : public ClipboardPort {
public:
    void putText(const std::string& text) override {
        check();
        if (failingPut) {
            throw ClipboardError("Cannot open clipboard");
        }
        picture = false;
        if (text.empty()) {
            this->text.reset();
        } else {
            this->text = text;
        }
    }
    std::optional<std::string> getText() override {
        check();
        return text;
    }
    void empty() override {
        check();
        text.reset();
        picture = false;
    }

    void holdPicture() {
        text.reset();
        picture = true;
    }

    std::optional<std::string> text;
    bool picture = false;
    bool failing = false;     // every call throws
    bool failingPut = false;  // only putText throws

private:
    void check() const {
        if (failing) {
            throw ClipboardError("Cannot open clipboard");
        }
    }
};

}  // namespace pq::test
