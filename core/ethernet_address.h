// The hardware address of the machine's first Ethernet interface, for the source field of
// every frame.
#pragma once

#include <cstdint>

#include "frame.h"

using LookupStatus = std::int32_t;           // 0 for success
using EthernetIterator = std::uint32_t;      // handle over the ordered interface list
inline constexpr LookupStatus KERN_FAILURE = 5; // the list holds no interface

// Zero at start; only GetMACAddress writes it (zeros first, then the address).
extern MacAddress MACAddress;

// Lists the interfaces of Ethernet hardware type (never loopback), physically backed ones
// first, each group in interface-index order.
LookupStatus FindEthernetInterfaces(EthernetIterator* iterator);
// Takes the first interface of the list into address (6 bytes) and releases the iterator.
LookupStatus GetMACAddress(EthernetIterator iterator, std::uint8_t* address);

// Both steps with their messages, as both programs run them: a failure is printed and the
// caller goes on with whatever MACAddress holds.
void LookUpMACAddress();
