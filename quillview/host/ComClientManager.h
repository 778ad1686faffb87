// The program's own registry of client objects that must hear when the object they point to goes away.
#pragma once
#include <algorithm>
#include <forward_list>

template <class T>
class CComClientManager {
 public:
  class _Client {
   public:
    virtual ~_Client() = default;
    // The client has been entered into the list of manager.
    virtual void ClientAttached(T* manager) = 0;
    // manager is going away: the client must drop every link to it.
    virtual void ManagerGoingAway(T* manager) = 0;
  };

  CComClientManager() = default;
  CComClientManager(const CComClientManager&) = delete;
  CComClientManager& operator=(const CComClientManager&) = delete;

  // Tells each client in turn and unlinks it, until the list is empty; a client may remove others meanwhile.
  virtual ~CComClientManager() {
    while (!m_clients.empty()) {
      _Client* client = m_clients.front();
      m_clients.pop_front();
      client->ManagerGoingAway(static_cast<T*>(this));
    }
  }

  void AddClient(_Client* client) {
    if (client == nullptr || std::find(m_clients.begin(), m_clients.end(), client) != m_clients.end()) return;
    m_clients.push_front(client);
    client->ClientAttached(static_cast<T*>(this));
  }
  void RemoveClient(_Client* client) { m_clients.remove(client); }

 private:
  std::forward_list<_Client*> m_clients;
};
