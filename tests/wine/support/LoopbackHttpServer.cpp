#include "LoopbackHttpServer.h"

#include <ws2tcpip.h>

#include <stdexcept>

namespace orlena::test {
namespace {

struct WinsockStartup {
    WinsockStartup() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockStartup() { WSACleanup(); }
};

SOCKET BindLoopback(unsigned short& port) {
    static WinsockStartup winsock;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) throw std::runtime_error("socket failed");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(s);
        throw std::runtime_error("bind failed");
    }
    port = ntohs(address.sin_port);
    return s;
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() {
    listener_ = BindLoopback(port_);
    listen(listener_, 8);
    thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    closesocket(listener_);  // wakes the blocked accept
    thread_.join();
}

void LoopbackHttpServer::SetReply(std::string rawReply) {
    std::lock_guard<std::mutex> lock(mutex_);
    reply_ = std::move(rawReply);
}

std::vector<std::string> LoopbackHttpServer::TakeRequests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::move(requests_);
}

std::string LoopbackHttpServer::Reply(int status, const std::string& body) {
    return "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Error") +
           "\r\nContent-Type: text/xml\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

unsigned short LoopbackHttpServer::UnusedPort() {
    unsigned short port = 0;
    closesocket(BindLoopback(port));
    return port;
}

void LoopbackHttpServer::Serve() {
    for (;;) {
        const SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) return;
        Answer(client);
        closesocket(client);
    }
}

void LoopbackHttpServer::Answer(SOCKET client) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
        const int received = recv(client, buffer, sizeof buffer, 0);
        if (received <= 0) break;
        head.append(buffer, static_cast<size_t>(received));
    }
    std::string reply;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(head);
        reply = reply_;
    }
    for (size_t sent = 0; sent < reply.size();) {
        const int n = send(client, reply.data() + sent, static_cast<int>(reply.size() - sent), 0);
        if (n <= 0) break;
        sent += static_cast<size_t>(n);
    }
    shutdown(client, SD_SEND);
}

}  // namespace orlena::test
