#include "feed/NetworkAddresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <cstring>

QList<NetworkAddress> FeedNetworkAddresses()
{
    QList<NetworkAddress> found;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return found;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET || !(entry->ifa_flags & IFF_UP))
            continue;
        sockaddr_in address{};
        std::memcpy(&address, entry->ifa_addr, sizeof address);
        char text[INET_ADDRSTRLEN] = {};
        if (!inet_ntop(AF_INET, &address.sin_addr, text, sizeof text))
            continue;
        found.append({QString::fromLocal8Bit(entry->ifa_name), QString::fromLatin1(text),
                      (entry->ifa_flags & IFF_LOOPBACK) != 0});
    }
    freeifaddrs(list);
    std::stable_sort(found.begin(), found.end(),
                     [](const NetworkAddress& a, const NetworkAddress& b) { return !a.loopback && b.loopback; });
    return found;
}
