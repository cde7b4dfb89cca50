// Writes one kind of file over and over through the program's own writer, alternating between
// two records, until it is killed. Says "ready" on its standard output once it starts writing.
#include <unistd.h>

#include <cstdio>

#include "durability/file_kinds.h"

int main(int argc, char** argv) {
  using namespace quorvex::durability;
  const FileKind* kind = argc == 3 ? FindKind(argv[1]) : nullptr;
  if (!kind) {
    std::fprintf(stderr, "usage: write_loop <kind> <folder>\n");
    return 2;
  }
  const fs::path folder = argv[2];
  if (::write(STDOUT_FILENO, "ready\n", 6) != 6) return 1;
  for (long i = 0;; ++i)
    if (!kind->write(folder, int(i % 2))) return 1;
}
