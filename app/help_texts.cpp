#include "app/help_texts.h"

#include <initializer_list>

namespace pq::app {

namespace {

std::string joinLines(std::initializer_list<const char*> lines) {
    std::string text;
    bool first = true;
    for (const char* line : lines) {
        if (!first)
            text += '\n';
        text += line;
        first = false;
    }
    return text;
}

}  // namespace

const std::string& manualText() {
    static const std::string text = joinLines({
        "",
        " Protoquill creates declarations (\"prototypes\") for any Windows API call from",
        " Visual Basic. It helps the programmer who knows the Windows API from VB6 and",
        " starts to work with VB7 (VB .NET) to use that knowledge in the new environment.",
        " Protoquill also generates the dependencies of a declaration automatically:",
        " the types of its arguments and of its return value, and the constants that",
        " they use. Without it they had to be looked up by hand, one by one, in the",
        " header files and in the documentation, and copied into the project before",
        " the declaration could compile.",
        "",
        " Protoquill works in two modes. The manual mode gives the item's own",
        " declaration only. The automat mode generates each function, structure or",
        " constant with all its dependencies, recursively. The Automat check box",
        " switches between the two modes.",
        "",
        " In the Settings panel choose the API type ( Function\\",
        " Structure\\ Constant) and the language of your development environment:",
        " VB6 (or VB5), or VB .NET. Then choose the scope of the declarations. In VB6",
        " choose the Public scope for the public module or the",
        " Private scope for the form's module.",
        " In VB .NET choose the scope as you need it.",
        " The scope word stands in front of every declaration that is generated.",
        "",
        " Choose an item in the Selected Item box, from the list or by typing its name:",
        " its declarations are generated in the Declaration box at once.",
        "",
        " Copy the generated text or the name of the selected item, as the option",
        " buttons Declaration and Selected Item say, to your VB project.",
        " \"Add\" appends to the text that is already on the clipboard, and Protoquill",
        " ignores duplicate declarations: the types and constants that several items",
        " share are collected only once. Warning: do not change the Language, Scope",
        " and Automat options while you collect declarations with \"ADD\".",
        " \"Copy\" replaces the text on the clipboard.",
        " The clipboard viewer opens with the Clipboard \\ View menu command, and",
        " Clipboard \\ Clear empties the clipboard.",
        " Before you paste into a VB .NET project, switch off the option",
        " \"Pretty listing (reformatting) of code\" of the development environment,",
        " so that the code is pasted correctly.",
        "",
        " All the API trees that Automat creates should compile in the matching VB",
        " version.",
        "",
        " ",
        " ",
        " ",
        " ",
        " ",
        " ",
    });
    return text;
}

const std::string& asAnyText() {
    static const std::string text = joinLines({
        "",
        " In VB 6.0 a Declare statement may give As Any as the type of any argument and",
        " of the return value. As Any switches type checking off: any data type can be",
        " passed.",
        " VB .NET does not support Any. Protoquill replaces it with the array of bytes",
        " type, Byte().",
        " In VB .NET every argument and the return value need a declared type. When one",
        " procedure has to take several types of argument, declare it once for each of",
        " them: a procedure declaration can be overloaded for several argument types,",
        " and the call picks the declaration that matches its arguments.",
        " The example below uses the CopyMemory function, which takes Any in VB6. It is",
        " declared three times: for String, for Integer() and for Byte() arguments.",
        "",
        "------------------------------------------------------------------------------------------"
        "--",
        "",
        "Private Declare Sub CopyMemory Lib \"kernel32\" Alias \"RtlMoveMemory\" (ByVal "
        "Destination As String, ByVal Source As String, ByVal Length As Short)",
        "Private Declare Sub CopyMemory Lib \"kernel32\" Alias \"RtlMoveMemory\" (ByVal "
        "Destination As Integer(), ByVal Source As Integer(), ByVal Length As Short)",
        "Private Declare Sub CopyMemory Lib \"kernel32\" Alias \"RtlMoveMemory\" (ByVal "
        "Destination As Byte(), ByVal Source As Byte(), ByVal Length As Short)",
        "",
        "Private Sub Button1_Click(ByVal sender As System.Object, ByVal e As "
        "System.EventArgs) Handles Button1.Click",
        "  ' Copy String",
        "     Dim str1 As String = \"word1\"",
        "     Dim str2 As String = \"word2\"",
        "     CopyMemory(str2, str1, str1.Length)",
        "     TextBox1.Text = str2                   ' word1",
        "",
        "  ' Copy Integer",
        "     Dim int1() As Integer = {2147483647}",
        "     Dim int2(0) As Integer",
        "     CopyMemory(int2, int1, 4)",
        "     TextBox2.Text = int2(0).ToString()     ' 2147483647",
        "",
        "  ' Copy Byte",
        "     Dim byte1() As Byte = {2}",
        "     Dim byte2(0) As Byte",
        "     CopyMemory(byte2, byte1, 1)",
        "     TextBox3.Text = byte2(0).ToString()    ' 2",
        "",
        "  ' The form holds three TextBox controls and the button.",
        "  ' Length counts bytes: an Integer of VB .NET has 4, a Byte 1.",
        "  ' Each TextBox shows the value that was copied into",
        "  ' the destination, the same value as the source.",
        "End Sub",
        " ",
        " ",
        " ",
        " ",
        " ",
    });
    return text;
}

}  // namespace pq::app
