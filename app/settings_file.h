#pragma once
// The settings file: section "Settings" of an INI file named after the
// executable (its extension replaced by ".INI"), read and written with the
// system's profile functions. When the executable's folder cannot be written
// (an install under Program Files) the file lives in the Protoquill folder of
// %APPDATA%, with the same name. A file beside the executable is still read first, so a
// portable copy keeps its own settings.

#include <string>

namespace pq::app {

// The five stored values, as the file spells them.
struct SettingsValues {
    std::string apiType;   // "Constants", "Declares", "Types" or empty
    std::string language;  // "VB6", "VB_NET"
    std::string scope;     // "Private", "Public"
    std::string automat;   // "ON", "OFF"
    std::string copy;      // "Declaration", "Selected_Item"
};

// The executable's full path with the extension (from the last dot after the
// last path separator) replaced by ".INI", or ".INI" appended.
std::string iniNameFor(const std::string& exePath);

// The same file name inside %APPDATA%\Protoquill\; empty when the folder for
// application data is unknown.
std::string fallbackIniName(const std::string& iniName);

class SettingsFile {
public:
    explicit SettingsFile(const std::string& exePath);

    // The file beside the executable when it exists, else the fallback. A
    // missing file, section or key gives empty values.
    SettingsValues read() const;

    // Writes the five keys beside the executable, or in the fallback when
    // that fails. Throws std::runtime_error "Unable to write to <file>" when
    // neither place can be written.
    void write(const SettingsValues& values) const;

    const std::string& primaryName() const { return primary_; }

private:
    std::string primary_;
};

}  // namespace pq::app
