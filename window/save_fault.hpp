// A calculation sheet that could not be written: the path and why. Wording it is
// fault_report's.
#pragma once

#include <QString>
#include <exception>

#include "report/page.hpp"

namespace window {

class SaveFault : public std::exception {
  public:
    SaveFault(QString path, report::WriteFailure failure)
        : path(std::move(path)), failure(std::move(failure)) {}

    QString path;
    report::WriteFailure failure;

    const char* what() const noexcept override { return "window: sheet not saved"; }
};

}  // namespace window
