// Suggest end to end: the prefix's system proxy points at a loopback server
// of the test's own, so the request keeps the real host name and the server
// sees exactly what would go out.

#include "EndpointHosts.h"
#include "LoopbackHttpServer.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using orlena::test::LoopbackHttpServer;

constexpr char kInternetSettingsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr char kAgent[] = "DoCoMo/2.0 N901iS(c100;TB;W24H12)";
constexpr size_t kBufferSize = 4096;
constexpr unsigned char kUntouched = 0xCC;

using SuggestFunction = void(__stdcall*)(const char* query, char* dest);

std::string SuggestionTag(const std::string& value) {
    return "<CompleteSuggestion><suggestion data=\"" + value + "\"/></CompleteSuggestion>";
}

std::string ReplyBody(const std::vector<std::string>& values) {
    std::string body = "<?xml version=\"1.0\"?><toplevel>";
    for (const std::string& value : values) body += SuggestionTag(value);
    return body + "</toplevel>";
}

std::string RequestLineFor(const std::string& encodedWords) {
    // Through a proxy the request names the host and the port, 80.
    return std::string("GET http://") + ORLENA_SUGGEST_HOST + ":80/complete/search?output=toolbar&q=" + encodedWords +
           "&hl=ja HTTP/1.1";
}

class SuggestTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(hintory_.IsLoaded());
        suggest_ = hintory_.Proc<SuggestFunction>("Suggest");
        ASSERT_NE(suggest_, nullptr);
        UseProxyPort(server_.Port());
    }

    static void UseProxyPort(unsigned short port) {
        orlena::test::SetRegistryDword(HKEY_CURRENT_USER, kInternetSettingsKey, "ProxyEnable", 1);
        orlena::test::SetRegistryString(HKEY_CURRENT_USER, kInternetSettingsKey, "ProxyServer",
                                        "127.0.0.1:" + std::to_string(port));
    }

    // Calls Suggest with a buffer twice the promised size, filled with a
    // marker, so writes past the 4096 bytes show.
    std::vector<unsigned char> SuggestInto(const char* query) {
        std::vector<unsigned char> buffer(2 * kBufferSize, kUntouched);
        suggest_(query, reinterpret_cast<char*>(buffer.data()));
        return buffer;
    }

    static std::string TextOf(const std::vector<unsigned char>& buffer) {
        return std::string(reinterpret_cast<const char*>(buffer.data()),
                           strnlen(reinterpret_cast<const char*>(buffer.data()), buffer.size()));
    }

    std::string OnlyRequest() {
        const std::vector<std::string> requests = server_.TakeRequests();
        EXPECT_EQ(requests.size(), 1u);
        return requests.empty() ? std::string() : requests.front();
    }

    orlena::test::RegistryKeyBackup settingsBackup_{HKEY_CURRENT_USER, kInternetSettingsKey};
    LoopbackHttpServer server_;
    orlena::test::LoadedLibrary hintory_{orlena::test::DeliverablePath("Hintory.dll")};
    SuggestFunction suggest_ = nullptr;
};

TEST_F(SuggestTest, RequestsTheEncodedWordsWithTheAgentAndNothingElse) {
    server_.SetReply(LoopbackHttpServer::Reply(200, ReplyBody({})));
    const struct {
        const char* words;
        std::string encoded;
    } cases[] = {
        {"abc", "abc"},
        {"\x93\x8C\x8B\x9E", "%93%8C%8B%9E"},  // Tokyo, the bytes as given in code page 932
        {"", ""},
        {nullptr, ""},
        // A copied line break must not split the request.
        {"a\r\nX-Injected: 1\r\nb c&d", "a%0D%0AX-Injected:%201%0D%0Ab%20c%26d"},
    };
    for (const auto& c : cases) {
        const std::string words = c.words ? c.words : "(null)";
        SuggestInto(c.words);
        const std::string request = OnlyRequest();
        EXPECT_EQ(request.substr(0, request.find("\r\n")), RequestLineFor(c.encoded)) << words;
        EXPECT_NE(request.find(std::string("\r\nUser-Agent: ") + kAgent + "\r\n"), std::string::npos) << request;
        for (const char* absent : {"\r\nReferer:", "\r\nAccept:", "\r\nX-Injected:", "\r\nContent-Length:"}) {
            EXPECT_EQ(request.find(absent), std::string::npos) << absent << " in\n" << request;
        }
    }
}

TEST_F(SuggestTest, WritesEachSuggestionFollowedByALineBreak) {
    server_.SetReply(LoopbackHttpServer::Reply(200, ReplyBody({"a", "b"})));
    const auto buffer = SuggestInto("a");
    const std::vector<unsigned char> expected = {0x61, 0x0D, 0x0A, 0x62, 0x0D, 0x0A, 0x00, kUntouched};
    EXPECT_EQ(std::vector<unsigned char>(buffer.begin(), buffer.begin() + 8), expected);
}

TEST_F(SuggestTest, ParsesTheBodyOfAnErrorReplyLikeAnyOther) {
    server_.SetReply(LoopbackHttpServer::Reply(500, ReplyBody({"x"})));
    EXPECT_EQ(TextOf(SuggestInto("x")), "x\r\n");
    server_.SetReply(LoopbackHttpServer::Reply(404, "<html><body>Not Found</body></html>"));
    EXPECT_EQ(TextOf(SuggestInto("x")), "");
}

TEST_F(SuggestTest, WritesTheEmptyTextWhenNothingAnswers) {
    UseProxyPort(LoopbackHttpServer::UnusedPort());
    const auto buffer = SuggestInto("abc");
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], kUntouched);
}

TEST_F(SuggestTest, KeepsWholeLinesWithinTheCallersBuffer) {
    // About 100 KB of suggestions, double-byte ones among them, in a reply
    // read in many pieces whose edges fall inside tags and values.
    std::vector<std::string> values;
    std::string body;
    for (int i = 0; body.size() < 100 * 1024; ++i) {
        values.push_back("\x93\x8C\x8B\x9E suggestion " + std::to_string(i) + std::string(static_cast<size_t>(i % 37), 'x'));
        body = ReplyBody(values);
    }
    server_.SetReply(LoopbackHttpServer::Reply(200, body));
    const auto buffer = SuggestInto("\x93\x8C");
    const std::string text = TextOf(buffer);

    ASSERT_LE(text.size(), kBufferSize - 1);
    EXPECT_GT(text.size(), kBufferSize - 200) << "the buffer should be nearly full";
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    std::string expected;
    for (size_t i = 0; expected.size() < text.size(); ++i) expected += values[i] + "\r\n";
    EXPECT_EQ(text, expected) << "whole suggestions, in the reply's order";
    for (size_t i = kBufferSize; i < buffer.size(); ++i) {
        ASSERT_EQ(buffer[i], kUntouched) << "written past the buffer at " << i;
    }
}

TEST_F(SuggestTest, NullDestinationMakesNoRequest) {
    server_.SetReply(LoopbackHttpServer::Reply(200, ReplyBody({"a"})));
    suggest_("a", nullptr);
    EXPECT_TRUE(server_.TakeRequests().empty());
}

}  // namespace
