// Scheduling requests for the calling thread.
#pragma once

// SCHED_FIFO at the given priority. 0 when granted; -1, with "Failed to change priority.\n"
// on standard error, when refused.
int set_my_thread_priority(int priority);

// SCHED_DEADLINE with runtime = computation, deadline = constraint, period = period, all in
// nanoseconds. 1 when granted; 0, with "set_realtime () failed.\n", when refused.
int set_realtime(int period, int computation, int constraint);

// The start-up requests of both programs, with their own values; the results change nothing.
void RequestRealtimeScheduling();
