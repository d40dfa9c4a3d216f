// A calculation sheet or a case that could not be written: the path and why. Wording it is
// fault_report's.
#pragma once

#include <QString>
#include <exception>

#include "report/page.hpp"

namespace window {

class SaveFault : public std::exception {
  public:
    enum class Document { Sheet, Case };

    SaveFault(QString path, report::WriteFailure failure, Document document = Document::Sheet)
        : path(std::move(path)), failure(std::move(failure)), document(document) {}

    QString path;
    report::WriteFailure failure;
    Document document;

    const char* what() const noexcept override { return "window: file not saved"; }
};

}  // namespace window
