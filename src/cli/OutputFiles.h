#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "cli/CliRun.h"
#include "i18n/StringCatalogue.h"

namespace marlo {

// Writes the output files a run was asked for. Each that cannot be written is named on `err`
// and makes the status bad usage; the others are still written.
class OutputFiles {
  public:
    OutputFiles(const StringCatalogue& catalogue, std::ostream& err)
        : catalogue_(catalogue), err_(err) {}

    // Writes the file when a path was given; `write` says whether it worked.
    void write(const std::optional<std::string>& path,
               const std::function<bool(const std::string& path)>& write) {
        if (!path || write(*path)) return;
        err_ << catalogue_.text(msg::kCannotWriteFile) << *path << '\n';
        status_ = exit_status::kBadUsage;
    }

    int status() const { return status_; }

  private:
    const StringCatalogue& catalogue_;
    std::ostream& err_;
    int status_ = exit_status::kFinished;
};

}  // namespace marlo
