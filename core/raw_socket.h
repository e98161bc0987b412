// The raw frame socket: sends frames exactly as built, never receives.
#pragma once

#include <linux/if_packet.h>

#include <atomic>
#include <cstddef>
#include <cstdint>

// Descriptor of the last socket opened, -1 until one is open. Published with a release store
// after saddr is filled, so another thread that loads it with acquire sees a complete saddr.
extern std::atomic<int> fd;
// Link-layer address of the interface the socket is bound to; the destination of every send.
extern sockaddr_ll saddr;

enum class RawSocketOpen {
    bound,      // ready to send
    not_opened, // "Error opening raw Ethernet socket!" printed on standard output
    not_bound,  // "Error binding raw Ethernet socket!\n" printed on standard error
};

// Opens a socket and binds it to the named interface; a name the kernel does not know, or one
// longer than 15 bytes, fails the bind.
RawSocketOpen OpenRawSocket(const char* interfaceName);

// One sendto of the frame on fd to saddr; the result is not examined. Nothing is sent while
// no socket is open. Real-time safe.
void SendRawFrame(const std::uint8_t* frame, std::size_t length);

// Closes fd, if open, and sets it back to -1.
void CloseRawSocket();
