// The console menus of both programs: numbered endpoint entries and the reply prompt.
#pragma once

#include "midi.h"

// Prints "||  [%d] %s\n" with index + 1 and the full name of every endpoint the lookup gives;
// an index without an endpoint prints nothing and its number is not reused.
void PrintEndpointEntries(ItemCount count, MIDIEndpointRef (*lookup)(ItemCount index));

// Prints prompt and reads one decimal number from standard input, until one from 1 to
// highest arrives. A larger number prints "||\n||  The number must be smaller than %d\n" with
// boundShown; a reply that is not a number, or is below 1, asks again; the end of input prints
// "\nNo selection made\n" and ends the program with status 1.
int ReadMenuChoice(const char* prompt, int highest, int boundShown);
