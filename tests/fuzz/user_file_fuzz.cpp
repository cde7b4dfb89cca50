// The user file: any bytes read without reading past them; a login it gave is written as a file
// that reads back to the same login, and the stored password is deciphered without harm.
#include "fuzz_support.h"
#include "online/user_file.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ScratchFolder::Clear();
  fuzz::ScratchFolder::Put(kUserFileName, fuzz::Bytes(data, size));
  const std::optional<UserFileLogin> login = ReadUserFile(fuzz::ScratchFolder::Path());
  if (!login) return 0;
  (void)DecipherPassword(login->PwC);
  FUZZ_CHECK(WriteUserFile(fuzz::ScratchFolder::Path(), *login));
  const std::optional<UserFileLogin> again = ReadUserFile(fuzz::ScratchFolder::Path());
  FUZZ_CHECK(again.has_value());
  // A second round trip leaves the file as the first one wrote it.
  const std::string written = fuzz::ScratchFolder::Get(kUserFileName);
  FUZZ_CHECK(WriteUserFile(fuzz::ScratchFolder::Path(), *again));
  FUZZ_CHECK(fuzz::ScratchFolder::Get(kUserFileName) == written);
  FUZZ_CHECK(ReadUserFile(fuzz::ScratchFolder::Path()) == again);
  return 0;
}
