#include "app/settings_file.h"

#include <shlobj.h>
#include <windows.h>

#include <stdexcept>

namespace pq::app {

namespace {

constexpr char kSection[] = "Settings";

bool isFile(const std::string& path) {
    const DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string readKey(const std::string& file, const char* key) {
    char value[1024] = {};
    GetPrivateProfileStringA(kSection, key, "", value, sizeof value, file.c_str());
    return value;
}

bool writeAll(const std::string& file, const SettingsValues& v) {
    const std::pair<const char*, const std::string*> keys[] = {
        {"API_Type", &v.apiType}, {"Language", &v.language}, {"Scope", &v.scope},
        {"Automat", &v.automat},  {"Copy", &v.copy},
    };
    for (const auto& [key, value] : keys) {
        if (!WritePrivateProfileStringA(kSection, key, value->c_str(), file.c_str()))
            return false;
    }
    return true;
}

std::string appDataFolder() {
    char buf[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA("APPDATA", buf, MAX_PATH);
    if (n > 0 && n < MAX_PATH)
        return buf;
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buf)))
        return buf;
    return {};
}

}  // namespace

std::string iniNameFor(const std::string& exePath) {
    const std::size_t sep = exePath.find_last_of("\\/:");
    const std::size_t dot = exePath.rfind('.');
    if (dot != std::string::npos && (sep == std::string::npos || dot > sep))
        return exePath.substr(0, dot) + ".INI";
    return exePath + ".INI";
}

std::string fallbackIniName(const std::string& iniName) {
    const std::string folder = appDataFolder();
    if (folder.empty())
        return {};
    const std::size_t sep = iniName.find_last_of("\\/:");
    const std::string base = sep == std::string::npos ? iniName : iniName.substr(sep + 1);
    return folder + "\\Protoquill\\" + base;
}

SettingsFile::SettingsFile(const std::string& exePath) : primary_(iniNameFor(exePath)) {}

SettingsValues SettingsFile::read() const {
    std::string file = primary_;
    if (!isFile(file)) {
        const std::string fallback = fallbackIniName(primary_);
        if (!fallback.empty() && isFile(fallback))
            file = fallback;
    }
    SettingsValues v;
    v.apiType = readKey(file, "Api_Type");
    v.language = readKey(file, "Language");
    v.scope = readKey(file, "Scope");
    v.automat = readKey(file, "Automat");
    v.copy = readKey(file, "Copy");
    return v;
}

void SettingsFile::write(const SettingsValues& values) const {
    if (writeAll(primary_, values))
        return;
    const std::string fallback = fallbackIniName(primary_);
    if (!fallback.empty()) {
        const std::string folder = fallback.substr(0, fallback.find_last_of('\\'));
        CreateDirectoryA(folder.c_str(), nullptr);  // fails harmlessly when it exists
        if (writeAll(fallback, values))
            return;
    }
    throw std::runtime_error("Unable to write to " + primary_);
}

}  // namespace pq::app
