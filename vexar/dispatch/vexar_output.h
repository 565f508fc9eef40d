// The standard streams: the records, usages, help lists and pages the components print
// all go to the process's one C stdout, so the tool checks that stream after each
// command and before it exits.
#ifndef VEXAR_OUTPUT_H
#define VEXAR_OUTPUT_H

namespace vexar {

// Opens descriptors 0, 1 and 2 when they are closed, on a stream that fails every read
// or write: a closed standard output must fail its writes, not have a file the tool
// opens later (an argument file) take its place. Called first.
void open_standard_descriptors();

// Flushes standard output. True when everything written to it so far arrived; else
// says so once (naming standard output and the system's reason) and returns false.
bool standard_output_written();

}  // namespace vexar

#endif
