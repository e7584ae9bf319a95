#pragma once
// TForm1, the main window. It connects the controls to the generator and the
// clipboard collector: each handler reads its control into the generator
// state, runs the core's handler and shows the state again. Nothing is read
// back from the Declaration box.

#include <memory>
#include <string>

#include "app/settings_file.h"
#include "app/win/controls.h"
#include "app/win/window.h"
#include "catalogue/catalogue.h"
#include "clipboard/clipboard.h"
#include "generator/declaration_generator.h"
#include "generator/dispatch_ui.h"

namespace pq::app {

class Application;

class TForm1 : public win::Window, public DispatchUi {
public:
    TForm1(Application& app, const Catalogue& catalogue);
    ~TForm1() override;

    // Builds the window, its menu and controls, and starts Timer1. Nothing
    // else: no index is built yet.
    bool Create();
    void Show();
    // Destroys the window; FormDestroy writes the settings.
    void Destroy();

    // DispatchUi
    Cursor screenCursor() const override { return screenCursor_; }
    void setScreenCursor(Cursor cursor) override;
    void setStatus(const std::string& text) override;
    void setSelectedItemList(const std::vector<std::string>& names) override;

    // Handlers
    void Timer1Timer();
    void ComboBox4Change();
    void ComboBox1Change(const std::string& newText);
    void CheckBox2Click();
    void ComboBox2Change();
    void ComboBox3Change();
    void BitBtn2Click();
    void BitBtn4Click();
    void Declaration1Click();
    void SelectedItem1Click();
    void Clear1Click();
    void View1Click();
    void UserManual1Click();
    void as1Click();
    void About1Click();
    void Exit1Click();
    void FormHide();
    void FormDestroy();

    void Read_Ini();
    void Write_Ini();

private:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool onSetCursor();
    void createControls();
    void bindMenuCommands();

    // The four choices from their controls into the generator state.
    void readChoices();
    // The selected text and the declaration buffer into their controls.
    void showState();
    CopyMode copyMode() const;

    Application& app_;
    DeclarationGenerator gen_;
    std::unique_ptr<ClipboardPort> clipboard_;  // made with the window, its owner
    std::unique_ptr<ClipboardCollector> clip_;
    SettingsFile settings_;
    Cursor screenCursor_ = Cursor::Default;
    bool started_ = false;
    bool ending_ = false;
    HFONT font_ = nullptr;
    HFONT codeFont_ = nullptr;
    HICON addIcon_ = nullptr;
    HICON copyIcon_ = nullptr;

    win::GroupBox GroupBox3, GroupBox2, GroupBox1, Send;
    win::Label LabelApiType, LabelLanguage, LabelScope;
    win::ComboBox ComboBox4, ComboBox2, ComboBox3, ComboBox1;
    win::CheckBox CheckBox2;
    win::TextBox RichEdit1;
    win::RadioButton RadioButton1, RadioButton2;
    win::PushButton BitBtn4, BitBtn2;
    win::StatusBar StatusBar1;
};

}  // namespace pq::app
