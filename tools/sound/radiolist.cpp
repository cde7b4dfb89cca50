// Makes the installed station list "ZefRadio.rad" from its UTF-8 source: the services' base
// address put in for "@SERVICE@", then written as UTF-16 with its byte order mark.
//
// Usage: quorvex_radiolist <stations.txt> <service base> <ZefRadio.rad>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "sound/radio_stations.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <stations.txt> <service base> <ZefRadio.rad>\n", argv[0]);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "radiolist: cannot read %s\n", argv[1]);
    return 1;
  }
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string marker = "@SERVICE@";
  for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at))
    text.replace(at, marker.size(), argv[2]);
  const std::string bytes = quorvex::StationListBytes(text);
  if (quorvex::ReadStationList(bytes).empty()) {
    std::fprintf(stderr, "radiolist: %s lists no station\n", argv[1]);
    return 1;
  }
  std::ofstream out(argv[3], std::ios::binary);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  return out.good() ? 0 : 1;
}
