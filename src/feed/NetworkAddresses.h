#pragma once

#include <QList>
#include <QString>

// The computer's IPv4 addresses, where the feed can be reached: the interface's name and the
// address, those other computers can use first, loopback last.
struct NetworkAddress
{
    QString interfaceName;
    QString address;
    bool loopback = false;
};

QList<NetworkAddress> FeedNetworkAddresses();
