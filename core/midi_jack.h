// The MIDI services over JACK (also PipeWire's JACK): every client a JACK client, every port
// or endpoint a JACK MIDI port of it. The common layer (midi.cpp) calls these when JACK is the
// process's MIDI system; each has the contract of the public call of the same name.
#pragma once

#include <string>

#include "midi.h"

namespace midi_jack {
OSStatus ClientCreate(const char* name, MIDIClientRef* outClient);
OSStatus ClientDispose(MIDIClientRef client);
OSStatus OutputPortCreate(MIDIClientRef client, const char* name, MIDIPortRef* outPort);
OSStatus InputPortCreate(MIDIClientRef client, const char* name, MIDIReadProc readProc,
                         void* refCon, MIDIPortRef* outPort);
OSStatus DestinationCreate(MIDIClientRef client, const char* name, MIDIReadProc readProc,
                           void* refCon, MIDIEndpointRef* outDest);
OSStatus SourceCreate(MIDIClientRef client, const char* name, MIDIEndpointRef* outSrc);
OSStatus EndpointDispose(MIDIEndpointRef endpoint);
ItemCount NumberOfSources();
ItemCount NumberOfDestinations();
MIDIEndpointRef Source(ItemCount index);
MIDIEndpointRef Destination(ItemCount index);
OSStatus ObjectGetName(MIDIObjectRef object, std::string* outName);
OSStatus PortConnectSource(MIDIPortRef port, MIDIEndpointRef source, void* connRefCon);
OSStatus Send(MIDIPortRef port, MIDIEndpointRef dest, const MIDIPacketList* list);
OSStatus Received(MIDIEndpointRef source, const MIDIPacketList* list);
} // namespace midi_jack
