// quorvex-radiolist: the radio's station list "ZefRadio.rad" from its text in assets/, with the
// address of the game's own server put in, written as the game reads it (UTF-16).
//
// Usage: quorvex-radiolist <stations.txt> <service base address> <ZefRadio.rad>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "settings/safe_file_write.h"
#include "sound/radio_stations.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <stations.txt> <service base address> <ZefRadio.rad>\n",
                 argv[0]);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "quorvex-radiolist: cannot read %s\n", argv[1]);
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();
  std::string list = text.str();
  const std::string base = argv[2];
  for (size_t at = list.find("{BASE}"); at != std::string::npos;
       at = list.find("{BASE}", at + base.size()))
    list.replace(at, 6, base);
  if (!quorvex::ReplaceFileContents(argv[3], quorvex::StationListBytes(list))) {
    std::fprintf(stderr, "quorvex-radiolist: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
