#pragma once

#include <QString>

#include <functional>
#include <memory>

// How a later start reaches the running copy: a local socket named from the user and the settings
// file. The socket side lives in a module of its own, loaded when it is first needed, so that the
// network library and what it brings with it (Kerberos, proxy lookup) are not loaded before the
// first window is on the screen.
class InstanceChannel
{
public:
    virtual ~InstanceChannel() = default;

    // Listens under name and calls onRaise for each request to come to the front. Only the holder
    // of the claim listens, so a socket left under the name is a killed copy's and is replaced.
    // False with the reason in *error.
    virtual bool listen(const QString& name, std::function<void()> onRaise, QString* error) = 0;
    // Asks the copy listening under name to come to the front; false when none answered within
    // timeoutMs.
    virtual bool askToRaise(const QString& name, int timeoutMs) = 0;

    // The module's file, in the program's folder.
    static QString ModuleFileName();
    // Loads the module from directory (the program's own folder when empty). Null with the reason
    // in *error.
    static std::unique_ptr<InstanceChannel> Load(const QString& directory, QString* error);
};

// What the module exports, with C linkage, under the name Load resolves.
using CreateInstanceChannelFunction = InstanceChannel* (*)();
inline constexpr char CreateInstanceChannelSymbol[] = "gavelor_create_instance_channel";
