// The history files: any bytes checked and cut into rows without reading past them. A session
// added to the file keeps every record a valid file held; a damaged file is kept aside byte for
// byte, never written over.
#include "fuzz_support.h"
#include "records/history_file.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = fuzz::Bytes(data, size);
  const HistoryCheck check = CheckHistoryText(bytes);
  const std::vector<HistoryRow> rows = HistoryRows(bytes);
  if (check.valid) FUZZ_CHECK(rows.size() == static_cast<size_t>(check.records));

  fuzz::ScratchFolder::Clear();
  const std::filesystem::path folder = HistoryFolder(fuzz::ScratchFolder::Path());
  std::filesystem::create_directories(folder);
  fuzz::ScratchFolder::Put(std::string(kHistoryFolderName) + "/" + HistoryFileName(1), bytes);
  const HisStr record{"Fuzz/Peer", 3, -120, 1.5, static_cast<uint8_t>(HistoryKind::Lan)};
  const HistoryWrite write =
      WriteHistory(fuzz::ScratchFolder::Path(), {&record, 1}, HistoryStamp{9, 5, "10.12.2026"});
  FUZZ_CHECK(write.write.ok);
  const std::string first =
      fuzz::ScratchFolder::Get(std::string(kHistoryFolderName) + "/" + HistoryFileName(1));
  if (check.valid && check.records < kHistoryRecordsPerFile) {
    FUZZ_CHECK(write.number == 1);
    const HistoryCheck after = CheckHistoryText(first);
    FUZZ_CHECK(after.valid && after.records == check.records + 1);
    const std::vector<HistoryRow> kept = HistoryRows(first);
    for (size_t i = 0; i < rows.size(); ++i) {
      FUZZ_CHECK(kept[i].time == rows[i].time && kept[i].date == rows[i].date &&
                 kept[i].player == rows[i].player && kept[i].rating == rows[i].rating);
    }
  } else if (!check.valid) {
    // The damaged file makes way for a fresh one and survives beside it.
    FUZZ_CHECK(write.number == 1);
    FUZZ_CHECK(CheckHistoryText(first).records == 1);
    FUZZ_CHECK(fuzz::ScratchFolder::Get(std::string(kHistoryFolderName) + "/" + HistoryFileName(1) +
                                        ".damaged") == bytes);
  }
  return 0;
}
