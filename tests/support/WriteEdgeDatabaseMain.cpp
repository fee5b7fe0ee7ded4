// write-edge-database FILE: the edge-case database of EdgeDatabase.h, for scripts that compare
// the programs of two systems on it.

#include "support/EdgeDatabase.h"

#include <exception>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "Usage: write-edge-database FILE\n";
        return 2;
    }
    try {
        veltrano::testsupport::WriteEdgeDatabase(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "write-edge-database: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
