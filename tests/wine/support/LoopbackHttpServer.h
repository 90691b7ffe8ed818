#pragma once

#include <winsock2.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orlena::test {

// An HTTP server on 127.0.0.1 in a thread of the test program. It records
// the head of every request and answers each with the canned reply.
class LoopbackHttpServer {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    unsigned short Port() const { return port_; }
    void SetReply(std::string rawReply);
    std::vector<std::string> TakeRequests();

    // A complete HTTP/1.1 reply with the body's length; the connection closes after it.
    static std::string Reply(int status, const std::string& body);

    // A port on 127.0.0.1 with nothing listening on it.
    static unsigned short UnusedPort();

private:
    void Serve();
    void Answer(SOCKET client);

    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::mutex mutex_;
    std::string reply_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

}  // namespace orlena::test
