#pragma once
// A tiny HTTP server on the loopback interface, run by the test itself on a
// thread of its own: it answers GET with the files it was given. A file may be
// held after its first bytes (the connection stays open until the client goes
// or the server stops), so a test can act in the middle of a download.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace ruotario::prova {

class ServerHttpProva {
 public:
  struct Risposta {
    std::string Corpo;
    int Stato = 200;
    std::size_t TrattieniDopo = std::string::npos;  // bytes sent before holding the connection
  };

  ServerHttpProva() {
    ascolto_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t n = sizeof a;
    ::bind(ascolto_, reinterpret_cast<sockaddr*>(&a), n);
    ::listen(ascolto_, 8);
    ::getsockname(ascolto_, reinterpret_cast<sockaddr*>(&a), &n);
    porta_ = ntohs(a.sin_port);
    filo_ = std::thread([this] { servi(); });
  }
  ~ServerHttpProva() {
    fermo_ = true;
    ::shutdown(ascolto_, SHUT_RDWR);
    if (const int c = cliente_.load(); c >= 0) ::shutdown(c, SHUT_RDWR);
    filo_.join();
    ::close(ascolto_);
  }
  ServerHttpProva(const ServerHttpProva&) = delete;
  ServerHttpProva& operator=(const ServerHttpProva&) = delete;

  void Servi(const std::string& percorso, Risposta r) {
    std::lock_guard<std::mutex> g(mutex_);
    file_[percorso] = std::move(r);
  }
  std::string Indirizzo(const std::string& percorso) const {
    return "http://127.0.0.1:" + std::to_string(porta_) + percorso;
  }

 private:
  void servi() {
    while (!fermo_) {
      const int c = ::accept4(ascolto_, nullptr, nullptr, SOCK_CLOEXEC);
      if (c < 0) return;
      cliente_ = c;
      rispondi(c);
      cliente_ = -1;
      ::close(c);
    }
  }

  void rispondi(int c) {
    std::string richiesta;
    char buf[4096];
    while (richiesta.find("\r\n\r\n") == std::string::npos) {
      const ssize_t n = ::recv(c, buf, sizeof buf, 0);
      if (n <= 0) return;
      richiesta.append(buf, static_cast<std::size_t>(n));
    }
    const auto inizio = richiesta.find(' ') + 1;
    const std::string percorso = richiesta.substr(inizio, richiesta.find(' ', inizio) - inizio);
    Risposta r{"non trovato", 404, std::string::npos};
    {
      std::lock_guard<std::mutex> g(mutex_);
      if (auto it = file_.find(percorso); it != file_.end()) r = it->second;
    }
    const std::string testa = "HTTP/1.1 " + std::to_string(r.Stato) +
                              " X\r\nContent-Length: " + std::to_string(r.Corpo.size()) +
                              "\r\nConnection: close\r\n\r\n";
    const std::string tutto = testa + r.Corpo.substr(0, r.TrattieniDopo);
    ::send(c, tutto.data(), tutto.size(), MSG_NOSIGNAL);
    if (r.TrattieniDopo == std::string::npos) return;
    while (::recv(c, buf, sizeof buf, 0) > 0) {  // until the client goes, or the server stops
    }
  }

  int ascolto_ = -1;
  int porta_ = 0;
  std::atomic<int> cliente_{-1};
  std::atomic<bool> fermo_{false};
  std::mutex mutex_;
  std::map<std::string, Risposta> file_;
  std::thread filo_;
};

}  // namespace ruotario::prova
