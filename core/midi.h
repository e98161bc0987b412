// MIDI services: clients, ports, virtual endpoints, endpoint lists, packet lists, send and
// receive. One MIDI system per process, chosen at the first client: the ALSA sequencer when
// /dev/snd/seq opens, JACK otherwise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

using OSStatus = std::int32_t; // 0 for success
using MIDIObjectRef = std::uint32_t; // 0 for none
using MIDIClientRef = MIDIObjectRef;
using MIDIPortRef = MIDIObjectRef;
using MIDIEndpointRef = MIDIObjectRef;
using MIDITimeStamp = std::uint64_t; // host time: CLOCK_MONOTONIC in nanoseconds
using ItemCount = std::uint32_t;

// Packets lie back to back with no padding: time stamp, byte count, bytes. `data` is only
// nominally 256 bytes long; a packet's bytes run on for `length` bytes.
struct __attribute__((packed)) MIDIPacket {
    MIDITimeStamp timeStamp;
    std::uint16_t length;
    std::uint8_t data[256];
};

struct __attribute__((packed)) MIDIPacketList {
    std::uint32_t numPackets;
    MIDIPacket packet[1];
};

inline constexpr std::size_t midi_packet_header_bytes = 10; // time stamp and byte count
inline constexpr std::size_t midi_packet_list_header_bytes = 4;

// Bytes a list must have to hold one packet of n data bytes.
constexpr std::size_t MIDIPacketListBytesFor(std::size_t n) {
    return midi_packet_list_header_bytes + midi_packet_header_bytes + n;
}

// Storage for a packet list of a fixed size, aligned for its time stamps.
template <std::size_t Bytes> struct MIDIPacketListStorage {
    static constexpr std::size_t size = Bytes;
    alignas(8) std::uint8_t bytes[Bytes];
    MIDIPacketList* list() { return reinterpret_cast<MIDIPacketList*>(bytes); }
    const MIDIPacketList* list() const { return reinterpret_cast<const MIDIPacketList*>(bytes); }
};

inline const std::uint8_t* MIDIPacketBytes(const MIDIPacket* packet) {
    return reinterpret_cast<const std::uint8_t*>(packet) + midi_packet_header_bytes;
}
inline const MIDIPacket* MIDIPacketNext(const MIDIPacket* packet) {
    return reinterpret_cast<const MIDIPacket*>(MIDIPacketBytes(packet) + packet->length);
}

// Called on a thread of the MIDI services with every packet list that reaches an input port
// or a virtual destination. It must not block.
using MIDIReadProc = void (*)(const MIDIPacketList* list, void* readProcRefCon,
                              void* srcConnRefCon);
// Accepted for the familiar signatures; never called.
using MIDINotifyProc = void (*)(const void* notification, void* refCon);

OSStatus MIDIClientCreate(const char* name, MIDINotifyProc notifyProc, void* notifyRefCon,
                          MIDIClientRef* outClient);
OSStatus MIDIClientDispose(MIDIClientRef client); // 0 is harmless

OSStatus MIDIOutputPortCreate(MIDIClientRef client, const char* portName, MIDIPortRef* outPort);
OSStatus MIDIInputPortCreate(MIDIClientRef client, const char* portName, MIDIReadProc readProc,
                             void* refCon, MIDIPortRef* outPort);

// Virtual endpoints, offered to other applications: a destination they write to, a source
// they read from.
OSStatus MIDIDestinationCreate(MIDIClientRef client, const char* name, MIDIReadProc readProc,
                               void* refCon, MIDIEndpointRef* outDest);
OSStatus MIDISourceCreate(MIDIClientRef client, const char* name, MIDIEndpointRef* outSrc);
OSStatus MIDIEndpointDispose(MIDIEndpointRef endpoint); // 0 is harmless

// Other applications' endpoints, as the MIDI system lists them when the count is taken.
ItemCount MIDIGetNumberOfSources();
ItemCount MIDIGetNumberOfDestinations();
MIDIEndpointRef MIDIGetSource(ItemCount index);      // 0 outside 0..count-1
MIDIEndpointRef MIDIGetDestination(ItemCount index); // 0 outside 0..count-1
// The endpoint's full name as the MIDI system shows it ("client:port").
OSStatus MIDIObjectGetName(MIDIObjectRef object, std::string* outName);

OSStatus MIDIPortConnectSource(MIDIPortRef port, MIDIEndpointRef source, void* connRefCon);

// Packet lists. Add appends one packet and returns it, or returns nullptr when it does not
// fit in listSize bytes; it never writes past them.
MIDIPacket* MIDIPacketListInit(MIDIPacketList* list);
MIDIPacket* MIDIPacketListAdd(MIDIPacketList* list, std::size_t listSize, MIDIPacket* curPacket,
                              MIDITimeStamp time, std::size_t nData, const std::uint8_t* data);

MIDITimeStamp AudioGetCurrentHostTime();

// Real-time safe: neither allocates, locks nor blocks. A packet is played at its time stamp
// plus one period of the MIDI system; one that cannot be queued is dropped, counted, and the
// call returns non-zero.
OSStatus MIDISend(MIDIPortRef port, MIDIEndpointRef dest, const MIDIPacketList* list);
OSStatus MIDIReceived(MIDIEndpointRef source, const MIDIPacketList* list);
