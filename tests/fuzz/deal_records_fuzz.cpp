// The deal record file: any bytes read without reading past them; what was read is written as a
// file that reads back whole to the same records, and writing that again gives the same bytes.
#include "fuzz_support.h"
#include "records/deal_record.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const DealRecordRead read = ParseDealRecords(fuzz::Bytes(data, size));
  FUZZ_CHECK(read.damaged >= 0);
  for (const DealRecord& record : read.records) FUZZ_CHECK(DealRecordConsistent(record));
  const std::string written = DealRecordBytes(read.records);
  const DealRecordRead again = ParseDealRecords(written);
  FUZZ_CHECK(again.whole && again.damaged == 0);
  FUZZ_CHECK(again.records == read.records);
  FUZZ_CHECK(DealRecordBytes(again.records) == written);
  return 0;
}
