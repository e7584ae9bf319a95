#pragma once
// Window classes and WM_COMMAND ids of the program's windows. The Wine tests
// drive the program through them, so they are part of its outside face.

namespace pq::ids {

inline constexpr char kMainWindowClass[] = "TForm1";
inline constexpr char kHelpWindowClass[] = "TForm3";

// Main window controls.
inline constexpr int ComboBox4 = 101;  // API Type
inline constexpr int ComboBox2 = 102;  // Language
inline constexpr int ComboBox3 = 103;  // Scope
inline constexpr int CheckBox2 = 104;  // " Automat"
inline constexpr int ComboBox1 = 105;  // Selected Item
inline constexpr int RichEdit1 = 106;  // Declaration
inline constexpr int RadioButton1 = 107;
inline constexpr int RadioButton2 = 108;
inline constexpr int BitBtn4 = 109;  // "  Add"
inline constexpr int BitBtn2 = 110;  // "  Copy"
inline constexpr int StatusBar1 = 111;
inline constexpr int GroupBox3 = 120;
inline constexpr int GroupBox2 = 121;
inline constexpr int GroupBox1 = 122;
inline constexpr int Send = 123;
inline constexpr int LabelApiType = 124;
inline constexpr int LabelLanguage = 125;
inline constexpr int LabelScope = 126;

// Main menu commands.
inline constexpr int Exit1 = 201;
inline constexpr int Declaration1 = 202;
inline constexpr int SelectedItem1 = 203;
inline constexpr int View1 = 204;
inline constexpr int Clear1 = 205;
inline constexpr int UserManual1 = 206;
inline constexpr int as1 = 207;
inline constexpr int About1 = 208;

// Help window.
inline constexpr int HelpCopy1 = 301;
inline constexpr int HelpPrint1 = 302;
inline constexpr int HelpRichEdit1 = 303;

}  // namespace pq::ids
