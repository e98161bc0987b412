// Cuts a MIDI byte stream into whole messages, for MIDI systems that carry whole messages
// only: running status expanded, real-time bytes as messages of their own (also inside system
// exclusive), system common lengths, system exclusive joined across packets up to a bound;
// stray data bytes, incomplete messages and over-long system exclusive dropped.
#pragma once

#include <cstddef>
#include <cstdint>

// System exclusive longer than this (F0 and F7 included) is dropped whole.
inline constexpr std::size_t max_sysex_bytes = 8192;

// State carried from one packet to the next; one per output stream, used by one thread.
struct MidiStreamSplitter {
    std::uint8_t runningStatus = 0; // last channel status byte, 0 for none
    std::size_t length = 0;         // bytes of the current message gathered in message
    std::size_t expected = 0;       // length of the current message; 0 while in system exclusive
    bool inSysex = false;
    bool sysexOverflow = false; // the current system exclusive went past the bound
    std::uint8_t message[max_sysex_bytes];
};

// Receives each whole message, in stream order; the bytes are valid only during the call.
using MidiMessageSink = void (*)(void* context, const std::uint8_t* message, std::size_t length);

void ResetMidiStream(MidiStreamSplitter& splitter);

// Feeds n bytes; calls sink for every message they complete. Allocates nothing.
void SplitMidiStream(MidiStreamSplitter& splitter, const std::uint8_t* bytes, std::size_t n,
                     MidiMessageSink sink, void* context);
