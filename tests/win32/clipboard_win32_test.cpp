// The clipboard operations through the real Win32 clipboard (under Wine, in
// the test's own prefix and X server).
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "clipboard/clipboard.h"
#include "clipboard/win32/clipboard_viewer.h"
#include "clipboard/win32/win32_clipboard.h"

namespace pq {
namespace {

// What the clipboard holds as CF_TEXT, bytes as they are (CR LF and all).
std::optional<std::string> rawText() {
    if (!OpenClipboard(nullptr)) {
        ADD_FAILURE() << "cannot open the clipboard";
        return std::nullopt;
    }
    std::optional<std::string> text;
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(h))) {
            text = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return text;
}

// Puts `format` data on the clipboard the way another program would.
void putRaw(UINT format, HANDLE data) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(format, data);
    CloseClipboard();
}

void putRawText(const std::string& text) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    ASSERT_NE(mem, nullptr);
    memcpy(GlobalLock(mem), text.c_str(), text.size() + 1);
    GlobalUnlock(mem);
    putRaw(CF_TEXT, mem);
}

bool clipboardIsEmpty() {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    const int formats = CountClipboardFormats();
    CloseClipboard();
    return formats == 0;
}

class Win32ClipboardTest : public testing::Test {
protected:
    void SetUp() override {
        owner = CreateWindowExA(0, "STATIC", "clipboard test owner", 0, 0, 0, 10, 10, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
        port.emplace(owner);
    }
    void TearDown() override { DestroyWindow(owner); }

    HWND owner = nullptr;
    std::optional<Win32Clipboard> port;
};

TEST_F(Win32ClipboardTest, PutsCrLfAndReadsBackLf) {
    port->putText("Public Const A = 1\n\nPublic Type T\n    x As Long\nEnd Type\n\n");
    EXPECT_EQ(rawText(),
              "Public Const A = 1\r\n\r\nPublic Type T\r\n    x As Long\r\nEnd Type\r\n\r\n");
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(port->getText(), "Public Const A = 1\n\nPublic Type T\n    x As Long\nEnd Type\n\n");
}

TEST_F(Win32ClipboardTest, ReadsOtherProgramsLineEnds) {
    putRawText("A\r\nB\r\n\r\nC");
    EXPECT_EQ(port->getText(), "A\nB\n\nC");
    putRawText("a\rb\r\nc\n\xC4\xFF");
    EXPECT_EQ(port->getText(), "a\rb\nc\n\xC4\xFF");
}

TEST_F(Win32ClipboardTest, RoundTripKeepsOwnCarriageReturns) {
    const std::string text = "x\r\ny\rz\n\n\xE9";
    port->putText(text);
    EXPECT_EQ(port->getText(), text);
}

TEST_F(Win32ClipboardTest, EmptyTextAndEmptyEmptyTheClipboard) {
    port->putText("something");
    port->putText("");
    EXPECT_TRUE(clipboardIsEmpty());
    EXPECT_EQ(port->getText(), std::nullopt);
    port->putText("something");
    port->empty();
    EXPECT_TRUE(clipboardIsEmpty());
}

TEST_F(Win32ClipboardTest, WorksWithoutAnOwnerWindow) {
    Win32Clipboard unowned(nullptr);
    unowned.putText("A\nB");
    EXPECT_EQ(rawText(), "A\r\nB");
    EXPECT_EQ(unowned.getText(), "A\nB");
}

TEST_F(Win32ClipboardTest, APictureIsNoText) {
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 1, nullptr);
    ASSERT_NE(bitmap, nullptr);
    putRaw(CF_BITMAP, bitmap);
    EXPECT_EQ(port->getText(), std::nullopt);

    // Add then starts from the staging text and replaces the picture.
    ClipboardCollector c(*port);
    c.SelectedItem1Click("RECT");
    putRaw(CF_BITMAP, CreateBitmap(2, 2, 1, 1, nullptr));
    c.BitBtn4Click(CopyMode::SelectedItem, "", "POINT");
    EXPECT_EQ(rawText(), "RECT\r\n\r\nPOINT\r\n\r\n");
}

TEST_F(Win32ClipboardTest, CopyAddClearThroughTheSystemClipboard) {
    ClipboardCollector c(*port);
    c.Clear1Click();
    EXPECT_TRUE(clipboardIsEmpty());

    const std::string decl = "Public Const A = 1\n\nPublic Const B = 2";
    c.BitBtn4Click(CopyMode::Declaration, decl, "");
    EXPECT_EQ(rawText(), "Public Const A = 1\r\n\r\nPublic Const B = 2\r\n\r\n");
    c.BitBtn4Click(CopyMode::Declaration, decl, "");
    EXPECT_EQ(rawText(), "Public Const A = 1\r\n\r\nPublic Const B = 2\r\n\r\n");

    // Text another program copies, with CR LF: its blocks are recognised.
    putRawText("Public Const B = 2\r\n\r\nDim x");
    c.BitBtn4Click(CopyMode::Declaration, decl, "");
    EXPECT_EQ(rawText(), "Public Const B = 2\r\n\r\nDim x\r\n\r\nPublic Const A = 1\r\n\r\n");

    c.BitBtn2Click(CopyMode::SelectedItem, decl, "SW_SHOW");
    EXPECT_EQ(rawText(), "SW_SHOW");
    c.BitBtn2Click(CopyMode::Declaration, decl, "SW_SHOW");
    EXPECT_EQ(rawText(), "Public Const A = 1\r\n\r\nPublic Const B = 2");
    EXPECT_EQ(c.stagingText(), "SW_SHOW");

    c.Clear1Click();
    EXPECT_TRUE(clipboardIsEmpty());
    EXPECT_EQ(c.stagingText(), "");
}

