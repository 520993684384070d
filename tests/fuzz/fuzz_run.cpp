// Arbitrary bytes as a problem data file, through the reads, the real
// analysis and the report, all in memory. Every end of the run comes back as
// its exit status; the non-convergence pause finds its answers at their end
// and goes on at once. A data file can end a run only normally, by the
// singular-matrix stop or by a read failure: any other status is a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "driver/pass_steps.hpp"
#include "driver/run_driver.hpp"
#include "platform/platform.hpp"
#include "tests/support/memory_streams.hpp"
#include "textio/termination.hpp"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tensor3d::platform::setFloatingPointMode();
  static tensor3d::testing::TextLineSource noAnswers("");
  tensor3d::setPauseAnswers(&noAnswers);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  tensor3d::testing::TextLineSource data(std::string(reinterpret_cast<const char*>(bytes), size));
  tensor3d::testing::MemorySink report;
  using tensor3d::ErrorNumber;
  const int status =
      tensor3d::runReport(data, "/fuzz/datos.txt", report, tensor3d::tensorPassSteps());
  if (status != 0 && status != static_cast<int>(ErrorNumber::EndOfFile) &&
      status != static_cast<int>(ErrorNumber::SyntaxError) &&
      status != static_cast<int>(ErrorNumber::ConversionError)) {
    std::abort();
  }
  return 0;
}
