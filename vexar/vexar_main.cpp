// vexar: the administration tool for replicated versioned object bases.
//   vexar WORD ARGS...   runs one command and exits with its status;
//   vexar                reads commands from standard input, one per line.

#include <cstdio>

#include "vexar_dispatch.h"
#include "vexar_shell.h"

int main(int argc, char **argv) {
    vexar::start_up();
    if (argc < 2) return vexar::run_shell(stdin);
    return vexar::run_one_shot(argc - 1, argv + 1);
}
