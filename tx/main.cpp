// tarveltx: sends every MIDI packet it is given as one Tarvel frame.
#include <cstdint>
#include <cstdio>

#include "options.h"

// Destination node ID, first to last byte.
std::uint8_t txn1 = 0xff, txn2 = 0xff, txn3 = 0xff, txn4 = 0xff;

int main(int argc, char* argv[]) {
    ParseOptions(argc, argv, transmitProgram, {&txn1, &txn2, &txn3, &txn4});
    // MIDI input and the raw socket are not built yet: show what the command line gave.
    std::fprintf(stderr, "||  Node ID: [%02x:%02x:%02x:%02x]  Interface: [%s] ||\n", txn1, txn2,
                 txn3, txn4, gInterface.c_str());
    return 0;
}
