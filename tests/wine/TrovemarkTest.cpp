// Search end to end: the browser's location and the shell's handler for web
// addresses both point at the URL recorder, which writes the command line it
// was started with; the shell's route adds the word "via-shell" first.

#include "EndpointHosts.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using orlena::test::RegistryKeyBackup;

constexpr char kAppPathsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";
constexpr char kHttpOpenKey[] = "SOFTWARE\\Classes\\http\\shell\\open\\command";
constexpr DWORD kLaunchTimeoutMs = 30000;

using SearchFunction = void(__stdcall*)(int kind, const char* query);

const std::string kWebPrefix = std::string("http://") + ORLENA_WEB_HOST + "/search?hl=ja&source=hp&q=";
const std::string kVideoSitePrefix = std::string("http://") + ORLENA_VIDEO_SITE_HOST + "/results?search_query=";
const std::string kStorePrefix =
    std::string("http://") + ORLENA_STORE_HOST + "/s?url=search-alias%3Daps&field-keywords=";

// What follows the program name on a command line.
std::string ArgumentsOf(const std::string& commandLine) {
    size_t end = commandLine[0] == '"' ? commandLine.find('"', 1) + 1 : commandLine.find(' ');
    if (end == std::string::npos || end > commandLine.size()) return {};
    while (end < commandLine.size() && commandLine[end] == ' ') ++end;
    return commandLine.substr(end);
}

class SearchTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(trovemark_.IsLoaded());
        search_ = trovemark_.Proc<SearchFunction>("Search");
        ASSERT_NE(search_, nullptr);
        SetEnvironmentVariableA("ORLENA_URL_RECORD", record_.c_str());
        orlena::test::SetRegistryString(HKEY_LOCAL_MACHINE, kHttpOpenKey, nullptr,
                                        "\"" + recorder_ + "\" via-shell \"%1\"");
    }

    void PointBrowserAtRecorder() {
        orlena::test::SetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr, recorder_);
    }

    // Runs a search and returns the arguments the recorder was started with.
    std::string OpenedArguments(int kind, const char* words) {
        DeleteFileA(record_.c_str());
        search_(kind, words);
        const auto commandLine = orlena::test::WaitForFile(record_, kLaunchTimeoutMs);
        EXPECT_TRUE(commandLine.has_value()) << "nothing was opened";
        return ArgumentsOf(commandLine.value_or(""));
    }

    RegistryKeyBackup appPathsBackup_{HKEY_LOCAL_MACHINE, kAppPathsKey};
    RegistryKeyBackup httpHandlerBackup_{HKEY_LOCAL_MACHINE, kHttpOpenKey};
    orlena::test::LoadedLibrary trovemark_{orlena::test::DeliverablePath("Trovemark.dll")};
    SearchFunction search_ = nullptr;
    std::string record_ = orlena::test::TempFilePath("orlena-url");
    std::string recorder_ = orlena::test::ProgramDir() + "\\url-recorder.exe";
};

TEST_F(SearchTest, StartsTheBrowserWithTheUrlOfTheChosenKind) {
    PointBrowserAtRecorder();
    const struct {
        int kind;
        const char* words;
        std::string url;
    } cases[] = {
        {0, "abc", kWebPrefix + "abc"},
        {5, "abc", kVideoSitePrefix + "abc"},
        {6, "abc", kStorePrefix + "abc"},
        {-1, "abc", kWebPrefix + "abc"},
        {7, "abc", kWebPrefix + "abc"},
        {0, "\x93\x8C\x8B\x9E", kWebPrefix + "%E6%9D%B1%E4%BA%AC"},  // Tokyo, code page 932
        {5, "", kVideoSitePrefix},
        {5, nullptr, kVideoSitePrefix},
        // Words can neither split the browser's command line nor the query.
        {0, "C++ a&b", kWebPrefix + "C%2B%2B%20a%26b"},
        {0, "x\" -new-window \"y", kWebPrefix + "x%22%20-new-window%20%22y"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OpenedArguments(c.kind, c.words), c.url) << "kind " << c.kind << ", words " << (c.words ? c.words : "(null)");
    }
}

TEST_F(SearchTest, HandsTheUrlToTheShellWhenTheBrowserCannotBeLocated) {
    const struct {
        const char* situation;
        std::function<void()> arrange;
    } situations[] = {
        {"key missing", [] { orlena::test::DeleteRegistryKey(HKEY_LOCAL_MACHINE, kAppPathsKey); }},
        {"empty path", [] { orlena::test::SetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr, ""); }},
        {"no default value",
         [] {
             orlena::test::DeleteRegistryKey(HKEY_LOCAL_MACHINE, kAppPathsKey);
             orlena::test::SetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path", "C:\\");
         }},
        {"path is not text", [] { orlena::test::SetRegistryDword(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr, 1); }},
    };
    for (const auto& s : situations) {
        s.arrange();
        EXPECT_EQ(OpenedArguments(5, "abc"), "via-shell \"" + kVideoSitePrefix + "abc\"") << s.situation;
    }
}

}  // namespace