// Another window keeps the clipboard open from its own thread.
class ClipboardHolder {
public:
    explicit ClipboardHolder(DWORD holdMs) : holdMs_(holdMs) {
        opened_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, &ClipboardHolder::run, this, 0, nullptr);
        WaitForSingleObject(opened_, 5000);
    }
    ~ClipboardHolder() {
        SetEvent(release_);
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
        CloseHandle(opened_);
        CloseHandle(release_);
    }
    bool held() const { return held_; }

private:
    static DWORD WINAPI run(void* self) {
        auto* h = static_cast<ClipboardHolder*>(self);
        HWND window = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        h->held_ = OpenClipboard(window) != 0;
        SetEvent(h->opened_);
        WaitForSingleObject(h->release_, h->holdMs_);
        if (h->held_) {
            CloseClipboard();
        }
        DestroyWindow(window);
        return 0;
    }

    DWORD holdMs_;
    HANDLE opened_ = nullptr;
    HANDLE release_ = nullptr;
    HANDLE thread_ = nullptr;
    volatile bool held_ = false;
};

TEST_F(Win32ClipboardTest, ClipboardHeldByAnotherWindowChangesNothing) {
    ClipboardCollector c(*port);
    c.SelectedItem1Click("RECT");
    {
        ClipboardHolder holder(INFINITE);
        ASSERT_TRUE(holder.held());
        const std::vector<void (*)(ClipboardCollector&)> ops = {
            [](ClipboardCollector& cc) { cc.BitBtn4Click(CopyMode::SelectedItem, "", "POINT"); },
            [](ClipboardCollector& cc) { cc.SelectedItem1Click("POINT"); },
            [](ClipboardCollector& cc) { cc.Declaration1Click("Public Const A = 1"); },
            [](ClipboardCollector& cc) { cc.Clear1Click(); },
        };
        for (const auto op : ops) {
            try {
                op(c);
                ADD_FAILURE() << "an operation succeeded on a held clipboard";
            } catch (const ClipboardError& e) {
                EXPECT_STREQ(e.what(), "Cannot open clipboard");
            }
            EXPECT_EQ(c.stagingText(), "RECT");
        }
    }
    EXPECT_EQ(rawText(), "RECT");
}

TEST_F(Win32ClipboardTest, OpenIsRetriedWhileAnotherWindowHoldsItBriefly) {
    port->putText("old");
    {
        ClipboardHolder holder(20);  // lets go by itself after 20 ms
        ASSERT_TRUE(holder.held());
        port->putText("new");
    }
    EXPECT_EQ(rawText(), "new");
}

TEST(ClipboardViewer, LooksOnlyInTheSystemThenTheWindowsDirectory) {
    char sys[MAX_PATH];
    char win[MAX_PATH];
    ASSERT_GT(GetSystemDirectoryA(sys, MAX_PATH), 0u);
    ASSERT_GT(GetWindowsDirectoryA(win, MAX_PATH), 0u);
    EXPECT_EQ(ClipboardViewerPaths(),
              (std::vector<std::string>{std::string(sys) + "\\clipbrd.exe",
                                        std::string(win) + "\\clipbrd.exe"}));
    for (const std::string& p : ClipboardViewerPaths()) {
        EXPECT_TRUE(p.size() > 3 && p[1] == ':' && p[2] == '\\') << p;  // absolute
    }
}

struct Report {
    int calls = 0;
    HWND owner = nullptr;
    std::string text;
    std::string title;
    UINT style = 0;
};

MessageFn recordInto(Report& r) {
    return [&r](HWND owner, const char* text, const char* title, UINT style) {
        ++r.calls;
        r.owner = owner;
        r.text = text;
        r.title = title;
        r.style = style;
    };
}

TEST(ClipboardViewer, NotFoundShowsTheMessage) {
    // No clipbrd.exe here: both real launches fail.
    const HWND owner = GetDesktopWindow();
    Report r;
    ViewClipboard(owner, LaunchMaximised, recordInto(r));
    EXPECT_EQ(r.calls, 1);
    EXPECT_EQ(r.owner, owner);
    EXPECT_EQ(r.text, "The Clipboard Viewer is not found!");
    EXPECT_EQ(r.title, "Protoquill");
    EXPECT_EQ(r.style, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

TEST(ClipboardViewer, StopsAtTheFirstLaunchThatStarts) {
    for (const std::size_t startsAt : {std::size_t{0}, std::size_t{1}}) {
        std::vector<std::string> tried;
        Report r;
        ViewClipboard(
            nullptr,
            [&](const std::string& path) {
                tried.push_back(path);
                return tried.size() == startsAt + 1;
            },
            recordInto(r));
        EXPECT_EQ(r.calls, 0);
        ASSERT_EQ(tried.size(), startsAt + 1);
        EXPECT_EQ(tried.back(), ClipboardViewerPaths()[startsAt]);
    }
}

}  // namespace
}  // namespace pq
